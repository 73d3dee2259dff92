// The effects pages' dispatcher: each button is a row of its page's table, a sound and an action. Every
// click, also one outside the twelve buttons, takes a snapshot first and ends on the first brush page.
#include "effects/effects_pages.h"

#include "canvas/canvas.h"
#include "draw/draw.h"
#include "effects/canvas_effects.h"
#include "effects/page_actions.h"
#include "options/pages.h"
#include "shell/colours.h"
#include "shell/sound.h"
#include "shell/state.h"

namespace {

struct EffectsRow {
    int sound;  // 0 for none
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
    {0, [] { FillCanvasColour(canvasWindow, appPalette, paletteColours[kChalkboardEntry], canvasWidth, canvasHeight); }},
    {20, [] { Clear(6); }},
    {18, [] { Clear(7); }},
    {21, [] { Clear(0); }},
    {22, [] { Clear(1); }},
    {0, ColourNoise},
    {9, RingBurst},
    {23, [] { DrawStarField(canvasWindow, appPalette, 0xFFFFFF, 0, canvasWidth, canvasHeight); }},
    {25, [] { DrawRadarScreen(canvasWidth, canvasHeight, canvasWindow, appPalette); }},
    {0, [] { Clear(5); }},
    {26, [] { Clear(4); }},
    {20, [] { Clear(3); }},
};

const EffectsRow kEffectsPage2[12] = {
    {0, [] { WhiteHalfOf(0); }},
    {0, [] { WhiteHalfOf(1); }},
    {0, [] { WhiteHalfOf(2); }},
    {0, [] { WhiteHalfOf(3); }},
    {40, [] { DrawScene(1); }},
    {5, [] { SlideOut(canvasWindow, appPalette, canvasWidth, canvasHeight, pictureDC); }},
    {0, DrawWoodenFrame},
    {15, ShrinkAway},
    {39, [] { DrawScene(2); }},
    {21, [] { Clear(2); }},
    {41, [] { RainbowStripes(1); }},
    {41, [] { RainbowStripes(2); }},
};

}  // namespace

void RunEffectsAction(int n) {
    TakeSnapshot();
    colouringMode = 0;
    if (n >= 1 && n <= 12) {
        const EffectsRow& row = (toolGroup == 15 ? kEffectsPage1 : kEffectsPage2)[n - 1];
        if (row.sound) PlaySoundEffect(row.sound, soundOn);
        row.action();
    }
    ShowToolPage(1);
}
