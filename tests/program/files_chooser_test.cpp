// The picture chooser from the files page: its pages of previews and their arrow, opening ordinary and
// colouring pictures, the delete mode, and the list's limits.
#include <gtest/gtest.h>

#include "base/tool_groups.h"
#include "canvas/brush_choice.h"
#include "canvas/tools.h"
#include "files/picture_chooser.h"
#include "files_helpers.h"
#include "options/option_strip.h"
#include "options/pages.h"

using namespace dab_test;

namespace {

const std::vector<std::string> kNine = {"CAKE.BMP",    "CBCAR.BMP", "CBCAT.BMP",  "CBCLOWN.BMP", "CBDINO.BMP",
                                        "CBFISH.BMP",  "HILLS.BMP", "NIGHT.BMP", "SEA.BMP"};

// What one page shows: the first slot, the slots with previews, and whether the arrow is there.
struct Page {
    int first;
    int previews;
    bool arrow;
};

struct PagesCase {
    const char* name;
    int pictures;
    std::vector<Page> pages;  // the first page, then one after each click on the arrow
};

void ExpectPage(const TestProgramFolder& folder, const Page& page, const std::vector<std::string>& names) {
    EXPECT_EQ(ChooserFirst(), page.first);
    for (int cell = 0; cell < 4; cell++) {
        SCOPED_TRACE("cell " + std::to_string(cell));
        if (cell >= page.previews) {
            EXPECT_FALSE(CellShowsPreview(cell));
            continue;
        }
        const std::string& name = names[size_t(page.first + cell - 1)];
        int mode = IsColouringPictureName(name.c_str()) ? BLACKONWHITE : COLORONCOLOR;
        POINT corner = PictureCellOrigin(cell);
        EXPECT_TRUE(FrameArea(corner.x, corner.y, kPreviewWidth, kPreviewHeight) ==
                    DrawnPicture(folder / name, kPreviewWidth, kPreviewHeight, mode))
            << "the preview of " << name;
    }
    EXPECT_EQ(ArrowShown(), page.arrow);
}

TEST(FilesChooser, PagesOfFourWithTheEmptySlotBehindTheLastName) {
    const PagesCase cases[] = {
        {"three", 3, {{1, 3, false}, {1, 3, true}, {1, 3, true}}},
        {"four", 4, {{1, 4, true}, {5, 0, true}, {1, 4, true}}},
        {"nine", 9, {{1, 4, true}, {5, 4, true}, {9, 1, true}, {1, 4, true}}},
    };
    for (const PagesCase& c : cases) {
        SCOPED_TRACE(c.name);
        RunDab({800, 600}, [&c] {
            std::vector<std::string> names(kNine.begin(), kNine.begin() + c.pictures);
            TestProgramFolder folder(names);
            ClickOnTheFilesPage(kOpen);
            ASSERT_EQ(PictureChooserShown(), 1);
            EXPECT_FALSE(IsWindowVisible(canvasWindow));
            EXPECT_EQ(PictureListEnd(), c.pictures + 1);
            for (int i = 0; i < c.pictures; i++) EXPECT_EQ(PictureList()[size_t(i + 1)], names[size_t(i)]);
            EXPECT_EQ(FramePixel(60, 300), kNavy);
            for (size_t i = 0; i < c.pages.size(); i++) {
                SCOPED_TRACE("page " + std::to_string(i + 1));
                ExpectPage(folder, c.pages[i], names);
                ClickChooserArrow();
            }
        });
    }
}

TEST(FilesChooser, WithoutPicturesOpenOnlyShowsToolPageOne) {
    RunDab({640, 480}, [] {
        TestProgramFolder folder;
        // A folder named like a picture is no picture.
        std::filesystem::create_directory(folder / "FOLDER.BMP");
        ClickOnTheFilesPage(kOpen);
        EXPECT_EQ(PictureChooserShown(), 0);
        EXPECT_EQ(PictureListEnd(), 1);
        EXPECT_TRUE(IsWindowVisible(canvasWindow));
        EXPECT_EQ(CurrentStrip().toolGroup, kFirstBrushGroup);
        EXPECT_EQ(CanvasPixel(300, 200), RGB(255, 255, 255));
    });
}

TEST(FilesChooser, TheFourthCellOfAThreePicturePageDoesNothing) {
    RunDab({800, 600}, [] {
        TestProgramFolder folder({"CAKE.BMP", "HILLS.BMP", "SEA.BMP"});
        ClickOnTheFilesPage(kOpen);
        std::vector<COLORREF> before = FrameArea(50, 72, 700, 500);
        ClickCell(3);
        EXPECT_EQ(PictureChooserShown(), 1);
        EXPECT_FALSE(IsWindowVisible(canvasWindow));
        EXPECT_TRUE(FrameArea(50, 72, 700, 500) == before);
        EXPECT_EQ(folder.Files().size(), 3u);
    });
}

// cbhouse.bmp is listed upper-cased and opens as a colouring picture with the fill tool; an ordinary
// picture after it is stretched in colour over the canvas and leaves colouring mode on.
TEST(FilesChooser, ColouringPictureThenAnOrdinaryOne) {
    struct Case {
        Screen screen;
        bool unscaled;
    };
    for (const Case& c : {Case{{640, 480}, true}, Case{{1024, 768}, false}}) {
        SCOPED_TRACE(c.screen.width);
        RunDab(c.screen, [&c] {
            TestProgramFolder folder;
            folder.Add("CBHOUSE.BMP", "cbhouse.bmp");
            folder.Add("HILLS.BMP", "house.bmp");
            ClickOnTheFilesPage(kOpen);
            EXPECT_EQ(PictureList()[1], "CBHOUSE.BMP");
            EXPECT_EQ(PictureList()[2], "HOUSE.BMP");
            ClickCell(0);
            EXPECT_EQ(PictureChooserShown(), 0);
            EXPECT_TRUE(IsWindowVisible(canvasWindow));
            EXPECT_EQ(CurrentBrush().colouringMode, 1);
            EXPECT_EQ(CurrentStrip().toolGroup, kFirstBrushGroup);
            EXPECT_EQ(CurrentStrip().selectedOption, 2);
            EXPECT_EQ(CurrentToolState(), kFillState) << "the fill";
            if (c.unscaled) {
                std::vector<COLORREF> picture = DrawnPicture(folder / "cbhouse.bmp", 590, 408, BLACKONWHITE, 590, 408);
                EXPECT_TRUE(CanvasClient() == TopLeft(picture, 590, 588, 406));
            } else {
                EXPECT_TRUE(CanvasClient() == OpenedPicture(folder / "cbhouse.bmp", BLACKONWHITE));
            }
            // The snapshot holds it: undo brings it back.
            EXPECT_EQ(GetPixel(pictureDC, 100, 100), CanvasPixel(100, 100));

            ClickOnTheFilesPage(kOpen);
            ClickCell(1);
            EXPECT_EQ(CurrentBrush().colouringMode, 1);
            EXPECT_TRUE(CanvasClient() == OpenedPicture(folder / "house.bmp", COLORONCOLOR));
        });
    }
}

TEST(FilesChooser, DeleteModeDeletesTheChosenFileAndKeepsTheCanvas) {
    RunDab({800, 600}, [] {
        TestProgramFolder folder({"CAKE.BMP", "HILLS.BMP", "SEA.BMP"});
        PaintCanvas(Checks);
        CanvasImage painted = ReadCanvas();
        ClickOnTheFilesPage(kDelete);
        ASSERT_EQ(PictureChooserShown(), 1);
        EXPECT_EQ(DeletingPictures(), 1);
        ClickCell(1);
        EXPECT_EQ(folder.Files(), (std::vector<std::string>{"CAKE.BMP", "SEA.BMP"}));
        EXPECT_EQ(DeletingPictures(), 0);
        EXPECT_EQ(PictureChooserShown(), 0);
        EXPECT_EQ(CurrentStrip().toolGroup, kFirstBrushGroup);
        EXPECT_EQ(CurrentBrush().colouringMode, 0);
        EXPECT_TRUE(ReadCanvas() == painted);
    });
}

// A file named like a picture that is none: its cell stays empty, the pages go on, and opening it leaves
// the canvas as it was.
TEST(FilesChooser, ABrokenPictureChangesNothing) {
    RunDab({800, 600}, [] {
        TestProgramFolder folder({"CAKE.BMP", "SEA.BMP"});
        std::ofstream(folder / "BROKEN.BMP") << "BM not a picture";
        PaintCanvas(Checks);
        CanvasImage painted = ReadCanvas();
        ClickOnTheFilesPage(kOpen);
        // Listed first, before CAKE.BMP and SEA.BMP.
        EXPECT_FALSE(CellShowsPreview(0));
        EXPECT_TRUE(CellShowsPreview(1));
        EXPECT_TRUE(CellShowsPreview(2));
        ClickCell(0);
        EXPECT_EQ(PictureChooserShown(), 0);
        EXPECT_TRUE(ReadCanvas() == painted);
        EXPECT_EQ(CurrentStrip().toolGroup, kFirstBrushGroup);
    });
}

// Open, leave the chooser by a click on the option strip, then delete: the chooser is in delete mode.
TEST(FilesChooser, OpenLeaveThenDelete) {
    RunDab({800, 600}, [] {
        TestProgramFolder folder({"CAKE.BMP", "HILLS.BMP"});
        ClickOnTheFilesPage(kOpen);
        ClickFrame(400, 30);
        EXPECT_EQ(PictureChooserShown(), 0);
        EXPECT_TRUE(IsWindowVisible(canvasWindow));
        ClickOnTheFilesPage(kDelete);
        ClickCell(0);
        EXPECT_EQ(folder.Files(), std::vector<std::string>{"HILLS.BMP"});
        EXPECT_EQ(CanvasPixel(300, 200), RGB(255, 255, 255));
    });
}

// A picture the child sees in the folder is listed whatever its name's length and however many there are,
// the newest first; the last page stops at the slot behind the last name.
TEST(FilesChooser, LongNamesManyPicturesAndTheNewestFirst) {
    RunDab({800, 600}, [] {
        TestProgramFolder folder;
        const std::string longName = "a_picture_with_a_long_name_made_by_a_grown_up.bmp";
        folder.Add("SEA.BMP", longName);
        ClickOnTheFilesPage(kOpen);
        ASSERT_EQ(PictureListEnd(), 2);
        EXPECT_EQ(PictureList()[1], "A_PICTURE_WITH_A_LONG_NAME_MADE_BY_A_GROWN_UP.BMP");
        EXPECT_TRUE(CellShowsPreview(0));
        ClickCell(0);
        EXPECT_TRUE(CanvasClient() == OpenedPicture(folder / longName, COLORONCOLOR));

        std::filesystem::remove(folder / longName);
        // Links share one time of writing, so the 400 are listed by name; a picture written later comes
        // before all of them.
        for (int i = 0; i < 400; i++) {
            char name[16];
            std::snprintf(name, sizeof name, "P%03d.BMP", i);
            if (i == 0) folder.Add("CAKE.BMP", name);
            else std::filesystem::create_hard_link(folder / "P000.BMP", folder / name);
        }
        folder.Add("SEA.BMP", "ZLATEST.BMP", kNewer);
        ClickOnTheFilesPage(kOpen);
        ASSERT_EQ(PictureListEnd(), 402);
        EXPECT_EQ(PictureList()[1], "ZLATEST.BMP");
        EXPECT_EQ(PictureList()[2], "P000.BMP");
        EXPECT_EQ(PictureList()[401], "P399.BMP");
        for (int page = 1; page < 101; page++) ClickChooserArrow();
        EXPECT_EQ(ChooserFirst(), 401);
        EXPECT_TRUE(CellShowsPreview(0));
        EXPECT_FALSE(CellShowsPreview(1));
        ClickCell(1);
        EXPECT_EQ(PictureChooserShown(), 1) << "slot 402 is past the list";
        ClickCell(0);
        EXPECT_EQ(PictureChooserShown(), 0);
        EXPECT_TRUE(CanvasClient() == OpenedPicture(folder / "P399.BMP", COLORONCOLOR));
    });
}

}  // namespace
