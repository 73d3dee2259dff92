// The effects pages' dispatcher: each button is a row of its page's table, a sound and an action. Every
// click, also one outside the twelve buttons, takes a snapshot first and ends on the first brush page.
#include "effects/effects_pages.h"

#include "base/colours.h"
#include "base/frame_requests.h"
#include "base/sound.h"
#include "base/state.h"
#include "canvas/brush_choice.h"
#include "canvas/canvas.h"
#include "draw/draw.h"
#include "effects/canvas_effects.h"
#include "effects/page_actions.h"

namespace {

struct EffectsRow {
    Sound sound;
    void (*action)();
};

constexpr int kChalkboardEntry = 118;

void Clear(TransitionMode mode) {
    ClearCanvasWithTransition(canvasWindow, appPalette, canvasWidth, canvasHeight, mode);
}

void WhiteHalfOf(HalfPage side) { WhiteHalf(canvasWindow, appPalette, canvasWidth, canvasHeight, side); }

// The picture shrinks away into the middle, then the page is wiped white.
void ShrinkAway() {
    for (int i = 0; i < 20; i++) ShrinkCanvasStep(canvasWindow, appPalette, canvasWidth, canvasHeight);
    Clear(kWipeFromTheMiddle);
}

const EffectsRow kEffectsPage1[12] = {
    {kNoSound,
     [] { FillCanvasColour(canvasWindow, appPalette, canvasWidth, canvasHeight, paletteColours[kChalkboardEntry]); }},
    {kWipeSound, [] { Clear(kWipeLeftToRight); }},
    {kStreaksSound, [] { Clear(kThickStreaks); }},
    {kDissolveSound, [] { Clear(kWipeFromTheMiddle); }},
    {kCurtainsSound, [] { Clear(kCloseCurtains); }},
    {kNoSound, ColourNoise},
    {kRingBurstSound, RingBurst},
    {kStarryNightSound, [] { DrawStarField(canvasWindow, appPalette, canvasWidth, canvasHeight, 0xFFFFFF, 0); }},
    {kRadarSound, [] { DrawRadarScreen(canvasWindow, appPalette, canvasWidth, canvasHeight); }},
    {kNoSound, [] { Clear(kSquaresRowByRow); }},
    {kGraphPaperSound, [] { Clear(kGraphPaperColumns); }},
    {kWipeSound, [] { Clear(kRandomSquares); }},
};

const EffectsRow kEffectsPage2[12] = {
    {kNoSound, [] { WhiteHalfOf(kLeftHalf); }},
    {kNoSound, [] { WhiteHalfOf(kRightHalf); }},
    {kNoSound, [] { WhiteHalfOf(kTopHalf); }},
    {kNoSound, [] { WhiteHalfOf(kBottomHalf); }},
    {kCitySound, [] { DrawScene(kCityScene); }},
    {kSlideOutSound, [] { SlideOut(canvasWindow, appPalette, canvasWidth, canvasHeight, pictureDC); }},
    {kNoSound, DrawWoodenFrame},
    {kTunnelSound, ShrinkAway},
    {kBarnSound, [] { DrawScene(kBarnScene); }},
    {kDissolveSound, [] { Clear(kDissolve); }},
    {kRainbowStripesSound, [] { RainbowStripes(kVerticalStripes); }},
    {kRainbowStripesSound, [] { RainbowStripes(kHorizontalStripes); }},
};

}  // namespace

void RunEffectsAction(ToolGroup page, int n) {
    TakeSnapshot();
    UseColouringMode(false);
    if (n >= 1 && n <= 12) {
        const EffectsRow& row = (page == kFirstEffectsGroup ? kEffectsPage1 : kEffectsPage2)[n - 1];
        if (row.sound) PlaySoundEffect(row.sound);
        row.action();
    }
    AskFrame(kShowFirstToolPage);
}
