#include "base/frame_layout.h"

namespace {

// The option buttons' icons start here and stand this far apart; a click in a row counts from the gap
// before the first icon.
constexpr int kFirstOptionLeft = 60;
constexpr int kOptionPitch = 35;
constexpr int kOptionClickLeft = 55;
constexpr int kOptionClickRight = 265;
constexpr int kOptionsPerRow = 6;
constexpr int kOptionRowTop[2] = {2, kOptionStripMiddle + 2};

constexpr int kPageArrowsLeft = 270;
constexpr int kPageArrowsRight = 310;

// The width chooser is drawn to x 358, its knob's track included, but takes clicks only left of the track.
constexpr int kWidthChooserClickRight = 345;

constexpr POINT kPictureCellOrigins[kPictureCells] = {{100, 100}, {300, 100}, {100, 250}, {300, 250}};

bool Inside(int v, int low, int high) { return v > low && v < high; }

}  // namespace

const WidthChooserRow kWidthChooserRows[kPenWidths] = {
    {7, 7, 7, 3, 10},     {12, 13, 12, 10, 15}, {18, 20, 19, 15, 22}, {24, 27, 25, 22, 31},
    {32, 36, 34, 31, 38}, {41, 46, 43, 38, 48}, {51, 57, 54, 48, 58}, {61, 68, 65, 58, 71},
};

RECT ColourButtonRect(int family) {
    int column = family / kColourButtonRows, row = family % kColourButtonRows;
    int left = column * kColourButtonWidth, top = row * kColourButtonHeight;
    return {left, top, left + kColourButtonWidth, top + kColourButtonHeight};
}

int FamilyAt(int x, int y) { return y / kColourButtonHeight + (x >= kColourButtonWidth ? kColourButtonRows : 0); }

RECT ShadeSwatchRect(int shade) {
    int top = kShadeStripTop + kShadeSwatchHeight * shade;
    return {kShadeStripLeft, top, kCanvasLeft, top + kShadeSwatchHeight};
}

int ShadeAt(int x, int y) {
    int bottom = kShadeStripTop + kShades * kShadeSwatchHeight;
    if (!Inside(x, kShadeStripLeft, kCanvasLeft) || !Inside(y, kShadeStripTop, bottom)) return -1;
    return (y - kShadeStripTop) / kShadeSwatchHeight;
}

// Shade 0's knob sits one row lower than the pitch gives, so that its top stays inside the slider's area,
// which each redraw erases.
int ShadeKnobY(int shade) { return shade == 0 ? 109 : 108 + kShadeSwatchHeight * shade; }

LeftColumnButton LeftColumnButtonAt(int y) {
    int last = kLeftColumnTop + (kUndoButton - 1) * kLeftColumnButtonHeight;
    if (y > last) return kUndoButton;
    int offset = y - kLeftColumnTop;
    if (offset <= 0 || offset % kLeftColumnButtonHeight == 0) return kNoButton;
    return LeftColumnButton(offset / kLeftColumnButtonHeight + 1);
}

POINT OptionButtonOrigin(int n) {
    int row = n > kOptionsPerRow ? 1 : 0, column = n - 1 - row * kOptionsPerRow;
    return {kFirstOptionLeft + kOptionPitch * column, kOptionRowTop[row]};
}

int OptionButtonAt(int x, int y) {
    if (!Inside(x, kOptionClickLeft, kOptionClickRight) || y < kOptionRowTop[0] || y >= kCanvasTop) return 0;
    int row = y >= kOptionStripMiddle ? 1 : 0;
    return (x - kOptionClickLeft) / kOptionPitch + 1 + row * kOptionsPerRow;
}

bool InPageArrows(int x) { return x > kPageArrowsLeft && x <= kPageArrowsRight; }

PageArrow PageArrowAt(int y) {
    if (Inside(y, kOptionRowTop[0], kOptionStripMiddle)) return kPreviousArrow;
    if (Inside(y, kOptionStripMiddle, kCanvasTop)) return kNextArrow;
    return kNoArrow;
}

bool InWidthChooser(int x) { return x >= kChooserArea.left && x < kWidthChooserClickRight; }

int WidthAt(int y) {
    for (int w = 0; w < kPenWidths; w++)
        if (Inside(y, kWidthChooserRows[w].bandTop, kWidthChooserRows[w].bandBottom)) return w + 1;
    return 0;
}

bool InSideChooser(int x) { return Inside(x, kSideChooserLeft, kSideChooserLeft + kSideChooserWidth); }

bool InQuitButton(int screenWidth, int x, int y) { return x > screenWidth - kQuitClickWidth && y < kCanvasTop; }

POINT PictureCellOrigin(int cell) { return kPictureCellOrigins[cell]; }

int PictureCellAt(int x, int y) {
    for (int cell = 0; cell < kPictureCells; cell++) {
        POINT o = kPictureCellOrigins[cell];
        if (Inside(x, o.x, o.x + kPreviewWidth) && Inside(y, o.y, o.y + kPreviewHeight)) return cell;
    }
    return -1;
}

bool OnChooserArrow(int x, int y) {
    return Inside(x, kChooserArrowOrigin.x, kChooserArrowOrigin.x + kOptionIconSize) &&
           Inside(y, kChooserArrowOrigin.y, kChooserArrowOrigin.y + kOptionIconSize);
}
