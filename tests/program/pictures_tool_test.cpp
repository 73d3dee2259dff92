// dab-pictures itself: what its commands draw, the mistakes in a source it names, and its PNG views.
#include <gtest/gtest.h>

#include "pictures_tool.h"
#include "tests/platform/surfaces.h"

using namespace dab_test;

namespace {

// A folder of its own for sources or pictures, gone at the end of the test.
class Folder {
public:
    explicit Folder(const std::string& name)
        : path_(std::filesystem::temp_directory_path() / ("dab-pictures-" + name + "-" + std::to_string(getpid()))) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~Folder() { std::filesystem::remove_all(path_); }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    const std::filesystem::path& path() const { return path_; }
    void Write(const std::string& name, const std::string& text) const { std::ofstream(path_ / name) << text; }

private:
    std::filesystem::path path_;
};

TEST(PicturesTool, CommandsDrawFromTheOriginInTheTablesColours) {
    Folder sources("sources"), out("out");
    sources.Write("t.pic",
                  "# a test\n"
                  "file T.BMP 12 10\n"
                  "paper red5   # all red\n"
                  "pen 113 1\n"
                  "brush 113\n"
                  "origin 2 3\n"
                  "rect 0 0 4 2\n"
                  "pixel 6 4 black\n"
                  "fill 0 -3 yellow5\n");
    ToolRun run = RunPicturesTool("--assets " + sources.path().string() + " --out " + out.path().string() + " 2>&1");
    ASSERT_EQ(run.status, 0) << run.output;
    TablePicture picture = ReadTablePicture(out.path() / "T.BMP");
    ASSERT_EQ(picture.header.biWidth, 12);
    ASSERT_EQ(picture.header.biHeight, 10);
    ASSERT_EQ(picture.pixels.size(), 120u);
    for (int y = 0; y < 10; y++) {
        for (int x = 0; x < 12; x++) {
            // The green rectangle from (2, 3), right and bottom excluded; the black pixel at (8, 7); the
            // red around them flooded yellow from the corner.
            COLORREF expected = x >= 2 && x < 6 && y >= 3 && y < 5 ? RGB(0, 255, 0)
                                : x == 8 && y == 7                   ? RGB(0, 0, 0)
                                                                     : RGB(0xFC, 0xF4, 0x40);
            EXPECT_EQ(picture.at(x, y), expected) << x << ", " << y;
        }
    }
}

TEST(PicturesTool, SealBlackensOnlyTheSmallWhiteAreas) {
    Folder sources("sources"), out("out");
    // Two closed rings on white: a small one (a 2 × 2 hole) and a large one (a 20 × 20 inside).
    sources.Write("s.pic",
                  "file S.BMP 40 40\n"
                  "pen black 1\n"
                  "rect 2 2 6 6\n"
                  "rect 10 10 32 32\n"
                  "seal 10\n");
    ToolRun run = RunPicturesTool("--assets " + sources.path().string() + " --out " + out.path().string() + " 2>&1");
    ASSERT_EQ(run.status, 0) << run.output;
    TablePicture picture = ReadTablePicture(out.path() / "S.BMP");
    ASSERT_EQ(picture.pixels.size(), 1600u);
    ExpectPixels([&](int x, int y) { return picture.at(x, y); },
                 {{3, 3, kBlack, "the 4-pixel hole is sealed"}, {20, 20, kWhite, "the 400-pixel inside stays white"},
                  {0, 0, kWhite, "the surround stays white"}});
}

TEST(PicturesTool, WideEllipseOutlinesLeaveNoPinholes) {
    Folder sources("sources"), out("out");
    sources.Write("e.pic", "file E.BMP 120 100\npen black 6\nbrush none\nellipse 10 8 110 92\nellipse 30 30 60 70\n");
    ToolRun run = RunPicturesTool("--assets " + sources.path().string() + " --out " + out.path().string() + " 2>&1");
    ASSERT_EQ(run.status, 0) << run.output;
    TablePicture picture = ReadTablePicture(out.path() / "E.BMP");
    ASSERT_EQ(picture.pixels.size(), 12000u);
    auto white = [&](int x, int y) { return picture.at(x, y) == kWhite; };
    int pinholes = 0;
    for (int y = 1; y + 1 < picture.header.biHeight; y++)
        for (int x = 1; x + 1 < picture.header.biWidth; x++)
            pinholes += white(x, y) && !white(x - 1, y) && !white(x + 1, y) && !white(x, y - 1) && !white(x, y + 1);
    EXPECT_EQ(pinholes, 0);
}

TEST(PicturesTool, MistakesAreNamedWithTheirLine) {
    Folder sources("sources"), out("out");
    sources.Write("bad.pic",
                  "file BAD.BMP 10 10\n"
                  "pen purple5 2\n"
                  "rect 1 2 3\n"
                  "wobble 1 2\n"
                  "fill 1 1\n");
    sources.Write("nofile.pic", "rect 0 0 4 4\n");
    ToolRun run = RunPicturesTool("--assets " + sources.path().string() + " --out " + out.path().string() + " 2>&1");
    EXPECT_NE(run.status, 0);
    EXPECT_TRUE(std::filesystem::is_empty(out.path())) << "nothing is written from sources with mistakes";
    std::string bad = (sources.path() / "bad.pic").string();
    for (const std::string& line : {bad + ":2: pen takes a colour", bad + ":3: rect takes 4 numbers",
                                    bad + ":4: no command wobble", bad + ":5: fill takes 2 numbers",
                                    (sources.path() / "nofile.pic").string() + ":1: the source must begin with file"})
        EXPECT_NE(run.output.find(line), std::string::npos) << line << "\nin:\n" << run.output;
}

TEST(PicturesTool, ViewsGoToTheFolderGivenAndNeverIntoTheRepository) {
    Folder views("views");
    ToolRun run = RunPicturesTool("--data " + ProgramFolder().string() + " --views " + views.path().string() + " 2>&1");
    ASSERT_EQ(run.status, 0) << run.output;
    for (const char* png : {"frame.png", "frame-parts.png", "cbhouse.png", "sea.png"}) {
        std::vector<char> bytes = FileBytes(views.path() / png);
        ASSERT_GT(bytes.size(), 24u) << png;
        EXPECT_EQ(std::string(bytes.data() + 1, 3), "PNG") << png;
    }
    // The frame at 800 × 600: the width and height in the PNG header.
    std::vector<char> frame = FileBytes(views.path() / "frame.png");
    auto number = [&](size_t at) {
        return uint32_t(uint8_t(frame[at])) << 24 | uint32_t(uint8_t(frame[at + 1])) << 16 |
               uint32_t(uint8_t(frame[at + 2])) << 8 | uint8_t(frame[at + 3]);
    };
    EXPECT_EQ(number(16), 800u);
    EXPECT_EQ(number(20), 600u);

    // This source lies in tests/program of the repository.
    std::filesystem::path root = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
    std::filesystem::path inside = root / "data" / "views";
    ToolRun refused = RunPicturesTool("--views " + inside.string() + " 2>&1");
    EXPECT_NE(refused.status, 0);
    EXPECT_FALSE(std::filesystem::exists(inside));
}

}  // namespace
