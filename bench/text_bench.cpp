// The cost of the text tool's drawing on a full-HD canvas: a paragraph wrapped by DrawTextA in the
// tool's font, alone and with the font made, selected and deleted around it as each keystroke does.
#include "platform/win32.h"

#include <benchmark/benchmark.h>

namespace {

const int width = 1920;
const int height = 1080;

const char* const paragraph =
    "Once upon a time there was a little dragon who loved to paint. Every morning she mixed red and "
    "yellow and blue, and every evening the whole cave was covered in flowers, stars and purple cats.|";

// The text tool's font: height 26, width 10, bold, variable-pitch roman, Times New Roman.
HFONT ToolFont() {
    return CreateFontA(26, 10, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, PROOF_QUALITY, 0x12, "Times New Roman");
}

// A memory DC with its own white 1920×1080 bitmap, freed on destruction.
class Canvas {
public:
    Canvas() {
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
        PatBlt(dc_, 0, 0, width, height, WHITENESS);
        SetBkMode(dc_, TRANSPARENT);
        SetTextColor(dc_, RGB(200, 30, 90));
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
        DeleteObject(bitmap_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

// The paragraph in the right half of the canvas, where it wraps onto several lines.
int DrawParagraph(HDC dc) {
    RECT r{width / 2, 100, width, height};
    return DrawTextA(dc, paragraph, -1, &r, DT_NOPREFIX | DT_WORDBREAK);
}

void BM_DrawTextParagraph(benchmark::State& state) {
    Canvas canvas;
    HFONT font = ToolFont();
    HGDIOBJ old = SelectObject(canvas.dc(), font);
    for (auto _ : state) benchmark::DoNotOptimize(DrawParagraph(canvas.dc()));
    SelectObject(canvas.dc(), old);
    DeleteObject(font);
}

void BM_DrawTextKeystroke(benchmark::State& state) {
    Canvas canvas;
    for (auto _ : state) {
        HFONT font = ToolFont();
        HGDIOBJ old = SelectObject(canvas.dc(), font);
        benchmark::DoNotOptimize(DrawParagraph(canvas.dc()));
        SelectObject(canvas.dc(), old);
        DeleteObject(font);
    }
}

}  // namespace

BENCHMARK(BM_DrawTextParagraph)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawTextKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
