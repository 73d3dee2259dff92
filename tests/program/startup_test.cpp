// Start-up: the windows where they belong, the colour table and palette, the order of the first paint's
// work, and the program's folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "base/colours.h"
#include "base/sound.h"
#include "base/state.h"
#include "base/tool_groups.h"
#include "canvas/brush_choice.h"
#include "canvas/canvas.h"
#include "canvas/selection.h"
#include "canvas/text.h"
#include "dab.h"
#include "files/picture_chooser.h"
#include "options/option_strip.h"
#include "options/pages.h"

using dab_test::CanvasToScreenX;
using dab_test::CanvasToScreenY;
using dab_test::RunDab;
using dab_test::Screen;

namespace {

class Screens : public ::testing::TestWithParam<Screen> {};

TEST_P(Screens, FrameAndCanvasTakeTheirPlaces) {
    Screen s = GetParam();
    RunDab(s, [s] {
        EXPECT_EQ(screenWidth, s.width);
        EXPECT_EQ(screenHeight, s.height);
        RECT frame, frameClient, canvas, canvasClient;
        GetWindowRect(frameWindow, &frame);
        GetClientRect(frameWindow, &frameClient);
        GetWindowRect(canvasWindow, &canvas);
        GetClientRect(canvasWindow, &canvasClient);
        // The frame is one pixel larger than the screen, with its border on the screen's edge.
        EXPECT_EQ(Sides(frame), Sides({0, 0, s.width + 1, s.height + 1}));
        EXPECT_EQ(frameClient.right, s.width - 1);
        EXPECT_EQ(frameClient.bottom, s.height - 1);
        // The canvas at (50, 72) of the frame's client, its border included in its size.
        EXPECT_EQ(Sides(canvas), Sides({51, 73, 51 + s.width - 50, 73 + s.height - 72}));
        EXPECT_EQ(canvasClient.right, s.width - 52);
        EXPECT_EQ(canvasClient.bottom, s.height - 74);
        // The picture is as large as the window with its border.
        EXPECT_EQ(canvasWidth, s.width - 50);
        EXPECT_EQ(canvasHeight, s.height - 72);
        BITMAP picture{};
        ASSERT_NE(GetObjectA(pictureBitmap, sizeof picture, &picture), 0);
        EXPECT_EQ(picture.bmWidth, canvasWidth);
        EXPECT_EQ(picture.bmHeight, canvasHeight);

        ExpectPixels(testing::ScreenPixel,
                     {{51, 200, kBlack, "the canvas's border"}, {200, 73, kBlack, "the canvas's border"},
                      {CanvasToScreenX(0), CanvasToScreenY(0), kWhite}, {s.width - 1, s.height - 1, kWhite},
                      {450, 40, RGB(0, 0, 127), "the frame's navy"}, {0, 100, kBlack, "the frame's border"}});
    });
}

INSTANTIATE_TEST_SUITE_P(Sizes, Screens, ::testing::Values(Screen{640, 480}, Screen{800, 600}, Screen{1024, 768}),
                         [](const auto& info) {
                             return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
                         });

TEST(Startup, PaletteHoldsTheColourTable) {
    RunDab({640, 480}, [] {
        PALETTEENTRY entries[kPaletteSize + 1];
        ASSERT_EQ(GetPaletteEntries(appPalette, 0, 0, nullptr), UINT(kPaletteSize));
        ASSERT_EQ(GetPaletteEntries(appPalette, 0, kPaletteSize, entries), UINT(kPaletteSize));
        for (int i = 0; i < kPaletteSize; i++) {
            EXPECT_EQ(RGB(entries[i].peRed, entries[i].peGreen, entries[i].peBlue), paletteColours[i]) << "entry " << i;
            EXPECT_EQ(entries[i].peFlags, 0) << "entry " << i;
        }
        // Spot values of the table: light violet first, the frame's navy, the grey family's near-black,
        // pure black last, and a repeated single colour.
        EXPECT_EQ(paletteColours[0], RGB(0xE5, 0xBA, 0xFF));
        EXPECT_EQ(paletteColours[39] | kPaletteRelative, kFrameBackground);
        EXPECT_EQ(paletteColours[69], RGB(0, 0, 1));
        EXPECT_EQ(paletteColours[180], RGB(0, 0, 0));
        EXPECT_EQ(paletteColours[160], paletteColours[40]);
        EXPECT_EQ(paletteColours[165], paletteColours[166]);
    });
}

TEST(Startup, SharedStateStartsAtItsInitialValues) {
    RunDab({800, 600}, [] {
        EXPECT_STREQ(frameClassName, "dab");
        char title[16] = {};
        GetWindowTextA(frameWindow, title, sizeof title);
        EXPECT_STREQ(title, "dab");
        // The first frame paint replaced the red of frame creation by violet, shade 5 of family 0.
        EXPECT_EQ(CurrentBrush().currentColour, RGB(0xB5, 0x20, 0xFF));
        EXPECT_EQ(CurrentBrush().colourFamily, 0);
        EXPECT_EQ(CurrentBrush().colourShade, 5);
        EXPECT_EQ(CurrentBrush().penWidth, 1);
        EXPECT_EQ(CurrentBrush().fillPattern, 2);
        EXPECT_EQ(CurrentBrush().rainbowMode, 0);
        EXPECT_EQ(CurrentBrush().colouringMode, 0);
        EXPECT_EQ(CurrentSelectionMode(), 0);
        EXPECT_EQ(TextPlacePending(), 0);
        EXPECT_EQ(TextEntryActive(), 0);
        EXPECT_EQ(PictureChooserShown(), 0);
        EXPECT_EQ(SoundIsOn(), 1);
        EXPECT_EQ(TunePlaying(), 1);
        EXPECT_EQ(!CanvasFirstPaintDone(), 0);
        // Each canvas paint shows the first brush page.
        EXPECT_EQ(CurrentStrip().toolGroup, kFirstBrushGroup);
        EXPECT_EQ(CurrentStrip().selectedOption, 1);
    });
}

TEST(Startup, StartUpSoundEndsBeforeTheMusicStarts) {
    RunDab({640, 480}, [] {
        std::vector<testing::SoundRecord> sounds = testing::SoundsPlayed();
        ASSERT_EQ(sounds.size(), 1u);
        EXPECT_EQ(sounds[0].file, "a10.mub");
        EXPECT_FALSE(sounds[0].async) << "the start-up sound is played to its end";
        EXPECT_TRUE(sounds[0].played) << "a10.mub is found in the program's folder";
        EXPECT_EQ(sounds[0].commandsBefore, 0u) << "no music before the start-up sound has ended";
        EXPECT_EQ(testing::MciCommandsSent(),
                  (std::vector<std::string>{"Open dab1.mid alias midi", "Play midi from 0 NOTIFY"}));
    });
}

TEST(Startup, CanvasAndSnapshotStartWhite) {
    RunDab({640, 480}, [] {
        for (POINT p : {POINT{0, 0}, POINT{300, 200}, POINT{587, 405}}) {
            EXPECT_EQ(testing::ScreenPixel(CanvasToScreenX(p.x), CanvasToScreenY(p.y)), RGB(255, 255, 255));
            EXPECT_EQ(GetPixel(pictureDC, p.x, p.y), RGB(255, 255, 255));
        }
        // The picture's last two columns and rows lie under the border, never seen, and white too.
        EXPECT_EQ(GetPixel(pictureDC, canvasWidth - 1, canvasHeight - 1), RGB(255, 255, 255));
    });
}

TEST(Startup, ProgramFolderBecomesCurrentAtTheFirstPaint) {
    std::filesystem::path elsewhere = std::filesystem::temp_directory_path() / ("dab-start-" + std::to_string(getpid()));
    std::filesystem::create_directories(elsewhere);
    std::filesystem::path start = std::filesystem::current_path();
    std::filesystem::current_path(elsewhere);
    RunDab({640, 480}, [] {
        EXPECT_EQ(programDirectory, dab_test::ExecutableFolder());
        char current[4096];
        GetCurrentDirectoryA(sizeof current, current);
        EXPECT_EQ(std::string(current), dab_test::ExecutableFolder());
    });
    std::filesystem::current_path(start);
    std::filesystem::remove_all(elsewhere);
}

// The folder is found however long its path: this test program, copied into a deep folder, still
// finds its folder and makes it current.
TEST(Startup, ProgramFolderOfAnyLength) {
    std::filesystem::path deep = std::filesystem::temp_directory_path() / ("dab-deep-" + std::to_string(getpid()));
    for (int i = 0; i < 6; i++) deep /= std::string(60, char('a' + i));
    std::filesystem::create_directories(deep);
    ASSERT_GT(deep.string().size(), 300u);
    std::filesystem::path copy = deep / "program_tests";
    std::filesystem::copy_file("/proc/self/exe", copy);
    std::string command = "'" + copy.string() + "' --gtest_filter=Startup.ProgramFolderBecomesCurrentAtTheFirstPaint >/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << "the copy in " << deep << " did not find its folder";
    std::filesystem::remove_all(std::filesystem::temp_directory_path() / ("dab-deep-" + std::to_string(getpid())));
}

}  // namespace
