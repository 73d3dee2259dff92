// The window system's rules as the program meets them: creation sends WM_CREATE at once, paints come only
// when nothing else waits, BeginPaint erases with the class brush, capture routes the mouse outside the
// window, DCs clip to the client area (empty while hidden), closing goes through WM_CLOSE to WM_DESTROY.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "heard_messages.h"
#include "platform/testing.h"
#include "platform/user/window.h"
#include "surfaces.h"

namespace {

LRESULT CALLBACK Recording(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    Log().push_back({w, m, wp, lp});
    return DefWindowProcA(w, m, wp, lp);
}

std::vector<UINT> Messages(HWND w) {
    std::vector<UINT> out;
    for (const Heard& h : Log())
        if (h.window == w && h.message != WM_SETCURSOR && h.message != WM_NCCREATE) out.push_back(h.message);
    return out;
}

class Windows : public ::testing::Test {
protected:
    void SetUp() override {
        testing::UseScreen(200, 150);
        static const bool registered = RegisterWindowClass("Recording", Recording, CreateSolidBrush(kBlue)) &&
                                       RegisterWindowClass("Bare", Recording);
        ASSERT_TRUE(registered);
        HDC screen = GetDC(nullptr);
        PatBlt(screen, 0, 0, 200, 150, WHITENESS);
        ReleaseDC(nullptr, screen);
        Log().clear();
    }
    void TearDown() override {
        for (HWND w : made) DestroyWindow(w);
        testing::PumpUntilIdle();
    }
    HWND Make(const char* cls, DWORD style, int x, int y, int w, int h, HWND parent = nullptr) {
        HWND window = CreateWindowExA(0, cls, "", style, x, y, w, h, parent, nullptr, nullptr, nullptr);
        if (!parent) made.push_back(window);
        return window;
    }
    std::vector<HWND> made;
};

TEST_F(Windows, CreationSendsCreateDuringTheCallAndPaintsLater) {
    HWND w = Make("Recording", WS_POPUP | WS_VISIBLE, 10, 10, 50, 40);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Messages(w), std::vector<UINT>({WM_CREATE, WM_SETFOCUS}));
    // A message posted before the paint is handled first: paints wait for an empty queue.
    PostMessageA(w, WM_USER, 7, 0);
    testing::PumpUntilIdle();
    std::vector<UINT> heard = Messages(w);
    ASSERT_GE(heard.size(), 5u);
    EXPECT_EQ(std::vector<UINT>(heard.begin() + 2, heard.begin() + 5),
              std::vector<UINT>({WM_USER, WM_PAINT, WM_ERASEBKGND}));
    // The class brush filled the client area, and nothing else.
    ExpectPixels(testing::ScreenPixel, {{10, 10, kBlue}, {59, 49, kBlue}, {60, 50, kWhite}});
    // Painted once: no further WM_PAINT without a new invalidation.
    Log().clear();
    testing::PumpUntilIdle();
    EXPECT_TRUE(Messages(w).empty());
}

TEST_F(Windows, ABorderedWindowHasABlackFrameAroundItsClientArea) {
    HWND w = Make("Recording", WS_POPUP | WS_VISIBLE | WS_BORDER, 20, 20, 30, 30);
    testing::PumpUntilIdle();
    ExpectPixels(testing::ScreenPixel, {{20, 20, kBlack}, {49, 35, kBlack}, {21, 21, kBlue}});
    RECT client;
    GetClientRect(w, &client);
    EXPECT_EQ(client.right, 28);
    RECT r{0, 0, 28, 28};
    AdjustWindowRect(&r, WS_BORDER, FALSE);
    EXPECT_EQ(r.right - r.left, 30);
}

TEST_F(Windows, ChildrenLieInTheirParentAndTheParentDrawsOverThem) {
    HWND parent = Make("Bare", WS_POPUP | WS_VISIBLE, 0, 0, 200, 150);
    HWND child = Make("Bare", WS_CHILD | WS_VISIBLE, 50, 40, 20, 10, parent);
    testing::PumpUntilIdle();
    HDC c = GetDC(child);
    // The child's DC starts at its client origin and stops at its edge.
    PatBlt(c, -100, -100, 1000, 1000, BLACKNESS);
    ReleaseDC(child, c);
    ExpectPixels(testing::ScreenPixel, {{50, 40, kBlack}, {69, 49, kBlack}, {70, 40, kWhite}, {49, 40, kWhite}});
    HDC p = GetDC(parent);
    PatBlt(p, 0, 0, 200, 150, WHITENESS);
    ReleaseDC(parent, p);
    EXPECT_EQ(testing::ScreenPixel(55, 45), kWhite);
    // Hidden, the child's DC draws nothing.
    ShowWindow(child, SW_HIDE);
    c = GetDC(child);
    PatBlt(c, 0, 0, 20, 10, BLACKNESS);
    ReleaseDC(child, c);
    EXPECT_EQ(testing::ScreenPixel(55, 45), kWhite);
    EXPECT_FALSE(IsWindowVisible(child));
}

