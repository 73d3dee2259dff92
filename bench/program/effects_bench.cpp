// Every picture effect of the region-tool pages and the effects pages once on a 1920 × 1080 canvas, over a
// busy picture so that the pixel effects have colours to work on.
#include <benchmark/benchmark.h>

#include "base/state.h"
#include "bench_canvas.h"
#include "draw/draw.h"
#include "effects/canvas_effects.h"
#include "effects/page_actions.h"

namespace {

// Stripes of colour, black and white across the canvas, so no effect runs on a blank page.
void PaintBusyPicture() {
    HDC dc = GetDC(canvasWindow);
    const COLORREF colours[5] = {RGB(200, 40, 90), 0, RGB(255, 255, 255), RGB(30, 120, 250), RGB(250, 230, 10)};
    for (int i = 0; i < 5; i++) {
        HBRUSH brush = CreateSolidBrush(colours[i]);
        RECT band{0, i * canvasHeight / 5, canvasWidth, (i + 1) * canvasHeight / 5};
        FillRect(dc, &band, brush);
        DeleteObject(brush);
    }
    ReleaseDC(canvasWindow, dc);
}

template <typename Effect>
void Run(benchmark::State& state, Effect effect) {
    StartBenchProgram();
    for (auto _ : state) {
        state.PauseTiming();
        PaintBusyPicture();
        state.ResumeTiming();
        effect();
    }
}

#define EFFECT_BENCH(name, body)                                       \
    void name(benchmark::State& state) { Run(state, [] { body; }); } \
    BENCHMARK(name)->Unit(benchmark::kMillisecond)

EFFECT_BENCH(Invert, InvertCanvas());
EFFECT_BENCH(ZoomCentre, ZoomCanvasCentre());
EFFECT_BENCH(ShrinkStepTwentyTimes, for (int i = 0; i < 20; i++) ShrinkCanvasStep(canvasWindow, appPalette, canvasWidth, canvasHeight));
EFFECT_BENCH(Grey, GreyCanvas());
EFFECT_BENCH(ShrinkTenTimes, ShrinkCanvasTenTimes());
EFFECT_BENCH(StripeRows, StripeCanvas(kHorizontalStripes));
EFFECT_BENCH(StripeColumns, StripeCanvas(kVerticalStripes));
EFFECT_BENCH(Jumble, JumbleCanvas());
EFFECT_BENCH(SwapHalves, SwapCanvasHalves());
EFFECT_BENCH(Crack, CrackCanvas());
EFFECT_BENCH(FlipPatches, FlipRandomPatches());
EFFECT_BENCH(InvertRectangles, InvertRandomRectangles());
EFFECT_BENCH(Quarter, QuarterCanvas());
EFFECT_BENCH(Viewfinder, DrawViewfinder());

EFFECT_BENCH(WipeFromTheMiddle, ClearCanvasWithTransition(canvasWindow, appPalette, canvasWidth, canvasHeight, 0));
EFFECT_BENCH(Curtains, ClearCanvasWithTransition(canvasWindow, appPalette, canvasWidth, canvasHeight, 1));
EFFECT_BENCH(Dissolve, ClearCanvasWithTransition(canvasWindow, appPalette, canvasWidth, canvasHeight, 2));
EFFECT_BENCH(RandomSquares, ClearCanvasWithTransition(canvasWindow, appPalette, canvasWidth, canvasHeight, 3));
EFFECT_BENCH(GraphPaper, ClearCanvasWithTransition(canvasWindow, appPalette, canvasWidth, canvasHeight, 4));
EFFECT_BENCH(SquaresRowByRow, ClearCanvasWithTransition(canvasWindow, appPalette, canvasWidth, canvasHeight, 5));
EFFECT_BENCH(WipeLeftToRight, ClearCanvasWithTransition(canvasWindow, appPalette, canvasWidth, canvasHeight, 6));
EFFECT_BENCH(Streaks, ClearCanvasWithTransition(canvasWindow, appPalette, canvasWidth, canvasHeight, 7));
EFFECT_BENCH(Noise, ColourNoise());
EFFECT_BENCH(Rings, RingBurst());
EFFECT_BENCH(Radar, DrawRadarScreen(canvasWindow, appPalette, canvasWidth, canvasHeight));
EFFECT_BENCH(WhiteLeftHalf, WhiteHalf(canvasWindow, appPalette, canvasWidth, canvasHeight, 0));
EFFECT_BENCH(City, DrawScene(1));
EFFECT_BENCH(Barn, DrawScene(2));
EFFECT_BENCH(Slide, SlideOut(canvasWindow, appPalette, canvasWidth, canvasHeight, pictureDC));
EFFECT_BENCH(WoodenFrame, DrawWoodenFrame());
EFFECT_BENCH(VerticalRainbow, RainbowStripes(1));
EFFECT_BENCH(HorizontalRainbow, RainbowStripes(2));

}  // namespace

int main(int argc, char** argv) { return RunProgramBenchmarks(argc, argv); }
