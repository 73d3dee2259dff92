#include "effects/region_effects.h"

#include "base/sound.h"
#include "base/state.h"
#include "effects/canvas_effects.h"

namespace {

struct RegionEffectRow {
    Sound sound;
    void (*action)();
};

// The tool buttons' rows have no action: the option strip makes them tools.
constexpr RegionEffectRow kTool{kNoSound, nullptr};

const RegionEffectRow kRegionPage1[12] = {
    kTool, kTool, kTool, kTool,
    {kInvertSound, InvertCanvas},
    {kNoSound, ZoomCanvasCentre},
    {kShrinkStepSound, [] { ShrinkCanvasStep(canvasWindow, appPalette, canvasWidth, canvasHeight); }},
    {kNoSound, GreyCanvas},
    kTool,
    {kTunnelSound, ShrinkCanvasTenTimes},
    {kNoSound, [] { StripeCanvas(kVerticalStripes); }},
    {kNoSound, [] { StripeCanvas(kHorizontalStripes); }},
};

const RegionEffectRow kRegionPage2[12] = {
    kTool, {kJumbleSound, JumbleCanvas},
    {kSwapHalvesSound, SwapCanvasHalves},
    kTool, {kCrackSound, CrackCanvas},
    {kNoSound, FlipRandomPatches},
    {kInvertSound, InvertRandomRectangles},
    kTool, kTool, {kGraphPaperSound, QuarterCanvas},
    {kViewfinderSound, DrawViewfinder}, kTool,
};

}  // namespace

void RunRegionEffect(ToolGroup page, int n) {
    if (!IsRegionGroup(page) || n < 1 || n > 12) return;
    const RegionEffectRow& row = (page == kFirstRegionGroup ? kRegionPage1 : kRegionPage2)[n - 1];
    if (!row.action) return;
    if (row.sound) PlaySoundEffect(row.sound);
    row.action();
}
