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

void Clear(int mode) { ClearCanvasWithTransition(canvasWindow, appPalette, canvasWidth, canvasHeight, mode); }

void WhiteHalfOf(int side) { WhiteHalf(side, canvasWindow, canvasWidth, canvasHeight, appPalette); }

// The picture shrinks away into the middle, then the page is wiped white.
void ShrinkAway() {
    for (int i = 0; i < 20; i++) ShrinkCanvasStep(canvasWindow, appPalette, canvasWidth, canvasHeight);
    Clear(0);
}

const EffectsRow kEffectsPage1[12] = {
    {kNoSound,
     [] { FillCanvasColour(canvasWindow, appPalette, canvasWidth, canvasHeight, paletteColours[kChalkboardEntry]); }},
    {kWipeSound, [] { Clear(6); }},
    {kStreaksSound, [] { Clear(7); }},
    {kDissolveSound, [] { Clear(0); }},
    {kCurtainsSound, [] { Clear(1); }},
    {kNoSound, ColourNoise},
    {kRingBurstSound, RingBurst},
    {kStarryNightSound, [] { DrawStarField(canvasWindow, appPalette, canvasWidth, canvasHeight, 0xFFFFFF, 0); }},
    {kRadarSound, [] { DrawRadarScreen(canvasWidth, canvasHeight, canvasWindow, appPalette); }},
    {kNoSound, [] { Clear(5); }},
    {kGraphPaperSound, [] { Clear(4); }},
    {kWipeSound, [] { Clear(3); }},
};

const EffectsRow kEffectsPage2[12] = {
    {kNoSound, [] { WhiteHalfOf(0); }},
    {kNoSound, [] { WhiteHalfOf(1); }},
    {kNoSound, [] { WhiteHalfOf(2); }},
    {kNoSound, [] { WhiteHalfOf(3); }},
    {kCitySound, [] { DrawScene(1); }},
    {kSlideOutSound, [] { SlideOut(canvasWindow, appPalette, canvasWidth, canvasHeight, pictureDC); }},
    {kNoSound, DrawWoodenFrame},
    {kTunnelSound, ShrinkAway},
    {kBarnSound, [] { DrawScene(2); }},
    {kDissolveSound, [] { Clear(2); }},
    {kRainbowStripesSound, [] { RainbowStripes(1); }},
    {kRainbowStripesSound, [] { RainbowStripes(2); }},
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
