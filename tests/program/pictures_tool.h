// The frame bitmaps and supplied pictures as the tests find them: the copies beside the test program (its
// program directory, as beside dab), and the tool that draws them, found in the same build.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "base/colours.h"
#include "dib/dib.h"
#include "tools/common/dib_section.h"

namespace dab_test {

inline std::filesystem::path ProgramFolder() { return std::filesystem::read_symlink("/proc/self/exe").parent_path(); }

// dab-pictures of this build: tools/pictures beside tests/program.
inline std::filesystem::path PicturesTool() {
    return ProgramFolder().parent_path().parent_path() / "tools" / "pictures" / "dab-pictures";
}

struct ToolRun {
    int status = -1;
    std::string output;
};

inline ToolRun RunPicturesTool(const std::string& arguments) {
    ToolRun run;
    std::string command = PicturesTool().string() + " " + arguments;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.output.append(buffer, n);
    run.status = pclose(pipe);
    return run;
}

inline std::vector<char> FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A picture file as the program reads it: its header, its table's colours, and each pixel's colour by way of
// the table, rows from the top; no pixels unless it has 8 bits a pixel.
struct TablePicture {
    bool read = false;
    BITMAPINFOHEADER header{};
    std::vector<COLORREF> table, pixels;
    COLORREF at(int x, int y) const { return pixels[size_t(y) * size_t(header.biWidth) + size_t(x)]; }
};

inline TablePicture ReadTablePicture(const std::filesystem::path& file) {
    TablePicture picture;
    HGLOBAL block = ReadDibFile(file.string().c_str());
    if (!block) return picture;
    picture.read = true;
    const auto* bytes = static_cast<const BYTE*>(GlobalLock(block));
    BITMAPINFOHEADER& header = picture.header;
    std::memcpy(&header, bytes, sizeof header);
    const BYTE* table = bytes + header.biSize;
    for (int i = 0; i < DibColourCount(&header); i++)
        picture.table.push_back(RGB(table[4 * i + 2], table[4 * i + 1], table[4 * i]));
    const BYTE* bits = table + 4 * DibColourCount(&header);
    int row = (header.biWidth + 3) / 4 * 4;
    for (int y = header.biHeight - 1; y >= 0 && header.biBitCount == 8; y--)
        for (int x = 0; x < header.biWidth; x++) {
            BYTE index = bits[y * row + x];
            picture.pixels.push_back(index < picture.table.size() ? picture.table[index] : CLR_INVALID);
        }
    GlobalUnlock(block);
    GlobalFree(block);
    return picture;
}

// The pictures the tool makes, written afresh into a folder of their own that lives as long as this.
class FreshPictures {
public:
    FreshPictures() {
        folder_ = std::filesystem::temp_directory_path() / ("dab-pictures-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
        run_ = RunPicturesTool("--out " + folder_.string() + " 2>&1");
        for (const auto& entry : std::filesystem::directory_iterator(folder_))
            names_.push_back(entry.path().filename().string());
        std::sort(names_.begin(), names_.end());
    }
    ~FreshPictures() { std::filesystem::remove_all(folder_); }
    FreshPictures(const FreshPictures&) = delete;
    FreshPictures& operator=(const FreshPictures&) = delete;

    const ToolRun& run() const { return run_; }
    const std::filesystem::path& folder() const { return folder_; }
    const std::vector<std::string>& names() const { return names_; }

private:
    std::filesystem::path folder_;
    ToolRun run_;
    std::vector<std::string> names_;
};

// The points the sources name inside the closed areas of the colouring pictures, by file name.
struct AreaPoint {
    std::string file;
    int x, y;
};
inline std::vector<AreaPoint> ColouringAreas() {
    std::vector<AreaPoint> areas;
    std::istringstream lines(RunPicturesTool("--areas").output);
    for (AreaPoint p; lines >> p.file >> p.x >> p.y;) areas.push_back(p);
    return areas;
}

// The colouring pictures that come with the program; the files test holds the tool to this list.
inline const std::vector<std::string>& ColouringPictures() {
    static const std::vector<std::string> names = {"CBCAR.BMP",    "CBCAT.BMP",  "CBCLOWN.BMP", "CBDINO.BMP",
                                                   "CBFISH.BMP",   "CBFLOWER.BMP", "CBHOUSE.BMP", "CBROCKET.BMP"};
    return names;
}

inline bool IsColouringPicture(const std::string& name) {
    return name.size() > 2 && (name[0] == 'C' || name[0] == 'c') && (name[1] == 'B' || name[1] == 'b');
}

// A file of the program directory drawn at (0, 0) of a 32-bit memory DC with the palette, its source
// rectangle of the picture's own size stretched to the DC's size as the frame stretches the quit picture.
class Drawn {
public:
    Drawn(const char* file, int width, int height) : Drawn(file, width, height, width, height) {}
    Drawn(const char* file, int width, int height, int sourceWidth, int sourceHeight)
        : width_(width), height_(height), sourceWidth_(sourceWidth), sourceHeight_(sourceHeight) {
        FillPaletteColours();
        palette_ = BuildAppPalette();
        void* bits = nullptr;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateTopDownSection(dc_, width, height, &bits);
        kept_ = SelectObject(dc_, bitmap_);
        keptPalette_ = SelectPalette(dc_, palette_, TRUE);
        RealizePalette(dc_);
        SetStretchBltMode(dc_, COLORONCOLOR);
        path_ = (ProgramFolder() / file).string();
        Redraw();
    }
    ~Drawn() {
        SelectPalette(dc_, keptPalette_, TRUE);
        SelectObject(dc_, kept_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
        DeleteObject(palette_);
    }
    Drawn(const Drawn&) = delete;
    Drawn& operator=(const Drawn&) = delete;

    bool Redraw() {
        HGLOBAL block = ReadDibFile(path_.c_str());
        if (!block) return false;
        StretchDibToDevice(dc_, 0, 0, width_, height_, block, 0, 0, sourceWidth_, sourceHeight_, SRCCOPY);
        GlobalFree(block);
        return true;
    }
    HDC dc() const { return dc_; }
    COLORREF at(int x, int y) const { return GetPixel(dc_, x, y); }
    std::vector<COLORREF> Pixels() const {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < height_; y++)
            for (int x = 0; x < width_; x++) pixels.push_back(at(x, y));
        return pixels;
    }

private:
    int width_, height_, sourceWidth_, sourceHeight_;
    std::string path_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HPALETTE palette_ = nullptr, keptPalette_ = nullptr;
    HGDIOBJ kept_ = nullptr;
};

}  // namespace dab_test
