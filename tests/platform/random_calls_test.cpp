// Many random calls in a fixed order: window trees made, shown, hidden and destroyed, some from inside
// their own procedures, with input and message boxes among them; and drawing and text with random
// arguments. Nothing may crash, and the window tree must stay whole. Built with the sanitizers, these
// runs also show any memory fault on the way.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "heard_messages.h"
#include "platform/testing.h"
#include "platform/user/window.h"

namespace {

std::mt19937 rng(20261207);
std::vector<HWND> windows;

LRESULT CALLBACK Unruly(HWND w, UINT m, WPARAM a, LPARAM b) {
    switch (rng() % 40) {
        case 0:
            if (!windows.empty()) DestroyWindow(windows[rng() % windows.size()]);
            break;
        case 1: SetCapture(w); break;
        case 2: ReleaseCapture(); break;
        case 3: InvalidateRect(w, nullptr, TRUE); break;
        case 4: PostMessageA(w, WM_USER, 0, 0); break;
        case 5:
            if (m == WM_LBUTTONDOWN) {
                testing::AnswerMessageBox(IDYES);
                MessageBoxA(w, "Sure?", "dab", MB_YESNO);
            }
            break;
        default: break;
    }
    return DefWindowProcA(w, m, a, b);
}

// Every window is in its parent's list of children, and every child names its parent.
void ExpectWholeTree() {
    int windowsSeen = 0;
    user::ForEachWindow([&](user::Window* w) {
        windowsSeen++;
        for (user::Window* c : w->children) EXPECT_EQ(c->parent, w);
        EXPECT_EQ(user::FindWindow(w->handle), w);
    });
    for (HWND h : windows) EXPECT_TRUE(IsWindow(h));
    EXPECT_GE(windowsSeen, int(windows.size()));
}

TEST(RandomCalls, WindowTreesSurviveProceduresThatDestroyWhatTheyLike) {
    testing::UseScreen(160, 120);
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    ASSERT_TRUE(RegisterWindowClass("Unruly", Unruly, CreateSolidBrush(RGB(9, 9, 9)), arrow));
    for (int step = 0; step < 6000; step++) {
        auto x = [] { return int(rng() % 200) - 20; };
        switch (rng() % 11) {
            case 0:
            case 1: {
                HWND parent = windows.empty() || rng() % 2 ? nullptr : windows[rng() % windows.size()];
                DWORD style = (parent ? WS_CHILD : WS_POPUP) | (rng() % 2 ? WS_VISIBLE : 0) | (rng() % 2 ? WS_BORDER : 0);
                HWND w = CreateWindowExA(0, "Unruly", "", style, x(), x(), int(rng() % 100), int(rng() % 100), parent,
                                         nullptr, nullptr, nullptr);
                if (w) windows.push_back(w);
                break;
            }
            case 2:
                if (!windows.empty()) ShowWindow(windows[rng() % windows.size()], rng() % 2 ? SW_HIDE : SW_SHOW);
                break;
            case 3: testing::Press(x(), x()); break;
            case 4: testing::Release(x(), x()); break;
            case 5: testing::Move(x(), x()); break;
            case 6: testing::Type("ab\r"); break;
            case 7: testing::Expose(); break;
            case 8:
                if (!windows.empty()) SetFocus(windows[rng() % windows.size()]);
                break;
            case 9:
                if (rng() % 50 == 0) testing::RequestClose();
                break;
            default: testing::PumpUntilIdle(); break;
        }
        std::vector<HWND> alive;
        for (HWND w : windows)
            if (IsWindow(w)) alive.push_back(w);
        windows.swap(alive);
    }
    testing::PumpUntilIdle();
    ExpectWholeTree();
    testing::MessageBoxesShown();
}

TEST(RandomCalls, DrawingAndTextTakeAnyArguments) {
    testing::UseScreen(200, 150);
    HDC dc = GetDC(nullptr);
    auto coord = [] {
        switch (rng() % 4) {
            case 0: return int(rng() % 400) - 100;
            case 1: return int(rng());
            case 2: return -int(rng() % 100000);
            default: return int(rng() % 200);
        }
    };
    const char* pieces[] = {"a", " ", "hello", "\r\n", "\n", "\r", "&", "supercalifragilistic", "\t", "x y z", ""};
    for (int step = 0; step < 3000; step++) {
        HPEN pen = CreatePen(int(rng() % 7), int(rng() % 4 == 0 ? rng() % 200 : rng() % 4), rng());
        HBRUSH brush = rng() % 2 ? CreateSolidBrush(rng()) : CreateHatchBrush(int(rng() % 8), rng());
        SelectObject(dc, pen);
        SelectObject(dc, brush);
        SetROP2(dc, int(rng() % 18));
        SetBkMode(dc, int(rng() % 3));
        switch (rng() % 7) {
            case 0: MoveToEx(dc, coord(), coord(), nullptr); LineTo(dc, coord(), coord()); break;
            case 1: Rectangle(dc, coord(), coord(), coord(), coord()); break;
            case 2: Ellipse(dc, int(rng() % 300) - 50, int(rng() % 300) - 50, int(rng() % 300) - 50, int(rng() % 300) - 50); break;
            case 3: {
                POINT p[6];
                int n = 1 + int(rng() % 6);
                for (int i = 0; i < n; i++) p[i] = {coord(), coord()};
                Polygon(dc, p, n);
                break;
            }
            case 4: ExtFloodFill(dc, int(rng() % 220) - 10, int(rng() % 170) - 10, rng(), rng() % 2); break;
            case 5:
                StretchBlt(dc, coord(), coord(), int(rng() % 400) - 200, int(rng() % 400) - 200, dc, coord(), coord(),
                           int(rng() % 400) - 200, int(rng() % 400) - 200, rng() << 16);
                break;
            default: {
                std::string text;
                for (int k = int(rng() % 8); k > 0; k--) text += pieces[rng() % 11];
                HFONT font = CreateFontA(int(rng() % 80) - 40, int(rng() % 20), 0, 0, int(rng() % 1000), rng() % 2,
                                         rng() % 2, rng() % 2, 0, 0, 0, 0, BYTE(rng()), rng() % 2 ? "Times New Roman" : "NoSuchFace");
                HGDIOBJ old = SelectObject(dc, font);
                RECT r{coord() % 300, coord() % 300, coord() % 300, coord() % 300};
                DrawTextA(dc, text.c_str(), rng() % 3 ? -1 : int(text.size()), &r, UINT(rng() & 0x3FFF));
                TextOutA(dc, coord(), coord(), text.c_str(), int(text.size()));
                SelectObject(dc, old);
                DeleteObject(font);
            }
        }
        SelectObject(dc, GetStockObject(BLACK_PEN));
        SelectObject(dc, GetStockObject(WHITE_BRUSH));
        // Deselected, what was made goes at once (a hatch style out of range makes no brush).
        EXPECT_TRUE(DeleteObject(pen));
        if (brush) {
            EXPECT_TRUE(DeleteObject(brush));
        }
    }
    // The screen is still there to be read, and the DC still draws.
    EXPECT_TRUE(PatBlt(dc, 0, 0, 1, 1, WHITENESS));
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));
    ReleaseDC(nullptr, dc);
}

}  // namespace
