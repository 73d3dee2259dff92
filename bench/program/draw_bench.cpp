// One call of every drawing routine as a mouse move makes it, at pen widths 1 and 8, on a 1920 × 1080 canvas.
#include <benchmark/benchmark.h>

#include "base/state.h"
#include "bench_canvas.h"
#include "draw/draw.h"

namespace {

constexpr COLORREF kColour = RGB(200, 40, 90);

// A point that wanders over the canvas from call to call, as a dragged mouse does.
POINT Wander(int i) {
    return {200 + (i * 37) % 1400, 150 + (i * 53) % 700};
}

template <typename Draw>
void Run(benchmark::State& state, Draw draw) {
    StartBenchProgram();
    int width = int(state.range(0)), i = 0;
    for (auto _ : state) {
        POINT p = Wander(i), q = Wander(i + 1);
        draw(width, p, q);
        i++;
    }
}

#define DRAW_BENCH(name, body)                                                     \
    void name(benchmark::State& state) { Run(state, [](int width, POINT p, POINT q) { \
        (void)width; (void)q; body; }); }                                          \
    BENCHMARK(name)->Arg(1)->Arg(8)->Unit(benchmark::kMicrosecond)

DRAW_BENCH(DrawDotBench, DrawDot(canvasWindow, appPalette, p.x, p.y, width, kColour));
DRAW_BENCH(NibStrokeWideLine, DrawNibStroke(canvasWindow, appPalette, p.x, p.y, q.x, q.y, width, kColour, 9));
DRAW_BENCH(NibStrokeRibbon, DrawNibStroke(canvasWindow, appPalette, p.x, p.y, p.x + 8, p.y + 5, width, kColour, 5));
DRAW_BENCH(TrackStar, TrackShapeOutline(canvasWindow, appPalette, kStar, 300, 300, p.x, p.y, q.x, q.y));
DRAW_BENCH(TrackEllipse, TrackShapeOutline(canvasWindow, appPalette, kEllipse, 300, 300, p.x, p.y, q.x, q.y));
DRAW_BENCH(FinishedStarHatched,
           DrawFinishedShape(canvasWindow, appPalette, kStar, 300, 300, p.x, p.y, q.x, q.y, width, kColour, 7));
DRAW_BENCH(FinishedEllipseSolid,
           DrawFinishedShape(canvasWindow, appPalette, kEllipse, 300, 300, p.x, p.y, q.x, q.y, width, kColour, 2));
DRAW_BENCH(FinishedLine, DrawFinishedLine(canvasWindow, appPalette, 300, 300, p.x, p.y, q.x, q.y, width, kColour));
DRAW_BENCH(FinishedBox, DrawFinishedBox(canvasWindow, appPalette, 300, 300, p.x, p.y, q.x, q.y, width, kColour));
DRAW_BENCH(LineBurst, DrawLineBurst(canvasWindow, appPalette, p.x, p.y, width, kColour));
DRAW_BENCH(SparkleStroke,
           DrawSparkleStroke(canvasWindow, appPalette, q.x, q.y, p.x, p.y, kColour, 255, 65280, 16711680));
DRAW_BENCH(EraserSquare40, DrawEraserSquare(canvasWindow, appPalette, q.x, q.y, p.x, p.y, 40, 1));
DRAW_BENCH(StripedDab, DrawStripedDab(canvasWindow, appPalette, p.x, p.y, width, 255, 65280, 16711680));
DRAW_BENCH(FuzzyStroke, DrawFuzzyStroke(canvasWindow, appPalette, p.x, p.y, q.x, q.y, kColour));
DRAW_BENCH(RgbDab, DrawRgbDab(canvasWindow, appPalette, p.x, p.y));
DRAW_BENCH(BlobTrail, DrawBlobTrail(canvasWindow, appPalette, p.x, p.y, kColour));
DRAW_BENCH(Scatter, ScatterPixels(canvasWindow, appPalette, p.x, p.y));
DRAW_BENCH(Spray, SprayDots(canvasWindow, appPalette, p.x, p.y, width, kColour, 1));
DRAW_BENCH(GrassTuft, DrawGrassTuft(canvasWindow, appPalette, p.x, p.y, kColour));
DRAW_BENCH(Bubbles, DrawBubbles(canvasWindow, appPalette, p.x, p.y, width, kColour));

void FillCanvas(benchmark::State& state) {
    StartBenchProgram();
    for (auto _ : state) FillCanvasColour(canvasWindow, appPalette, canvasWidth, canvasHeight, kColour);
}
BENCHMARK(FillCanvas)->Unit(benchmark::kMillisecond);

void StarField(benchmark::State& state) {
    StartBenchProgram();
    for (auto _ : state)
        DrawStarField(canvasWindow, appPalette, canvasWidth, canvasHeight, RGB(255, 255, 0), RGB(0, 0, 30));
}
BENCHMARK(StarField)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunProgramBenchmarks(argc, argv); }
