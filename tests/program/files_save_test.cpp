// Saving from the files page: new files under new names, their size and pixels as an independent decoder
// reads them, a name already taken, and saves whose writes fail.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include "base/random.h"
#include "base/tool_groups.h"
#include "canvas/brush_choice.h"
#include "canvas/tools.h"
#include "files/save_print.h"
#include "files_helpers.h"
#include "options/option_strip.h"
#include "options/pages.h"

using namespace dab_test;

namespace {

const std::string kSaved = "Information: PICTURE SAVED!";
const std::string kNotSaved = "Warning: THE PICTURE WAS NOT SAVED!";

// Paints the canvas, saves it and gives the canvas's client as the save found it.
std::vector<COLORREF> PaintAndSave(COLORREF (*colour)(int, int) = PaletteChecks) {
    PaintCanvas(colour);
    std::vector<COLORREF> canvas = CanvasClient();
    SaveFromTheFilesPage();
    return canvas;
}

// The saved file holds the whole canvas picture: the client as the child saw it, and white under the
// canvas's border.
void ExpectSavedCanvas(const std::filesystem::path& file, const std::vector<COLORREF>& canvas) {
    DecodedPicture decoded = DecodeWithPil(file);
    ASSERT_EQ(decoded.error, "");
    ASSERT_EQ(decoded.width, canvasWidth);
    ASSERT_EQ(decoded.height, canvasHeight);
    EXPECT_TRUE(TopLeft(decoded.pixels, canvasWidth, canvasWidth - 2, canvasHeight - 2) == canvas);
    EXPECT_EQ(decoded.pixels.back(), RGB(255, 255, 255));
}

TEST(FilesSave, TwoSavesGiveTwoFilesOfTheCanvas) {
    for (Screen screen : {Screen{640, 480}, Screen{1024, 768}}) {
        SCOPED_TRACE(screen.width);
        RunDab(screen, [] {
            TestProgramFolder folder({"CAKE.BMP"});
            std::vector<COLORREF> first = PaintAndSave();
            EXPECT_EQ(testing::MessageBoxesShown(), std::vector<std::string>{kSaved});
            std::vector<std::string> saved = SavedPictureNames(folder.Files());
            ASSERT_EQ(saved.size(), 1u);
            ExpectSavedCanvas(folder / saved[0], first);
            // Tool page 1, and the canvas as it was when the save began.
            EXPECT_EQ(CurrentStrip().toolGroup, kFirstBrushGroup);
            EXPECT_TRUE(CanvasClient() == first);

            std::vector<COLORREF> second = PaintAndSave([](int x, int y) { return PaletteChecks(y, x); });
            std::vector<std::string> both = SavedPictureNames(folder.Files());
            ASSERT_EQ(both.size(), 2u);
            std::string added = both[0] == saved[0] ? both[1] : both[0];
            ExpectSavedCanvas(folder / added, second);
            ExpectSavedCanvas(folder / saved[0], first);
            EXPECT_EQ(folder.Files().size(), 3u) << "nothing but the two pictures is added";
        });
    }
}

// A name drawn that a picture already has, in any case, never replaces that picture: a new one is drawn.
TEST(FilesSave, ANameTakenIsNotReplaced) {
    for (bool lowerCase : {false, true}) {
        SCOPED_TRACE(lowerCase ? "taken in lower case" : "taken as drawn");
        RunDab({800, 600}, [lowerCase] {
            TestProgramFolder folder;
            SeedRandom(4242);
            char name[20];
            MakePictureName(name);
            std::string taken = name;
            if (lowerCase)
                std::transform(taken.begin(), taken.end(), taken.begin(), [](char c) { return char(std::tolower(c)); });
            folder.Add("CAKE.BMP", taken);
            std::vector<char> before = FileBytes(folder / taken);
            SeedRandom(4242);
            std::vector<COLORREF> canvas = PaintAndSave();
            EXPECT_EQ(testing::MessageBoxesShown(), std::vector<std::string>{kSaved});
            EXPECT_TRUE(FileBytes(folder / taken) == before);
            std::vector<std::string> files = folder.Files();
            ASSERT_EQ(files.size(), 2u);
            std::string added = files[0] == taken ? files[1] : files[0];
            EXPECT_EQ(SavedPictureNames({added}).size(), 1u) << added;
            ExpectSavedCanvas(folder / added, canvas);
        });
    }
}

// A seed whose first name begins with C and B: that saved picture opens as a colouring picture.
TEST(FilesSave, ASavedNameBeginningWithCBIsAColouringPicture) {
    RunDab({800, 600}, [] {
        TestProgramFolder folder;
        uint32_t seed = 1;
        for (char name[20] = {};; seed++) {
            SeedRandom(seed);
            MakePictureName(name);
            if (name[0] == 'C' && name[1] == 'B') break;
        }
        SeedRandom(seed);
        PaintAndSave();
        std::vector<std::string> saved = SavedPictureNames(folder.Files());
        ASSERT_EQ(saved.size(), 1u);
        EXPECT_EQ(saved[0].substr(0, 2), "CB");
        EXPECT_EQ(CurrentBrush().colouringMode, 0);
        ClickOnTheFilesPage(kOpen);
        ClickCell(0);
        EXPECT_EQ(CurrentBrush().colouringMode, 1);
        EXPECT_EQ(CurrentToolState(), kFillState) << "the fill";
    });
}

// A write that fails, from the first byte or part way, says so and leaves no file behind.
TEST(FilesSave, AFailedWriteSaysSoAndLeavesNothing) {
    for (rlim_t limit : {rlim_t(0), rlim_t(64 * 1024)}) {
        SCOPED_TRACE(limit == 0 ? "a full disk" : "a write that stops part way");
        RunDab({800, 600}, [limit] {
            TestProgramFolder folder({"CAKE.BMP"});
            rlimit kept{};
            getrlimit(RLIMIT_FSIZE, &kept);
            signal(SIGXFSZ, SIG_IGN);
            rlimit small = kept;
            small.rlim_cur = limit;
            setrlimit(RLIMIT_FSIZE, &small);
            std::vector<COLORREF> canvas = PaintAndSave();
            setrlimit(RLIMIT_FSIZE, &kept);
            EXPECT_EQ(testing::MessageBoxesShown(), std::vector<std::string>{kNotSaved});
            EXPECT_EQ(folder.Files(), std::vector<std::string>{"CAKE.BMP"});
            EXPECT_EQ(CurrentStrip().toolGroup, kFirstBrushGroup);
            EXPECT_TRUE(CanvasClient() == canvas);

            // The next save, with room again, works.
            SaveFromTheFilesPage();
            EXPECT_EQ(testing::MessageBoxesShown(), std::vector<std::string>{kSaved});
            EXPECT_EQ(SavedPictureNames(folder.Files()).size(), 1u);
        });
    }
}

// Whatever already has the name a save writes under first (another dab's picture being written, a leftover
// of a crash, a folder, a link planted to a file elsewhere) is left as it is: the save writes under a
// name of its own, and a link is never followed.
TEST(FilesSave, WhateverHasTheTemporaryNameIsLeftAlone) {
    enum Leftover { kFile, kFolder, kLink, kDanglingLink };
    const std::pair<Leftover, const char*> leftovers[] = {
        {kFile, "a file"}, {kFolder, "a folder"}, {kLink, "a link to a file elsewhere"}, {kDanglingLink, "a dangling link"}};
    for (auto [leftover, name] : leftovers) {
        SCOPED_TRACE(name);
        RunDab({800, 600}, [leftover] {
            TestProgramFolder folder;
            const std::filesystem::path elsewhere = folder.path().string() + "-elsewhere.txt";
            std::ofstream(elsewhere) << "a grown-up's file";
            SeedRandom(4242);
            char picture[20];
            MakePictureName(picture);
            std::string temporary = std::string(picture, 7) + ".TMP";
            switch (leftover) {
                case kFile: std::ofstream(folder / temporary) << "half a picture"; break;
                case kFolder: std::filesystem::create_directory(folder / temporary); break;
                case kLink: std::filesystem::create_symlink(elsewhere, folder / temporary); break;
                case kDanglingLink: std::filesystem::create_symlink(folder / "GONE", folder / temporary); break;
            }
            std::vector<std::string> before = folder.Files();
            SeedRandom(4242);
            std::vector<COLORREF> canvas = PaintAndSave();
            EXPECT_EQ(testing::MessageBoxesShown(), std::vector<std::string>{kSaved});
            std::ifstream kept(elsewhere);
            std::string text;
            std::getline(kept, text);
            EXPECT_EQ(text, "a grown-up's file");
            std::vector<std::string> saved = SavedPictureNames(folder.Files());
            ASSERT_EQ(saved.size(), 1u);
            EXPECT_NE(saved[0], picture) << "the name whose temporary twin was taken";
            ExpectSavedCanvas(folder / saved[0], canvas);
            std::vector<std::string> after = folder.Files();
            after.erase(std::find(after.begin(), after.end(), saved[0]));
            EXPECT_EQ(after, before) << "nothing else added, nothing taken away";
            std::filesystem::remove(elsewhere);
        });
    }
}

}  // namespace
