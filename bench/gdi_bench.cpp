// The engine's cost for the drawing the program does on a full-HD canvas: lines, pixels, flood fill and
// blits on a 1920×1080 memory DC compatible with the screen, with a plain memcpy of the same bytes as the
// baseline for a copy.
#include "platform/win32.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

const int width = 1920;
const int height = 1080;

// A memory DC with its own white 1920×1080 bitmap, freed on destruction.
class Canvas {
public:
    Canvas() {
        screen_ = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen_);
        bitmap_ = CreateCompatibleBitmap(screen_, width, height);
        old_ = SelectObject(dc_, bitmap_);
        PatBlt(dc_, 0, 0, width, height, WHITENESS);
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
        ReleaseDC(nullptr, screen_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }

private:
    HDC screen_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

// Lines from the middle out in 64 directions, 500 pixels long, in a pen of the given width.
void lines(benchmark::State& state, int penWidth) {
    Canvas canvas;
    HPEN pen = CreatePen(PS_SOLID, penWidth, RGB(200, 30, 90));
    HGDIOBJ old = SelectObject(canvas.dc(), pen);
    const int directions = 64;
    std::vector<POINT> ends;
    for (int i = 0; i < directions; ++i) {
        double angle = 2 * 3.14159265358979 * i / directions;
        ends.push_back(POINT{static_cast<LONG>(width / 2 + 500 * std::cos(angle)),
                             static_cast<LONG>(height / 2 + 500 * std::sin(angle))});
    }
    for (auto _ : state) {
        for (const POINT& end : ends) {
            MoveToEx(canvas.dc(), width / 2, height / 2, nullptr);
            LineTo(canvas.dc(), end.x, end.y);
        }
    }
    state.SetItemsProcessed(state.iterations() * directions);
    SelectObject(canvas.dc(), old);
    DeleteObject(pen);
}

void BM_LinesOnePixel(benchmark::State& state) { lines(state, 1); }
void BM_LinesEightPixels(benchmark::State& state) { lines(state, 8); }

void BM_SetPixelScattered(benchmark::State& state) {
    Canvas canvas;
    std::vector<POINT> points;
    uint32_t seed = 12345;
    for (int i = 0; i < 64; ++i) {
        seed = seed * 1103515245 + 12345;
        LONG x = static_cast<LONG>(seed >> 8) % width;
        seed = seed * 1103515245 + 12345;
        LONG y = static_cast<LONG>(seed >> 8) % height;
        points.push_back(POINT{x, y});
    }
    for (auto _ : state) {
        for (const POINT& p : points) SetPixel(canvas.dc(), p.x, p.y, RGB(10, 120, 240));
    }
    state.SetItemsProcessed(state.iterations() * 64);
}

// Every iteration fills the whole surface, alternating two colours so that there is always something to fill.
void BM_FloodFillSurface(benchmark::State& state) {
    Canvas canvas;
    HBRUSH brushes[2] = {CreateSolidBrush(RGB(250, 200, 0)), CreateSolidBrush(RGB(255, 255, 255))};
    COLORREF surfaces[2] = {RGB(255, 255, 255), RGB(250, 200, 0)};
    HGDIOBJ old = SelectObject(canvas.dc(), brushes[0]);
    int turn = 0;
    for (auto _ : state) {
        SelectObject(canvas.dc(), brushes[turn]);
        ExtFloodFill(canvas.dc(), width / 2, height / 2, surfaces[turn], FLOODFILLSURFACE);
        turn ^= 1;
    }
    state.SetItemsProcessed(state.iterations() * width * height);
    SelectObject(canvas.dc(), old);
    DeleteObject(brushes[0]);
    DeleteObject(brushes[1]);
}

void BM_StretchBltSameSize(benchmark::State& state) {
    Canvas canvas;
    for (auto _ : state) {
        StretchBlt(canvas.dc(), 0, 0, width, height, canvas.dc(), 0, 0, width, height, SRCCOPY);
    }
    state.SetItemsProcessed(state.iterations() * width * height);
}

void BM_StretchBltMirrored(benchmark::State& state) {
    Canvas canvas;
    for (auto _ : state) {
        StretchBlt(canvas.dc(), width - 1, 0, -width, height, canvas.dc(), 0, 0, width, height, SRCCOPY);
    }
    state.SetItemsProcessed(state.iterations() * width * height);
}

// The top-left quarter enlarged over the whole surface, as a zoom would.
void BM_StretchBltEnlarged(benchmark::State& state) {
    Canvas canvas;
    for (auto _ : state) {
        StretchBlt(canvas.dc(), 0, 0, width, height, canvas.dc(), 0, 0, width / 2, height / 2, SRCCOPY);
    }
    state.SetItemsProcessed(state.iterations() * width * height);
}

// The whole surface shrunk onto itself into its middle, a tenth in from each side, as the shrink effect
// does: the pixels that fall together are ANDed (the default stretch mode).
void BM_StretchBltShrinkIntoMiddle(benchmark::State& state) {
    Canvas canvas;
    for (auto _ : state) {
        StretchBlt(canvas.dc(), width / 20, height / 20, width - width / 10, height - height / 10, canvas.dc(), 0, 0,
                   width, height, SRCCOPY);
    }
    state.SetBytesProcessed(state.iterations() * width * height * 4);
}

// The middle enlarged onto the whole surface, as the zoom effect does.
void BM_StretchBltEnlargeMiddle(benchmark::State& state) {
    Canvas canvas;
    for (auto _ : state) {
        StretchBlt(canvas.dc(), 0, 0, width, height, canvas.dc(), width / 10, height / 10, width - 2 * (width / 10),
                   height - 2 * (height / 10), SRCCOPY);
    }
    state.SetBytesProcessed(state.iterations() * width * height * 4);
}

void BM_BitBltBetweenDCs(benchmark::State& state) {
    Canvas source, target;
    for (auto _ : state) {
        BitBlt(target.dc(), 0, 0, width, height, source.dc(), 0, 0, SRCCOPY);
    }
    state.SetBytesProcessed(state.iterations() * width * height * 4);
}

void BM_GetSetPixelEverywhere(benchmark::State& state) {
    Canvas canvas;
    for (auto _ : state) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                SetPixel(canvas.dc(), x, y, GetPixel(canvas.dc(), x, y) ^ 0x00FFFFFF);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * width * height);
}

void BM_MemcpyBaseline(benchmark::State& state) {
    std::vector<uint32_t> source(static_cast<size_t>(width) * height, 0x00FFFFFF);
    std::vector<uint32_t> target(source.size());
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.size() * sizeof(uint32_t));
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * width * height * 4);
}

}  // namespace

BENCHMARK(BM_LinesOnePixel);
BENCHMARK(BM_LinesEightPixels);
BENCHMARK(BM_SetPixelScattered);
BENCHMARK(BM_FloodFillSurface)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StretchBltSameSize)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StretchBltMirrored)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StretchBltEnlarged)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StretchBltShrinkIntoMiddle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StretchBltEnlargeMiddle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BitBltBetweenDCs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetSetPixelEverywhere)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpyBaseline)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
