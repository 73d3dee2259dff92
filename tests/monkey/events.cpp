#include "tests/monkey/events.h"

#include <sstream>

#include "base/frame_layout.h"
#include "base/tool_groups.h"
#include "platform/testing.h"

namespace monkey {

namespace {

const char* const kKindNames[] = {"kClick", "kDrag",       "kHover",         "kPress",
                                  "kRelease", "kRightClick", "kType",         "kKey",
                                  "kExpose", "kLoseFocus",  "kFinishMusic",   "kQuitAndRestart"};

// Frame client coordinates are one pixel in from the screen's.
POINT Frame(int x, int y) { return {x + 1, y + 1}; }

POINT Anywhere(Random& r, const ProgramView& v) { return {r.Below(v.screenWidth), r.Below(v.screenHeight)}; }

POINT OnCanvas(Random& r, const ProgramView& v) {
    // One pixel inside the canvas's edge, in screen coordinates.
    return {r.Between(kCanvasLeft + 2, v.screenWidth - 1), r.Between(kCanvasTop + 2, v.screenHeight - 1)};
}

// Now and then a point beyond the screen, as a captured mouse reports when it leaves the window.
POINT Stray(Random& r, const ProgramView& v) {
    return {r.Between(-60, v.screenWidth + 60), r.Between(-60, v.screenHeight + 60)};
}

POINT OptionButton(Random& r, int n) {
    POINT centre = OptionButtonOrigin(n);
    centre.x += kOptionIconSize / 2;
    centre.y += kOptionIconSize / 2;
    return Frame(centre.x + r.Between(-15, 15), centre.y + r.Between(-15, 15));
}

// The seven buttons of the left column, brushes to undo, near the middle of each.
POINT LeftColumnButton(Random& r, int n) {
    int middle = kLeftColumnTop + kLeftColumnButtonHeight / 2 + kLeftColumnButtonHeight * n;
    return Frame(r.Between(2, 47), middle + r.Between(-19, 19));
}

// The controls of the frame: colours, shades, the left column, the option strip, its arrows and
// choosers.
POINT FrameControl(Random& r) {
    switch (r.Below(8)) {
        case 0: return Frame(r.Below(kCanvasLeft), r.Below(kColourButtonsBottom));
        case 1: return Frame(r.Between(kShadeStripLeft + 1, kCanvasLeft - 1), r.Between(kShadeSliderArea.top, kShadeSliderArea.bottom - 1));
        case 2:
        case 3: return LeftColumnButton(r, r.Below(7));
        case 4:
        case 5: return OptionButton(r, r.Between(1, 12));
        case 6: return Frame(r.Between(271, 310), r.Between(2, 71));
        default: return Frame(r.Between(kChooserArea.left, kSideChooserLeft + kSideChooserWidth), r.Below(kCanvasTop));
    }
}

// The picture chooser's four cells and its arrow, and the frame around them, which leaves the chooser.
POINT ChooserControl(Random& r, const ProgramView& v) {
    switch (r.Below(6)) {
        case 0: return Frame(r.Between(584, 616), r.Between(234, 266));
        case 1: return Anywhere(r, v);
        default: return Frame(r.Between(101, 499), r.Between(101, 399));
    }
}

std::string Characters(Random& r, bool typing) {
    static const char kSpecial[] = {8, 13, 9, 27, 127};
    std::string text;
    int n = typing ? r.Between(1, 12) : r.Between(1, 4);
    for (int i = 0; i < n; i++) {
        int pick = r.Below(20);
        if (pick < 14) text += char(r.Between(32, 126));
        else if (pick < 18) text += kSpecial[r.Below(int(sizeof kSpecial))];
        else text += char(r.Between(128, 255));
    }
    return text;
}

std::vector<POINT> Path(Random& r, const ProgramView& v, POINT from, int moves, bool stray) {
    std::vector<POINT> points{from};
    POINT p = from;
    for (int i = 0; i < moves; i++) {
        if (r.OneIn(6)) {
            p = stray ? Stray(r, v) : OnCanvas(r, v);
        } else {
            p.x += r.Between(-40, 40);
            p.y += r.Between(-40, 40);
        }
        points.push_back(p);
    }
    return points;
}

Event Make(Kind kind, std::vector<POINT> points = {}) { return Event{kind, std::move(points), {}, 0}; }

}  // namespace

uint64_t Random::Next() {
    // splitmix64: small, fast, and the same everywhere.
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

Event NextEvent(Random& r, const ProgramView& v) {
    // The page that shows draws the child's hand: its buttons, the chooser's pictures, the keyboard.
    bool actionPage = v.toolGroup == kFilesGroup || v.toolGroup == kFirstEffectsGroup ||
                      v.toolGroup == kSecondEffectsGroup;
    if (v.pictureChooserShown && r.OneIn(2)) return Make(kClick, {ChooserControl(r, v)});
    if (actionPage && r.OneIn(2)) return Make(kClick, {OptionButton(r, r.Between(1, v.toolGroup == kFilesGroup ? 6 : 12))});
    if (v.textEntryActive && r.OneIn(2)) return Event{kType, {}, Characters(r, true), 0};
    // The arrows lead round the pages with rings: brushes, stamps, region tools.
    bool ringPage = IsBrushGroup(v.toolGroup) || IsStampGroup(v.toolGroup) || IsRegionGroup(v.toolGroup);
    if (ringPage && r.OneIn(10)) return Make(kClick, {Frame(r.Between(271, 310), r.Between(3, 71))});

    int pick = r.Below(1000);
    if (pick < 330) return Make(kClick, {FrameControl(r)});
    if (pick < 340) return Make(kClick, {Frame(r.Between(v.screenWidth - 110, v.screenWidth - 1), r.Below(72))});
    if (pick < 440) return Make(kClick, {OnCanvas(r, v)});
    if (pick < 600) return Make(kDrag, Path(r, v, OnCanvas(r, v), r.Between(1, 30), false));
    if (pick < 640) return Make(kDrag, Path(r, v, Anywhere(r, v), r.Between(1, 12), true));
    if (pick < 670) return Make(kHover, Path(r, v, Anywhere(r, v), r.Between(1, 10), true));
    if (pick < 740) return Make(kClick, {Anywhere(r, v)});
    if (pick < 750) return Make(kPress, {Anywhere(r, v)});
    if (pick < 760) return Make(kRelease, {Anywhere(r, v)});
    if (pick < 775) return Make(kRightClick, {Anywhere(r, v)});
    if (pick < 900) return Event{kType, {}, Characters(r, false), 0};
    if (pick < 940) return Event{kKey, {}, {}, r.OneIn(2) ? r.Between(1, 254) : VK_ESCAPE + r.Below(20)};
    if (pick < 955) return Make(kExpose);
    if (pick < 970) return Make(kLoseFocus);
    if (pick < 985) return Make(kFinishMusic);
    if (pick < 987 && v.quitAsks && r.OneIn(3)) return Make(kQuitAndRestart, {Frame(v.screenWidth - r.Between(2, 98), r.Between(1, 70))});
    return Make(kClick, {LeftColumnButton(r, r.Below(7))});
}

void Inject(const Event& e) {
    const std::vector<POINT>& p = e.points;
    switch (e.kind) {
        case kClick:
        case kQuitAndRestart:
            testing::Press(p[0].x, p[0].y);
            testing::Release(p[0].x, p[0].y);
            break;
        case kDrag:
            testing::Press(p.front().x, p.front().y);
            for (size_t i = 1; i < p.size(); i++) testing::Move(p[i].x, p[i].y);
            testing::Release(p.back().x, p.back().y);
            break;
        case kHover:
            for (POINT q : p) testing::Move(q.x, q.y);
            break;
        case kPress: testing::Press(p[0].x, p[0].y); break;
        case kRelease: testing::Release(p[0].x, p[0].y); break;
        case kRightClick: testing::RightPress(p[0].x, p[0].y); break;
        case kType: testing::Type(e.text); break;
        case kKey: testing::Key(e.key); break;
        case kExpose: testing::Expose(); break;
        case kLoseFocus: testing::LoseFocus(); break;
        case kFinishMusic: testing::FinishMusic(); break;
    }
}

std::string Describe(const Event& e) {
    std::ostringstream out;
    out << "{" << kKindNames[e.kind] << ", {";
    for (size_t i = 0; i < e.points.size(); i++) out << (i ? ", " : "") << "{" << e.points[i].x << ", " << e.points[i].y << "}";
    out << "}, \"";
    for (unsigned char c : e.text) {
        if (c == '"' || c == '\\') out << '\\' << c;
        else if (c >= 32 && c < 127) out << c;
        else out << "\\x" << std::hex << int(c) << std::dec << "\"\"";
    }
    out << "\", " << e.key << "}";
    return out.str();
}

}  // namespace monkey
