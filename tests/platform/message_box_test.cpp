// Message boxes on the headless screen: the queued answer comes back, the box is drawn over the windows
// while it is open, and what it covered is repainted once it closes; an unanswered box ends the test.
#include <gtest/gtest.h>

#include "heard_messages.h"
#include "platform/testing.h"
#include "platform/user/message_box.h"

namespace {

LRESULT CALLBACK Plain(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

class MessageBoxes : public ::testing::Test {
protected:
    void SetUp() override {
        testing::UseScreen(320, 240);
        static const bool registered = RegisterWindowClass("BlueUnderBox", Plain, CreateSolidBrush(RGB(0, 0, 255)));
        ASSERT_TRUE(registered);
        window = CreateWindowExA(0, "BlueUnderBox", "", WS_POPUP | WS_VISIBLE, 0, 0, 320, 240, nullptr, nullptr,
                                 nullptr, nullptr);
        testing::PumpUntilIdle();
        testing::MessageBoxesShown();
    }
    void TearDown() override {
        DestroyWindow(window);
        testing::PumpUntilIdle();
    }
    int BlueCount() {
        int n = 0;
        for (int y = 0; y < 240; y += 4)
            for (int x = 0; x < 320; x += 4) n += testing::ScreenPixel(x, y) == RGB(0, 0, 255);
        return n;
    }
    HWND window = nullptr;
};

TEST_F(MessageBoxes, TheQueuedAnswerComesBackAndTheWindowsRepaint) {
    int before = BlueCount();
    testing::AnswerMessageBox(IDNO);
    EXPECT_EQ(MessageBoxA(window, "Do you want to save your picture?", "dab", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(testing::MessageBoxesShown(), std::vector<std::string>{"dab: Do you want to save your picture?"});
    // The box covered part of the window, in the middle of the screen.
    EXPECT_LT(BlueCount(), before);
    EXPECT_NE(testing::ScreenPixel(160, 120), RGB(0, 0, 255));
    testing::PumpUntilIdle();
    EXPECT_EQ(BlueCount(), before);
}

TEST_F(MessageBoxes, AnAnsweredOkBoxReturnsOk) {
    testing::AnswerMessageBox(IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "Your picture is saved.", "dab", MB_OK | MB_ICONINFORMATION | MB_SYSTEMMODAL), IDOK);
}

TEST_F(MessageBoxes, ABoxWithNoAnswerEndsTheTestSayingWhatItAsked) {
    EXPECT_DEATH(MessageBoxA(nullptr, "Delete this picture?", "dab", MB_YESNO), "Delete this picture");
}

TEST_F(MessageBoxes, WithoutATestToAnswerItTheKeysAnswerTheBox) {
    // As a person would: the box reads the keyboard until a key answers it.
    user::BoxAnswerer tests = user::SetBoxAnswerer(nullptr);
    testing::Type("xy");
    EXPECT_EQ(MessageBoxA(window, "Save?", "dab", MB_YESNO), IDYES);
    testing::Type("n");
    EXPECT_EQ(MessageBoxA(window, "Save?", "dab", MB_YESNO), IDNO);
    testing::Key(VK_ESCAPE);
    EXPECT_EQ(MessageBoxA(window, "Save?", "dab", MB_YESNO), IDNO);
    testing::Key(VK_RETURN);
    EXPECT_EQ(MessageBoxA(window, "Save?", "dab", MB_YESNO), IDYES);
    testing::Key(VK_RETURN);
    EXPECT_EQ(MessageBoxA(window, "Saved.", "dab", MB_OK), IDOK);
    user::SetBoxAnswerer(tests);
    // The window under the boxes went on painting, and shows again once they are gone.
    testing::PumpUntilIdle();
    EXPECT_EQ(testing::ScreenPixel(160, 120), RGB(0, 0, 255));
}

}  // namespace
