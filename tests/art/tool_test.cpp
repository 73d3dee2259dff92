// The tool itself, run as a developer runs it: into a temporary folder it makes exactly the committed
// resources, every name has a source, and its contact sheet comes out as a PNG of the layout's size.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>
#include <string>

#include "art_build.h"
#include "contact_sheet.h"

namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class Tool : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("icon-art-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // The tool's exit status; what it said is in said().
    int Run(const std::string& arguments) {
        std::string command = std::string("'") + ICON_ART + "' " + arguments + " 2>'" + (folder_ / "said").string();
        command += "'";
        int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string said() const { return Contents(folder_ / "said"); }

    // A small assets folder: one good icon, one faulty one, and a cursor with its hot spot outside.
    void WriteSources() {
        fs::create_directories(folder_ / "assets" / "icons");
        fs::create_directories(folder_ / "assets" / "cursors");
        std::ofstream(folder_ / "assets" / "icons" / "a.art") << "icon ICON_7 square\nbrush yellow\nrect 4 4 28 28\n"
                                                              << "icon ICON_8 faulty\npen gold\n";
        std::ofstream(folder_ / "assets" / "cursors" / "cursors.art") << "cursor CURSOR_1 hot 40 1 cross\n";
    }

    fs::path folder_;
};

TEST_F(Tool, MakesTheCommittedResourcesFromEverySource) {
    fs::path out = folder_ / "resources";
    EXPECT_EQ(Run("--out '" + out.string() + "'"), 0) << said();
    fs::path committed = fs::path(DAB_SOURCE_DIR) / "resources";
    EXPECT_EQ(Contents(out / "dab.rc"), Contents(committed / "dab.rc"));
    int files = 0;
    for (const char* kind : {"icons", "cursors"}) {
        for (const auto& made : fs::directory_iterator(out / kind)) {
            files++;
            fs::path name = fs::path(kind) / made.path().filename();
            EXPECT_EQ(Contents(made.path()), Contents(committed / name)) << name << " is out of date: run icon-art";
        }
    }
    EXPECT_EQ(files, art::kIconCount + art::kCursorCount);
}

TEST_F(Tool, WritesTheContactSheetOfTheSourcesAsked) {
    WriteSources();
    fs::path sheet = folder_ / "sheet.png";
    EXPECT_EQ(Run("--assets '" + (folder_ / "assets").string() + "' --sheet '" + sheet.string() + "' --only a.art"), 1);
    std::string png = Contents(sheet);
    ASSERT_GT(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    auto word = [&](size_t at) {
        return uint32_t(uint8_t(png[at])) << 24 | uint32_t(uint8_t(png[at + 1])) << 16 |
               uint32_t(uint8_t(png[at + 2])) << 8 | uint8_t(png[at + 3]);
    };
    art::SheetLayout size = art::ContactSheetSize(1, 0);  // the faulty picture and the cursor are left out
    EXPECT_EQ(word(16), uint32_t(size.width));
    EXPECT_EQ(word(20), uint32_t(size.height));
}

TEST_F(Tool, ReportsFaultsAndMissingNamesAndStillWritesTheRest) {
    WriteSources();
    fs::path out = folder_ / "out";
    EXPECT_EQ(Run("--assets '" + (folder_ / "assets").string() + "' --out '" + out.string() + "'"), 1);
    std::string report = said();
    EXPECT_NE(report.find("a.art:5: unknown colour `gold`"), std::string::npos) << report;
    EXPECT_NE(report.find("cursors.art:1: the hot spot lies outside the cell"), std::string::npos) << report;
    EXPECT_NE(report.find("no source draws 231 names yet: ICON_1 "), std::string::npos) << report;
    EXPECT_TRUE(fs::exists(out / "icons" / "icon_7.ico"));
    EXPECT_FALSE(fs::exists(out / "icons" / "icon_8.ico"));
    EXPECT_EQ(Contents(out / "dab.rc"), art::ResourceScript());
}

}  // namespace
