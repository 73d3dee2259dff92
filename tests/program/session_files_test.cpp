// Whole sessions with pictures: a child paints, saves, paints on, opens the saved picture again, colours
// in a colouring picture and deletes it. Each step's screen is saved as a PNG in sessions/ of the
// build's test folder, for a person to look at.
#include <gtest/gtest.h>

#include "canvas/brush_choice.h"
#include "canvas/tools.h"
#include "files_helpers.h"
#include "tools_helpers.h"

using namespace dab_test;

namespace {

void SaveSession(const std::string& name) {
    // Beside the test program: the program has made its own folder current.
    std::filesystem::path folder = ProgramFolder() / "sessions";
    std::filesystem::create_directories(folder);
    EXPECT_TRUE(testing::SaveScreenPng((folder / (name + ".png")).string()));
}

int SlotOf(const std::string& name) {
    for (int i = 1; i < PictureListEnd(); i++)
        if (name == PictureList()[i]) return i;
    return 0;
}

long CountColour(const std::vector<COLORREF>& pixels, COLORREF colour) {
    return std::count(pixels.begin(), pixels.end(), colour);
}

TEST(SessionFiles, SaveOpenAgainColourInAndDelete) {
    RunDab({640, 480}, [] {
        TestProgramFolder folder({"CBHOUSE.BMP"});

        // A picture in three colours with the pencil of brush page 1.
        ClickFrame(10, 40);
        Stroke({{40, 40}, {200, 60}, {300, 200}, {120, 300}});
        ClickFrame(10, 6);
        Stroke({{400, 50}, {500, 300}, {250, 350}});
        ClickFrame(35, 58);
        Stroke({{60, 200}, {560, 220}});
        std::vector<COLORREF> painted = CanvasClient();

        SaveFromTheFilesPage();
        EXPECT_EQ(testing::MessageBoxesShown(), std::vector<std::string>{"Information: PICTURE SAVED!"});
        std::vector<std::string> files = folder.Files();
        files.erase(std::find(files.begin(), files.end(), "CBHOUSE.BMP"));
        ASSERT_EQ(SavedPictureNames(files).size(), 1u);
        const std::string name = files[0];
        DecodedPicture decoded = DecodeWithPil(folder / name);
        ASSERT_EQ(decoded.error, "");
        EXPECT_EQ(decoded.width, 590);
        EXPECT_EQ(decoded.height, 408);
        EXPECT_TRUE(TopLeft(decoded.pixels, 590, 588, 406) == painted) << "the file holds the canvas";
        EXPECT_TRUE(CanvasClient() == painted);

        // More painting, then the saved picture again, over the whole canvas.
        Stroke({{10, 390}, {580, 10}});
        ClickOnTheFilesPage(kOpen);
        ASSERT_EQ(PictureListEnd(), 3);
        int slot = SlotOf(name);
        ASSERT_GT(slot, 0);
        SaveSession("files-chooser");
        ClickCell(slot - 1);
        int mode = IsColouringPictureName(name.c_str()) ? BLACKONWHITE : COLORONCOLOR;
        EXPECT_TRUE(CanvasClient() == OpenedPicture(folder / name, mode));
        SaveSession("files-saved-picture-opened");

        // The colouring picture, filled in area by area; its outlines stay.
        ClickOnTheFilesPage(kOpen);
        ClickCell(SlotOf("CBHOUSE.BMP") - 1);
        ASSERT_EQ(CurrentBrush().colouringMode, 1);
        ASSERT_EQ(CurrentToolState(), kFillState);
        std::vector<COLORREF> outline = CanvasClient();
        struct Area {
            POINT at;
            POINT family;
        };
        const Area areas[] = {{{505, 65}, {10, 19}}, {{200, 300}, {35, 45}}, {{485, 195}, {10, 71}}, {{270, 310}, {35, 6}}};
        for (const Area& area : areas) {
            ClickFrame(area.family.x, area.family.y);
            Click(area.at);
            EXPECT_NE(CanvasPixel(area.at.x, area.at.y), RGB(255, 255, 255));
        }
        std::vector<COLORREF> coloured = CanvasClient();
        EXPECT_EQ(CountColour(coloured, RGB(0, 0, 0)), CountColour(outline, RGB(0, 0, 0)));
        EXPECT_LT(CountColour(coloured, RGB(255, 255, 255)), CountColour(outline, RGB(255, 255, 255)) - 20000);
        SaveSession("files-coloured-in");

        // The colouring picture deleted: the coloured canvas stays, and only the saved picture is left.
        ClickOnTheFilesPage(kDelete);
        ClickCell(SlotOf("CBHOUSE.BMP") - 1);
        EXPECT_EQ(folder.Files(), std::vector<std::string>{name});
        EXPECT_TRUE(CanvasClient() == coloured);
        ClickOnTheFilesPage(kOpen);
        EXPECT_EQ(PictureListEnd(), 2);
        EXPECT_TRUE(CellShowsPreview(0));
        EXPECT_FALSE(CellShowsPreview(1));
        SaveSession("files-after-delete");
    });
}

}  // namespace
