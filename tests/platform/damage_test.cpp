// What each drawing call marks drawn on the screen: the rectangle it touched, clipped to the DC's clip;
// drawing on memory DCs marks nothing, so the display uploads only what changed.
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "platform/gdi/damage.h"
#include "platform/gdi/dc.h"
#include "platform/win32.h"
#include "surfaces.h"

namespace {

struct Case {
    const char* name;
    std::function<void(HDC dc, HDC source)> draw;
    gdi::Box marked;  // on a DC whose logical (0, 0) is screen (10, 20), clipped to (10, 20)-(110, 100)
};

// The screen's damage marked since the last take, which must be the box expected.
void ExpectMarked(const gdi::Box& expected) {
    gdi::Box m = gdi::TakeScreenDamage(), e = expected;
    bool same = m.left == e.left && m.top == e.top && m.right == e.right && m.bottom == e.bottom;
    EXPECT_TRUE(same || (m.empty() && e.empty())) << m.left << "," << m.top << " - " << m.right << "," << m.bottom;
}

TEST(ScreenDamage, EachDrawingCallMarksWhatItTouchedClippedAndMemoryDcsMarkNothing) {
    gdi::ResizeScreen(200, 150);
    MemoryDc source(20, 10);
    const unsigned char dibPixels[4 * 4 * 4] = {};
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), 4, 4, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};

    const Case cases[] = {
        {"SetPixel", [](HDC dc, HDC) { SetPixel(dc, 5, 5, RGB(1, 2, 3)); }, {15, 25, 16, 26}},
        {"SetPixel outside the clip", [](HDC dc, HDC) { SetPixel(dc, 150, 5, 0); }, {}},
        {"LineTo",
         [](HDC dc, HDC) {
             MoveToEx(dc, 0, 0, nullptr);
             LineTo(dc, 30, 0);
         },
         {10, 20, 40, 21}},
        {"a slanted LineTo",
         [](HDC dc, HDC) {
             MoveToEx(dc, 4, 4, nullptr);
             LineTo(dc, 14, 9);
         },
         {14, 24, 24, 29}},
        {"Rectangle", [](HDC dc, HDC) { Rectangle(dc, 2, 3, 12, 8); }, {12, 23, 22, 28}},
        {"Ellipse", [](HDC dc, HDC) { Ellipse(dc, 20, 10, 40, 30); }, {30, 30, 50, 50}},
        {"Rectangle across the clip's corner", [](HDC dc, HDC) { Rectangle(dc, 90, 70, 130, 110); }, {100, 90, 110, 100}},
        {"FillRect larger than the clip",
         [](HDC dc, HDC) {
             RECT r{-50, -50, 500, 500};
             FillRect(dc, &r, HBRUSH(GetStockObject(BLACK_BRUSH)));
         },
         {10, 20, 110, 100}},
        {"PatBlt outside the clip", [](HDC dc, HDC) { PatBlt(dc, 150, 0, 10, 10, BLACKNESS); }, {}},
        {"BitBlt", [](HDC dc, HDC src) { BitBlt(dc, 50, 60, 20, 10, src, 0, 0, SRCCOPY); }, {60, 80, 80, 90}},
        {"StretchBlt mirrored",
         [](HDC dc, HDC src) { StretchBlt(dc, 40, 30, -40, 20, src, 0, 0, 20, 10, SRCCOPY); },
         {11, 50, 51, 70}},
        {"BitBlt from far outside 32 bits' middle",
         [](HDC dc, HDC src) { BitBlt(dc, -2000000000, 5, 2100000000, 4, src, 0, 0, SRCINVERT); },
         {10, 25, 110, 29}},
        {"StretchDIBits",
         [&](HDC dc, HDC) { StretchDIBits(dc, 1, 1, 8, 8, 0, 0, 4, 4, dibPixels, &info, DIB_RGB_COLORS, SRCCOPY); },
         {11, 21, 19, 29}},
        {"FloodFill of the whole client",
         [](HDC dc, HDC) {
             PatBlt(dc, 0, 0, 100, 80, WHITENESS);
             gdi::TakeScreenDamage();
             HGDIOBJ old = SelectObject(dc, GetStockObject(BLACK_BRUSH));
             ExtFloodFill(dc, 3, 3, RGB(255, 255, 255), FLOODFILLSURFACE);
             SelectObject(dc, old);
         },
         {10, 20, 110, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HDC screen = gdi::CreateScreenDc({10, 20}, {gdi::Box{10, 20, 110, 100}});
        gdi::TakeScreenDamage();
        c.draw(screen, source.dc);
        ExpectMarked(c.marked);
        DeleteDC(screen);

        // The same drawing on a memory DC changes nothing on the screen.
        MemoryDc memory(200, 150);
        c.draw(memory.dc, source.dc);
        EXPECT_TRUE(gdi::TakeScreenDamage().empty());
    }
}

TEST(ScreenDamage, TextMarksItsInkInsideTheClipAndMarksAddUpToTheirUnion) {
    gdi::ResizeScreen(200, 150);
    HDC screen = gdi::CreateScreenDc({10, 20}, {gdi::Box{10, 20, 110, 100}});
    gdi::TakeScreenDamage();
    TextOutA(screen, 4, 4, "Ab", 2);
    gdi::Box text = gdi::TakeScreenDamage();
    EXPECT_FALSE(text.empty());
    ExpectInside({text.left, text.top, text.right, text.bottom}, {14, 24, 59, 100});

    SetPixel(screen, 0, 0, 0);
    SetPixel(screen, 50, 40, 0);
    ExpectMarked({10, 20, 61, 61});
    EXPECT_TRUE(gdi::TakeScreenDamage().empty()) << "a take empties what was marked";
    DeleteDC(screen);

    // A new screen size is all new pixels.
    gdi::ResizeScreen(64, 48);
    ExpectMarked({0, 0, 64, 48});
}

// What the hook heard: calls and pixels, each time it was told.
using Heard = std::vector<std::pair<int64_t, int64_t>>;
Heard heard;

// What the window system's pacer hears of each drawing: each call that marks more than a pixel at once,
// with its pixels; single pixels set or read (a read marks none) a few calls at a time, all told before
// the thread waits; the calls inside a OneScreenCall as one.
TEST(ScreenDamage, ThePacerHearsOfEveryCallOnTheScreenWithItsPixels) {
    gdi::ResizeScreen(200, 150);
    MemoryDc drawn(20, 20);
    HDC memory = drawn.dc;
    struct HeardCase {
        const char* name;
        std::function<void(HDC screen)> draw;
        Heard heard;
        gdi::Box marked;
    };
    const HeardCase cases[] = {
        {"SetPixel", [](HDC dc) { SetPixel(dc, 5, 5, 0); }, {{1, 1}}, {15, 25, 16, 26}},
        {"SetPixel inside what is marked already, then outside",
         [](HDC dc) {
             Rectangle(dc, 0, 0, 10, 10);
             SetPixel(dc, 3, 3, 0);
             SetPixel(dc, 30, 3, 0);
         },
         {{1, 100}, {2, 2}}, {10, 20, 41, 30}},
        {"forty pixels set and read, told sixteen calls at a time",
         [](HDC dc) {
             for (int i = 0; i < 20; i++) SetPixel(dc, i, 0, GetPixel(dc, i, 1));
         },
         {{16, 8}, {16, 8}, {8, 4}}, {10, 20, 30, 21}},
        {"SetPixel outside the clip", [](HDC dc) { SetPixel(dc, 150, 5, 0); }, {}, {}},
        {"GetPixel", [](HDC dc) { GetPixel(dc, 5, 5); }, {{1, 0}}, {}},
        {"GetPixel outside the clip", [](HDC dc) { GetPixel(dc, 150, 5); }, {}, {}},
        {"GetPixel and SetPixel on a memory DC", [&](HDC) { SetPixel(memory, 1, 1, GetPixel(memory, 2, 2)); }, {}, {}},
        {"PatBlt", [](HDC dc) { PatBlt(dc, 0, 0, 20, 10, BLACKNESS); }, {{1, 200}}, {10, 20, 30, 30}},
        {"calls inside one call, nested",
         [](HDC dc) {
             gdi::OneScreenCall outer;
             SetPixel(dc, 1, 1, 0);
             {
                 gdi::OneScreenCall inner;
                 GetPixel(dc, 2, 2);
                 SetPixel(dc, 4, 1, 0);
             }
             PatBlt(dc, 0, 5, 10, 2, WHITENESS);
         },
         {{1, 22}}, {10, 21, 20, 27}},
        {"one call with nothing on the screen",
         [&](HDC) {
             gdi::OneScreenCall call;
             SetPixel(memory, 1, 1, 0);
         },
         {}, {}},
    };
    gdi::ScreenDrawnHook pacer =
        gdi::SetScreenDrawnHook([](int64_t calls, int64_t pixels) { heard.push_back({calls, pixels}); });
    for (const HeardCase& c : cases) {
        SCOPED_TRACE(c.name);
        HDC screen = gdi::CreateScreenDc({10, 20}, {gdi::Box{10, 20, 110, 100}});
        gdi::TellScreenCalls();
        gdi::TakeScreenDamage();
        heard.clear();
        c.draw(screen);
        gdi::TellScreenCalls();
        EXPECT_EQ(heard, c.heard);
        ExpectMarked(c.marked);
        DeleteDC(screen);
    }
    gdi::SetScreenDrawnHook(pacer);
}

}  // namespace
