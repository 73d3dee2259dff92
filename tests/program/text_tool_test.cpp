// The text tool: typed text redrawn with its caret on every keystroke over the canvas as it was, edited by
// backspace, refused past its limit, wrapped at the canvas's edge, finished without the caret by any
// click, undone with the snapshot of the text button, and its canvas copy freed however it ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "base/tool_groups.h"
#include "canvas/brush_choice.h"
#include "canvas/text.h"
#include "canvas/tools.h"
#include "options/option_strip.h"
#include "options/pages.h"
#include "region_helpers.h"

using namespace dab_test;

namespace {

// What the text tool should show: the text in its font and colour over the picture, from the origin to
// the canvas's bottom right.
CanvasImage TextOver(COLORREF (*picture)(int, int), POINT origin, const std::string& text) {
    PaintCanvas(picture);
    HDC dc = GetDC(canvasWindow);
    HFONT font = CreateFontIndirectA(&TextFont());
    HGDIOBJ kept = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, CurrentBrush().currentColour | 0x02000000);
    RECT area{origin.x, origin.y, canvasWidth, canvasHeight};
    DrawTextA(dc, text.c_str(), -1, &area, DT_NOPREFIX | DT_WORDBREAK);
    SelectObject(dc, kept);
    DeleteObject(font);
    ReleaseDC(canvasWindow, dc);
    return ReadCanvas();
}

void PlaceText(POINT origin) {
    ClickTextButton();
    Click(origin);
    ASSERT_EQ(TextEntryActive(), 1);
}

struct TypingCase {
    const char* name;
    std::string typed;
    std::string text;  // as finished
};

const TypingCase kTypingCases[] = {
    {"a, b, backspace", "ab\b", "a"},
    {"backspace before anything", "\b\bq", "q"},
    {"everything taken back", "ab\b\b", ""},
    {"tab, codes above 126 and controls ignored", "a\tb\xE9\x01\x7F" "c", "abc"},
    {"enter kept in the text", "a\rb", "a\rb"},
    {"nothing typed", "", ""},
};

TEST(TextTool, TypedTextShowsWithItsCaretAndFinishesWithout) {
    RunDab({640, 480}, [] {
        const POINT origin{120, 90};
        for (const TypingCase& c : kTypingCases) {
            PaintCanvas(Checks);
            CanvasImage picture = ReadCanvas();
            PlaceText(origin);
            testing::Type(c.typed);
            testing::WaitUntilIdle();
            std::string buffer = TypedText();
            EXPECT_EQ(buffer, c.typed.empty() ? "" : c.text + "|") << c.name;
            CanvasImage typing = ReadCanvas();
            EXPECT_EQ(typing, TextOver(Checks, origin, buffer)) << c.name;
            // The finish draws over the canvas copy, whatever the reference left on the screen.
            Click({400, 300});
            EXPECT_EQ(TextEntryActive(), 0) << c.name;
            EXPECT_EQ(CurrentStrip().toolGroup, kFirstBrushGroup) << c.name;
            EXPECT_EQ(CurrentToolState(), kFreehandPenState) << c.name;
            CanvasImage finished = ReadCanvas();
            EXPECT_EQ(finished, TextOver(Checks, origin, c.text)) << c.name;
            if (c.text.empty()) {
                EXPECT_EQ(finished, picture) << c.name;
            }
            // Undo right after finishing takes the text away: the text button took the snapshot.
            ClickUndoButton();
            EXPECT_EQ(ReadCanvas(), picture) << c.name;
        }
    });
}

TEST(TextTool, TextWrapsBetweenWordsAtTheCanvasEdge) {
    RunDab({640, 480}, [] {
        const POINT origin{canvasWidth - 120, 100};
        PlaceText(origin);
        testing::Type("one two three four five");
        ClickFrame(450, 30);
        EXPECT_EQ(TextEntryActive(), 0) << "a frame click finishes the text";
        std::vector<POINT> painted = Painted(ReadCanvas());
        ASSERT_FALSE(painted.empty());
        int lowest = 0, leftmostBelow = canvasWidth;
        for (POINT p : painted) {
            ASSERT_GE(p.x, origin.x);
            ASSERT_GE(p.y, origin.y);
            lowest = std::max(lowest, int(p.y));
            if (p.y > origin.y + 30) leftmostBelow = std::min(leftmostBelow, int(p.x));
        }
        EXPECT_GT(lowest, origin.y + 2 * 20) << "the words go on over three lines";
        EXPECT_LT(leftmostBelow, origin.x + 5) << "each line starts again under the first";
    });
}

TEST(TextTool, TheTextHoldsAtMostTwoHundredAndFiftyThreeCharacters) {
    RunDab({640, 480}, [] {
        PlaceText({10, 10});
        testing::Type(std::string(300, 'x'));
        testing::WaitUntilIdle();
        EXPECT_EQ(std::strlen(TypedText()), 254u);
        EXPECT_EQ(TypedText()[253], '|');
        EXPECT_EQ(TypedText()[252], 'x');
        testing::Type("\by");
        testing::WaitUntilIdle();
        EXPECT_EQ(std::strlen(TypedText()), 254u);
        EXPECT_EQ(TypedText()[252], 'y');
        testing::Type("z");
        testing::WaitUntilIdle();
        EXPECT_EQ(TypedText()[252], 'y') << "refused past the limit";
    });
}

// The program closed by the system while text is being typed frees the canvas copy with the canvas.
TEST(TextTool, ClosingWhileTypingLeavesNoObjectAlive) {
    for (bool typing : {false, true}) {
        RunDab({640, 480}, [typing] {
            // One text first, so that every object that comes into being on first use is there.
            PlaceText({100, 100});
            testing::Type("ab");
            Click({300, 300});
            size_t before = testing::LiveGdiObjects();
            if (typing) {
                PlaceText({100, 200});
                testing::Type("cd");
                testing::WaitUntilIdle();
                EXPECT_EQ(testing::LiveGdiObjects(), before + 2) << "the canvas copy and its bitmap";
            }
            testing::RequestClose();
            testing::WaitForExit();
            // The picture, its bitmap and the palette go with the windows; nothing else was made.
            EXPECT_EQ(testing::LiveGdiObjects(), before - 3) << (typing ? "typing" : "not typing");
        });
    }
}

}  // namespace
