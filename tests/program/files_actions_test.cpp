// The files page's sound switch and its empty buttons.
#include <gtest/gtest.h>

#include "base/sound.h"
#include "base/tool_groups.h"
#include "canvas/tools.h"
#include "files/picture_chooser.h"
#include "files_helpers.h"
#include "options/option_strip.h"
#include "options/pages.h"

using namespace dab_test;

namespace {

// The sound button's icon as the strip shows it.
std::vector<COLORREF> SoundIcon() { return FrameArea(200, 2, 32, 32); }

// Sound off while the music plays stops it at once and silences the effects; sound on again brings the
// effects back but not the music.
TEST(FilesActions, SoundOffAndOnAgain) {
    RunDab({800, 600}, [] {
        ASSERT_NE(testing::MusicPlaying(), "");
        ShowFiles();
        std::vector<COLORREF> onIcon = SoundIcon();
        testing::ClearMediaRecords();
        ClickFilesButton(kSound);
        EXPECT_EQ(SoundIsOn(), 0);
        EXPECT_EQ(TunePlaying(), 0);
        EXPECT_EQ(testing::MciCommandsSent(), std::vector<std::string>{"close midi"});
        EXPECT_EQ(testing::MusicPlaying(), "");
        std::vector<COLORREF> offIcon = SoundIcon();
        EXPECT_NE(offIcon, onIcon);
        EXPECT_EQ(CurrentStrip().toolGroup, kFilesGroup);

        // A colour click would play sound 31.
        ClickFrame(10, 40);
        EXPECT_TRUE(testing::SoundsPlayed().empty());

        ClickFilesButton(kSound);
        EXPECT_EQ(SoundIsOn(), 1);
        EXPECT_EQ(SoundIcon(), onIcon);
        ClickFrame(10, 40);
        EXPECT_EQ(SoundFiles(), std::vector<std::string>{"a41.mub"});
        EXPECT_EQ(testing::MciCommandsSent(), std::vector<std::string>{"close midi"}) << "the music stays off";
        EXPECT_EQ(testing::MusicPlaying(), "");
        EXPECT_EQ(TunePlaying(), 0);

        // Off again with no music: nothing is sent.
        testing::ClearMediaRecords();
        ClickFilesButton(kSound);
        EXPECT_EQ(SoundIsOn(), 0);
        EXPECT_TRUE(testing::MciCommandsSent().empty());
    });
}

TEST(FilesActions, TheEmptyButtonRedrawsThePageAndChangesNothingElse) {
    RunDab({800, 600}, [] {
        TestProgramFolder folder({"CAKE.BMP"});
        PaintCanvas(PaletteChecks);
        CanvasImage canvas = ReadCanvas();
        ShowFiles();
        std::vector<COLORREF> strip = FrameArea(50, 0, 470, 72);
        // Something drawn over the strip shows that the page is drawn again.
        HDC frame = GetDC(frameWindow);
        PatBlt(frame, 60, 10, 30, 20, WHITENESS);
        ReleaseDC(frameWindow, frame);
        testing::ClearMediaRecords();
        for (int n = 6; n <= 12; n++) {
            ChooseOptionButton(n);
            EXPECT_EQ(CurrentStrip().toolGroup, kFilesGroup);
            EXPECT_EQ(CurrentToolState(), kNoToolState);
            EXPECT_EQ(SoundIsOn(), 1);
            EXPECT_EQ(PictureChooserShown(), 0);
        }
        EXPECT_TRUE(FrameArea(50, 0, 470, 72) == strip);
        EXPECT_TRUE(ReadCanvas() == canvas);
        EXPECT_TRUE(testing::MciCommandsSent().empty());
        EXPECT_TRUE(testing::MessageBoxesShown().empty());
        EXPECT_EQ(folder.Files(), std::vector<std::string>{"CAKE.BMP"});
    });
}

}  // namespace
