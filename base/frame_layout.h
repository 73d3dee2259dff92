// The frame's fixed layout in its client pixels: where each control is drawn and where a click finds it.
// The painting, the click handling and the tests all take their numbers from here. Click bounds are
// strict unless a comment says otherwise, so a click on a border between two controls finds neither.
#pragma once

#include "platform/win32.h"

// The canvas window covers the frame right of the colour panel and below the option strip.
constexpr int kCanvasLeft = 50;
constexpr int kCanvasTop = 72;

// The colour buttons: two columns of eight, families 0 to 7 on the left and 8 to 15 on the right.
constexpr int kColourButtonWidth = 25;
constexpr int kColourButtonHeight = 13;
constexpr int kColourButtonRows = 8;
constexpr int kColourButtonsBottom = kColourButtonRows * kColourButtonHeight;
RECT ColourButtonRect(int family);
// The family of a click left of the canvas above kColourButtonsBottom (edges included).
int FamilyAt(int x, int y);

// The shade strip: swatch 0 (lightest) at the top, 9 at the bottom.
constexpr int kShades = 10;
constexpr int kShadeStripLeft = 20;
constexpr int kShadeStripTop = 104;
constexpr int kShadeSwatchHeight = 8;
RECT ShadeSwatchRect(int shade);
// The shade under a click, -1 outside the strip.
int ShadeAt(int x, int y);
// The slider beside the strip, erased whole before its knob is drawn at the shade's height.
constexpr RECT kShadeSliderArea{0, 105, 19, 184};
int ShadeKnobY(int shade);

// The left column: one picture of seven buttons of the same height below the colour panel.
enum LeftColumnButton {
    kNoButton = 0,
    kBrushesButton,
    kEffectsButton,
    kRegionToolsButton,
    kTextButton,
    kStampsButton,
    kFilesButton,
    kUndoButton
};
constexpr int kLeftColumnTop = 190;
constexpr int kLeftColumnButtonHeight = 42;
constexpr int kLeftColumnHeight = 290;
// The button under a click left of the canvas; the undo button has no lower limit.
LeftColumnButton LeftColumnButtonAt(int y);

// The option strip: two rows of six 32 × 32 buttons, 35 pixels apart, rows 1 (y 2..35) and 2 (y 36..71).
constexpr int kOptionIconSize = 32;
constexpr int kOptionStripMiddle = 36;
constexpr RECT kOptionStripArea{50, 0, 520, kCanvasTop};
// The top-left corner of option button n (1 to 12).
POINT OptionButtonOrigin(int n);
// The option button under a click (top edges of the rows included), 0 for none.
int OptionButtonAt(int x, int y);

// The page arrows right of the buttons: back above the strip's middle, on below.
enum PageArrow { kNoArrow, kPreviousArrow, kNextArrow };
constexpr POINT kPreviousArrowOrigin{275, 2};
constexpr POINT kNextArrowOrigin{275, kOptionStripMiddle + 2};
// x 271..310; the strip's middle row and its top and bottom rows find no arrow.
bool InPageArrows(int x);
PageArrow PageArrowAt(int y);

// The chooser area: the width chooser, and beside it the pattern or the rainbow chooser.
constexpr RECT kChooserArea{310, 0, 440, kCanvasTop};
// The width chooser's eight widths: the rows of each sample line, where the knob stands, and the band
// of clicks that chooses it. The bands meet, and a click on a meeting row chooses no width.
struct WidthChooserRow {
    int sampleTop, sampleBottom;
    int knobY;
    int bandTop, bandBottom;
};
constexpr int kPenWidths = 8;
extern const WidthChooserRow kWidthChooserRows[kPenWidths];
// x 310..344 (edges included).
bool InWidthChooser(int x);
// The width (1 to 8) of a click in the width chooser, 0 between bands.
int WidthAt(int y);
// The width chooser's drawing: its sample lines, and its knob on a two-column track with navy under it.
constexpr int kWidthSampleLeft = 315, kWidthSampleRight = 340;
constexpr RECT kWidthKnobArea{341, 0, 359, kCanvasTop};
constexpr int kWidthKnobX = 348, kWidthTrackTop = 7, kWidthTrackBottom = 66;
// The rainbow chooser's knob: up for one colour, down for the rainbow.
constexpr int kRainbowKnobX = 383, kOneColourKnobY = 8, kRainbowKnobY = 43;
// The pattern chooser's swatch, flooded from this point.
constexpr POINT kPatternSwatchPoint{372, 56};
// The pattern chooser and the rainbow chooser share one place; the rainbow's halves meet at the strip's
// middle.
constexpr int kSideChooserLeft = 360;
constexpr int kSideChooserWidth = 30;
bool InSideChooser(int x);

// The quit picture at the top right; only its right 100 pixels take a click.
constexpr int kQuitPictureWidth = 120;
constexpr int kQuitPictureHeight = 71;
constexpr int kQuitClickWidth = 100;
bool InQuitButton(int screenWidth, int x, int y);

// The picture chooser's view, on the frame while the canvas is hidden: four previews and the arrow to
// the next page of them.
constexpr int kPictureCells = 4;
constexpr int kPreviewWidth = 200;
constexpr int kPreviewHeight = 150;
POINT PictureCellOrigin(int cell);
// The cell (0 to 3) under a click, -1 for none.
int PictureCellAt(int x, int y);
constexpr POINT kChooserArrowOrigin{584, 234};
// Where the picture chooser's title begins.
constexpr POINT kChooserTitleOrigin{100, 80};
bool OnChooserArrow(int x, int y);