TEST_F(Windows, TheMouseGoesToTheWindowUnderItOrToTheCapture) {
    HWND parent = Make("Recording", WS_POPUP | WS_VISIBLE, 0, 0, 200, 150);
    HWND child = Make("Recording", WS_CHILD | WS_VISIBLE, 50, 40, 60, 50, parent);
    testing::PumpUntilIdle();
    Log().clear();
    testing::Press(60, 45);
    testing::PumpUntilIdle();
    ASSERT_FALSE(Log().empty());
    // The window under the mouse hears WM_SETCURSOR first, then the press in its client coordinates.
    EXPECT_EQ(Log().front().message, UINT(WM_SETCURSOR));
    EXPECT_EQ(Log().front().window, child);
    const Heard& press = Log().back();
    EXPECT_EQ(press.window, child);
    EXPECT_EQ(press.message, UINT(WM_LBUTTONDOWN));
    EXPECT_EQ(GET_X_LPARAM(press.lParam), 10);
    EXPECT_EQ(GET_Y_LPARAM(press.lParam), 5);
    SetCapture(child);
    Log().clear();
    testing::Move(5, 3);
    testing::PumpUntilIdle();
    ASSERT_EQ(Log().size(), 1u);  // no WM_SETCURSOR while captured
    EXPECT_EQ(Log().back().window, child);
    EXPECT_EQ(GET_X_LPARAM(Log().back().lParam), -45);
    EXPECT_EQ(GET_Y_LPARAM(Log().back().lParam), -37);
    ReleaseCapture();
    Log().clear();
    testing::Move(5, 3);
    testing::PumpUntilIdle();
    EXPECT_EQ(Log().back().window, parent);
}

TEST_F(Windows, TypedTextBecomesCharactersThroughTranslateMessage) {
    HWND w = Make("Recording", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50);
    testing::PumpUntilIdle();
    Log().clear();
    testing::Type("aB");
    testing::Key(VK_RETURN);
    testing::PumpUntilIdle();
    std::string typed;
    for (const Heard& h : Log())
        if (h.window == w && h.message == WM_CHAR) typed += char(h.wParam);
    EXPECT_EQ(typed, "aB\r");
}

