// The picture chooser's preview of a huge picture: a 6000 x 4000 24-bit file read with ReadDibFile and
// drawn shrunk into a 200 x 150 cell. Goal: under 150 ms, with peak extra memory under twice the file's
// size (the counters peak_extra_mb and peak_per_file_size).
// Pictures claiming more than their bytes hold: a kilobyte of runs claiming 16384 x 16384 pixels, opened
// (the program refuses it) and drawn by StretchDIBits itself (which takes it), and the largest run-length
// picture the program takes, 8000 x 8000 pixels. Goal for the kilobyte: under 50 ms and 10 MB.
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

// A folder of the benchmark's own for its pictures, made once.
const std::string& Folder() {
    static std::string folder = [] {
        std::string path = (std::filesystem::temp_directory_path() / "dab-bench-XXXXXX").string();
        return mkdtemp(path.data()) ? path : std::string();
    }();
    return folder;
}

// The picture file, written once.
const std::string& HugePicture() {
    static std::string path = [] {
        if (Folder().empty()) return std::string();
        std::string file = Folder() + "/HUGE.BMP";
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

// A run-length picture of 8 bits: a 2-colour table (white, red), then the runs.
std::string RunLengthPicture(const char* name, int side, const std::vector<uint8_t>& runs) {
    if (Folder().empty()) return std::string();
    std::string file = Folder() + "/" + name;
    uint32_t offBits = 14 + 40 + 8, size = uint32_t(runs.size());
    BITMAPFILEHEADER fileHeader = {0x4D42, offBits + size, 0, 0, offBits};
    BITMAPINFOHEADER info = {40, side, side, 1, 8, BI_RLE8, size, 0, 0, 2, 0};
    const uint8_t table[8] = {255, 255, 255, 0, 0, 0, 255, 0};
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&fileHeader), 14);
    out.write(reinterpret_cast<const char*>(&info), 40);
    out.write(reinterpret_cast<const char*>(table), sizeof table);
    out.write(reinterpret_cast<const char*>(runs.data()), std::streamsize(size));
    return file;
}

// 1002 bytes: red over the 255 leftmost pixels of the 250 bottom rows.
const std::vector<uint8_t>& KilobyteOfRuns() {
    static std::vector<uint8_t> runs = [] {
        std::vector<uint8_t> bytes;
        for (int row = 0; row < 250; row++) bytes.insert(bytes.end(), {255, 1, 0, 0});
        bytes.insert(bytes.end(), {0, 1});
        return bytes;
    }();
    return runs;
}

constexpr int kGiantSide = 16384, kLargestRunsSide = 8000;

const std::string& GiantPicture() {
    static std::string path = RunLengthPicture("GIANT.BMP", kGiantSide, KilobyteOfRuns());
    return path;
}

// Every row in runs of 255 pixels, red and white taking turns: 544 KB.
const std::string& LargestRunsPicture() {
    static std::string path = [] {
        std::vector<uint8_t> runs;
        for (int row = 0; row < kLargestRunsSide; row++) {
            for (int x = 0; x < kLargestRunsSide; x += 255)
                runs.insert(runs.end(), {uint8_t(std::min(255, kLargestRunsSide - x)), uint8_t(x / 255 % 2)});
            runs.insert(runs.end(), {0, 0});
        }
        runs.insert(runs.end(), {0, 1});
        return RunLengthPicture("LARGEST.BMP", kLargestRunsSide, runs);
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

// Draws into a 200 x 150 cell the way the chooser does, or, for a picture the program refuses, only reads it.
void Preview(benchmark::State& state, const std::string& file, int mode, bool refused = false) {
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
        if (refused && block) return state.SkipWithError("the picture was taken");
        if (!refused && !drawn) return state.SkipWithError("the picture was not drawn");
    }
    double fileSize = double(std::filesystem::file_size(file));
    state.counters["peak_extra_mb"] = double(peakExtra) / (1 << 20);
    state.counters["peak_per_file_size"] = double(peakExtra) / fileSize;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

// StretchDIBits given the kilobyte itself, shrinking it into the cell.
void DrawGiantRuns(benchmark::State& state, int mode) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 200, 150);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SetStretchBltMode(dc, mode);
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[2];
    } info = {{40, kGiantSide, kGiantSide, 1, 8, BI_RLE8, DWORD(KilobyteOfRuns().size()), 0, 0, 2, 0},
              {{255, 255, 255, 0}, {0, 0, 255, 0}}};
    int64_t peakExtra = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ResetPeak();
        int64_t before = StatusField("VmRSS:");
        state.ResumeTiming();
        int drawn = StretchDIBits(dc, 0, 0, 200, 150, 0, 0, kGiantSide, kGiantSide, KilobyteOfRuns().data(),
                                  reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, SRCCOPY);
        state.PauseTiming();
        peakExtra = std::max(peakExtra, StatusField("VmHWM:") - before);
        state.ResumeTiming();
        if (!drawn) return state.SkipWithError("the picture was not drawn");
    }
    state.counters["peak_extra_mb"] = double(peakExtra) / (1 << 20);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

void BM_HugePreviewColorOnColor(benchmark::State& state) { Preview(state, HugePicture(), COLORONCOLOR); }
void BM_HugePreviewBlackOnWhite(benchmark::State& state) { Preview(state, HugePicture(), BLACKONWHITE); }
void BM_GiantRunsOpened(benchmark::State& state) { Preview(state, GiantPicture(), BLACKONWHITE, true); }
void BM_GiantRunsDrawnColorOnColor(benchmark::State& state) { DrawGiantRuns(state, COLORONCOLOR); }
void BM_GiantRunsDrawnBlackOnWhite(benchmark::State& state) { DrawGiantRuns(state, BLACKONWHITE); }
void BM_LargestRunsPreviewColorOnColor(benchmark::State& state) { Preview(state, LargestRunsPicture(), COLORONCOLOR); }
void BM_LargestRunsPreviewBlackOnWhite(benchmark::State& state) { Preview(state, LargestRunsPicture(), BLACKONWHITE); }
BENCHMARK(BM_HugePreviewColorOnColor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HugePreviewBlackOnWhite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GiantRunsOpened)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GiantRunsDrawnColorOnColor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GiantRunsDrawnBlackOnWhite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LargestRunsPreviewColorOnColor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LargestRunsPreviewBlackOnWhite)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
