// The picture chooser's preview of a huge picture: a 6000 x 4000 24-bit file read with ReadDibFile and
// drawn shrunk into a 200 x 150 cell. Goal: under 150 ms, with peak extra memory under twice the file's
// size (the counters peak_extra_mb and peak_per_file_size).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "dib/dib.h"

namespace {

constexpr int kWidth = 6000, kHeight = 4000;

// The picture file, written once into a folder of its own.
const std::string& HugePicture() {
    static std::string path = [] {
        std::string folder = (std::filesystem::temp_directory_path() / "dab-bench-XXXXXX").string();
        if (!mkdtemp(folder.data())) return std::string();
        std::string file = folder + "/HUGE.BMP";
        uint32_t rowSize = (kWidth * 3 + 3) / 4 * 4, imageSize = rowSize * kHeight;
        BITMAPFILEHEADER fileHeader = {0x4D42, 14 + 40 + imageSize, 0, 0, 14 + 40};
        BITMAPINFOHEADER info = {40, kWidth, kHeight, 1, 24, BI_RGB, imageSize, 0, 0, 0, 0};
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(&fileHeader), 14);
        out.write(reinterpret_cast<const char*>(&info), 40);
        std::vector<uint8_t> row(rowSize);
        for (int y = 0; y < kHeight; y++) {
            for (int x = 0; x < kWidth; x++) {
                row[3 * size_t(x)] = uint8_t(x), row[3 * size_t(x) + 1] = uint8_t(y), row[3 * size_t(x) + 2] = uint8_t(x ^ y);
            }
            out.write(reinterpret_cast<const char*>(row.data()), rowSize);
        }
        return file;
    }();
    return path;
}

// The process's resident memory now and at its peak since the last reset, in bytes.
int64_t StatusField(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0) return std::stoll(line.substr(std::strlen(field))) * 1024;
    return 0;
}

void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

void Preview(benchmark::State& state, int mode) {
    const std::string& file = HugePicture();
    if (file.empty()) return state.SkipWithError("no folder for the picture");
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 150);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SetStretchBltMode(dc, mode);
    int64_t peakExtra = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ResetPeak();
        int64_t before = StatusField("VmRSS:");
        state.ResumeTiming();
        HGLOBAL block = ReadDibFile(file.c_str());
        int drawn = StretchDibToDevice(dc, 0, 0, 200, 150, block, 0, 0, -1, -1, SRCCOPY);
        GlobalFree(block);
        state.PauseTiming();
        peakExtra = std::max(peakExtra, StatusField("VmHWM:") - before);
        state.ResumeTiming();
        if (!drawn) return state.SkipWithError("the picture was not drawn");
    }
    double fileSize = double(std::filesystem::file_size(file));
    state.counters["peak_extra_mb"] = double(peakExtra) / (1 << 20);
    state.counters["peak_per_file_size"] = double(peakExtra) / fileSize;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

void BM_HugePreviewColorOnColor(benchmark::State& state) { Preview(state, COLORONCOLOR); }
void BM_HugePreviewBlackOnWhite(benchmark::State& state) { Preview(state, BLACKONWHITE); }
BENCHMARK(BM_HugePreviewColorOnColor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HugePreviewBlackOnWhite)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