TEST_F(Windows, ClosingGoesThroughCloseAndDestroysChildrenToo) {
    HWND parent = Make("Recording", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND child = Make("Recording", WS_CHILD | WS_VISIBLE, 10, 10, 20, 20, parent);
    testing::PumpUntilIdle();
    Log().clear();
    testing::RequestClose();
    testing::PumpUntilIdle();
    EXPECT_FALSE(IsWindow(parent));
    EXPECT_FALSE(IsWindow(child));
    std::vector<std::pair<HWND, UINT>> order;
    for (const Heard& h : Log())
        if (h.message == WM_SYSCOMMAND || h.message == WM_CLOSE || h.message == WM_DESTROY)
            order.push_back({h.window, h.message});
    std::vector<std::pair<HWND, UINT>> expected = {
        {parent, WM_SYSCOMMAND}, {parent, WM_CLOSE}, {parent, WM_DESTROY}, {child, WM_DESTROY}};
    EXPECT_EQ(order, expected);
    // Messages posted to a window that is gone are dropped, and posting to it fails.
    EXPECT_FALSE(PostMessageA(parent, WM_USER, 0, 0));
    EXPECT_FALSE(DestroyWindow(parent));
}

TEST_F(Windows, AHiddenWindowInvalidatedOftenPaintsOnceShown) {
    HWND w = Make("Recording", WS_POPUP, 0, 0, 100, 100);
    for (int i = 0; i < 10000; i++) {
        RECT r{i % 90, i % 70, i % 90 + 10, i % 70 + 10};
        InvalidateRect(w, &r, TRUE);
    }
    // The region stays small however often it grows.
    EXPECT_LE(user::FindWindow(w)->update.size(), 16u);
    testing::PumpUntilIdle();
    EXPECT_TRUE(Messages(w).empty() || Messages(w).back() != WM_PAINT);  // hidden: no paint
    Log().clear();
    ShowWindow(w, SW_SHOW);
    testing::PumpUntilIdle();
    std::vector<UINT> heard = Messages(w);
    EXPECT_EQ(std::count(heard.begin(), heard.end(), UINT(WM_PAINT)), 1);
    EXPECT_EQ(testing::ScreenPixel(50, 50), kBlue);
}

TEST_F(Windows, HidingAWindowRepaintsWhatLayBeneath) {
    HWND below = Make("Recording", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    HWND above = Make("Bare", WS_POPUP | WS_VISIBLE, 20, 20, 30, 30);
    testing::PumpUntilIdle();
    HDC dc = GetDC(above);
    PatBlt(dc, 0, 0, 30, 30, BLACKNESS);
    ReleaseDC(above, dc);
    EXPECT_EQ(testing::ScreenPixel(30, 30), kBlack);
    Log().clear();
    ShowWindow(above, SW_HIDE);
    testing::PumpUntilIdle();
    EXPECT_EQ(testing::ScreenPixel(30, 30), kBlue);
    EXPECT_EQ(Messages(below).front(), UINT(WM_PAINT));
}

LRESULT CALLBACK PaintsRedWhereClicked(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_LBUTTONDOWN) {
        HDC dc = GetDC(w);
        RECT spot{GET_X_LPARAM(lp), GET_Y_LPARAM(lp), GET_X_LPARAM(lp) + 5, GET_Y_LPARAM(lp) + 5};
        HBRUSH red = CreateSolidBrush(kRed);
        FillRect(dc, &spot, red);
        DeleteObject(red);
        ReleaseDC(w, dc);
        return 0;
    }
    if (m == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(w, m, wp, lp);
}

LRESULT CALLBACK GoesAwayOnSetCursor(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    Log().push_back({w, m, wp, lp});
    if (m == WM_SETCURSOR) {
        DestroyWindow(w);
        return TRUE;
    }
    return DefWindowProcA(w, m, wp, lp);
}

TEST_F(Windows, AWindowThatGoesAwayWhileChoosingItsCursorHearsNoMore) {
    RegisterWindowClass("GoesAway", GoesAwayOnSetCursor);
    HWND w = Make("GoesAway", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50);
    testing::PumpUntilIdle();
    Log().clear();
    testing::Press(10, 10);
    testing::Move(12, 12);
    testing::PumpUntilIdle();
    EXPECT_FALSE(IsWindow(w));
    for (const Heard& h : Log()) EXPECT_NE(h.message, UINT(WM_LBUTTONDOWN));
}

HWND parentToDestroy = nullptr;

LRESULT CALLBACK DestroysTheParentWhenGoing(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_DESTROY || m == WM_NCDESTROY) DestroyWindow(parentToDestroy);
    return DefWindowProcA(w, m, wp, lp);
}

TEST_F(Windows, AChildThatDestroysItsParentWhileGoingLeavesNothingBehind) {
    RegisterWindowClass("DestroysParent", DestroysTheParentWhenGoing);
    HWND grandparent = Make("Bare", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100);
    parentToDestroy = Make("Bare", WS_CHILD | WS_VISIBLE, 10, 10, 60, 60, grandparent);
    HWND child = Make("DestroysParent", WS_CHILD | WS_VISIBLE, 5, 5, 20, 20, parentToDestroy);
    HWND grandchild = Make("DestroysParent", WS_CHILD | WS_VISIBLE, 2, 2, 5, 5, child);
    EXPECT_TRUE(DestroyWindow(child));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_FALSE(IsWindow(grandchild));
    EXPECT_FALSE(IsWindow(parentToDestroy));
    EXPECT_TRUE(IsWindow(grandparent));
    testing::PumpUntilIdle();
}

TEST(Programs, AProgramOnItsOwnThreadAnswersInputAndEndsOnClose) {
    testing::UseScreen(120, 90);
    testing::StartProgram([] {
        RegisterWindowClass("PaintsRed", PaintsRedWhereClicked, HBRUSH(GetStockObject(WHITE_BRUSH)));
        HWND w = CreateWindowExA(0, "PaintsRed", "", WS_POPUP, 0, 0, 120, 90, nullptr, nullptr, nullptr, nullptr);
        ShowWindow(w, SW_SHOWNORMAL);
        return RunMessageLoop();
    });
    testing::WaitUntilIdle();
    EXPECT_EQ(testing::ScreenPixel(40, 30), kWhite);
    testing::Press(40, 30);
    testing::WaitUntilIdle();
    ExpectPixels(testing::ScreenPixel, {{42, 32, kRed}, {46, 30, kWhite}});
    testing::RequestClose();
    EXPECT_EQ(testing::WaitForExit(), 0);
}

TEST(Messages, QuitComesAfterWhatWasPostedBeforeIt) {
    PostMessageA(nullptr, WM_USER + 1, 0, 0);
    PostQuitMessage(3);
    MSG m;
    ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
    EXPECT_EQ(m.message, UINT(WM_USER + 1));
    EXPECT_FALSE(GetMessageA(&m, nullptr, 0, 0));
    EXPECT_EQ(m.message, UINT(WM_QUIT));
    EXPECT_EQ(m.wParam, 3u);
}

}  // namespace
