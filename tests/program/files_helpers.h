// The files page driven as a child drives it, with a program folder of the test's own: the pictures the
// test puts there, the sounds, tunes and frame bitmaps linked in so that the program still finds them.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/colours.h"
#include "base/state.h"
#include "canvas_pixels.h"
#include "dib/dib.h"
#include "files/picture_chooser.h"
#include "frame_helpers.h"
#include "pictures_tool.h"

namespace dab_test {

// The files page's buttons and the chooser's cells and arrow, at frame client coordinates.
enum FilesButton { kOpen = 1, kSave = 2, kPrint = 3, kDelete = 4, kSound = 5, kEmpty = 6 };
inline void ShowFiles() { ClickFrame(20, 420); }
inline void ClickFilesButton(int n) { ChooseOptionButton(n); }
inline void ClickOnTheFilesPage(int n) {
    ShowFiles();
    ClickFilesButton(n);
}
inline void ClickCell(int cell) {
    POINT corner = PictureCellOrigin(cell);
    ClickFrame(corner.x + kPreviewWidth / 2, corner.y + kPreviewHeight / 2);
}
inline void ClickChooserArrow() {
    ClickFrame(kChooserArrowOrigin.x + kOptionIconSize / 2, kChooserArrowOrigin.y + kOptionIconSize / 2);
}
// Saves from the files page, answering the message that follows.
inline void SaveFromTheFilesPage() {
    testing::AnswerMessageBox(IDOK);
    ClickOnTheFilesPage(kSave);
}

// A folder made the program's folder for the rest of the test, removed with this object.
// Two times of writing for the pictures a test makes, an hour apart and both long past.
inline const std::filesystem::file_time_type kOlder = std::filesystem::file_time_type::clock::now() - std::chrono::hours(2);
inline const std::filesystem::file_time_type kNewer = kOlder + std::chrono::hours(1);

class TestProgramFolder {
public:
    explicit TestProgramFolder(const std::vector<std::string>& pictures = {}) {
        std::string pattern = (std::filesystem::temp_directory_path() / "dab-files-XXXXXX").string();
        if (!mkdtemp(pattern.data())) ADD_FAILURE() << "no temporary folder";
        path_ = pattern;
        for (const auto& entry : std::filesystem::directory_iterator(ProgramFolder())) {
            std::string name = entry.path().filename().string();
            bool data = name.ends_with(".mub") || name.ends_with(".MUB") || name.ends_with(".mid");
            if (data) std::filesystem::create_symlink(entry.path(), path_ / name);
        }
        for (const std::string& picture : pictures) Add(picture, picture);
        kept_ = programDirectory;
        programDirectory = path_.string();
        std::replace(programDirectory.begin(), programDirectory.end(), '/', '\\');
    }
    ~TestProgramFolder() {
        programDirectory = kept_;
        SetCurrentDirectoryA(kept_.c_str());
        std::filesystem::remove_all(path_);
    }
    TestProgramFolder(const TestProgramFolder&) = delete;
    TestProgramFolder& operator=(const TestProgramFolder&) = delete;

    // A copy of a supplied picture under a name of the test's choosing, written at a time of the test's
    // choosing: the chooser lists the newest first, and pictures of one time by name.
    void Add(const std::string& supplied, const std::string& as, std::filesystem::file_time_type written = kOlder) const {
        std::filesystem::copy_file(ProgramFolder() / supplied, path_ / as);
        std::filesystem::last_write_time(path_ / as, written);
    }
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    // The names in the folder other than the linked data files, sorted.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            if (!entry.is_symlink()) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path path_;
    std::string kept_;
};

// A picture file drawn stretched into a width × height rectangle in the given stretching mode, as the
// chooser and the canvas draw it; its pixels row by row.
inline std::vector<COLORREF> DrawnPicture(const std::filesystem::path& file, int width, int height, int mode,
                                          int sourceWidth = -1, int sourceHeight = -1) {
    MemoryDc surface(width, height);
    HDC dc = surface.dc;
    HPALETTE keptPalette = SelectPalette(dc, appPalette, FALSE);
    RealizePalette(dc);
    SetStretchBltMode(dc, mode);
    HGLOBAL block = ReadDibFile(file.string().c_str());
    EXPECT_NE(block, nullptr) << file;
    StretchDibToDevice(dc, 0, 0, width, height, block, 0, 0, sourceWidth, sourceHeight, SRCCOPY);
    if (block) GlobalFree(block);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) pixels.push_back(GetPixel(dc, x, y));
    SelectPalette(dc, keptPalette, TRUE);
    return pixels;
}

// The frame's pixels in a rectangle, row by row.
inline std::vector<COLORREF> FrameArea(int left, int top, int width, int height) {
    std::vector<COLORREF> pixels;
    for (int y = top; y < top + height; y++)
        for (int x = left; x < left + width; x++) pixels.push_back(FramePixel(x, y));
    return pixels;
}

// The top-left width × height pixels of an image fullWidth wide.
inline std::vector<COLORREF> TopLeft(const std::vector<COLORREF>& pixels, int fullWidth, int width, int height) {
    std::vector<COLORREF> part;
    for (int y = 0; y < height; y++)
        part.insert(part.end(), pixels.begin() + y * fullWidth, pixels.begin() + y * fullWidth + width);
    return part;
}

// The picture file stretched over the whole canvas as the chooser opens it, and the part of it the
// canvas's client shows.
inline std::vector<COLORREF> OpenedPicture(const std::filesystem::path& file, int mode) {
    return TopLeft(DrawnPicture(file, canvasWidth, canvasHeight, mode), canvasWidth, canvasWidth - 2,
                   canvasHeight - 2);
}

inline std::vector<COLORREF> CanvasArea(int width, int height) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) pixels.push_back(CanvasPixel(x, y));
    return pixels;
}

// Whether anything but the panel shows in the cell.
inline bool CellShowsPreview(int cell) {
    POINT corner = PictureCellOrigin(cell);
    std::vector<COLORREF> pixels = FrameArea(corner.x, corner.y, kPreviewWidth, kPreviewHeight);
    return std::count(pixels.begin(), pixels.end(), kNavy) < long(pixels.size());
}

inline bool ArrowShown() {
    POINT arrow = kChooserArrowOrigin;
    std::vector<COLORREF> pixels = FrameArea(arrow.x, arrow.y, kOptionIconSize, kOptionIconSize);
    return std::count(pixels.begin(), pixels.end(), kNavy) < long(pixels.size());
}

// The whole client of the canvas.
inline std::vector<COLORREF> CanvasClient() { return CanvasArea(canvasWidth - 2, canvasHeight - 2); }

// A picture file as an independent decoder reads it: Python's imaging library, run as its own program.
struct DecodedPicture {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;  // row by row from the top
    std::string error;
};

inline DecodedPicture DecodeWithPil(const std::filesystem::path& file) {
    DecodedPicture decoded;
    std::filesystem::path ppm = std::filesystem::temp_directory_path() / ("dab-decoded-" + std::to_string(getpid()) + ".ppm");
    std::string command = "/usr/bin/python3 -c 'import sys; from PIL import Image; "
                          "Image.open(sys.argv[1]).convert(\"RGB\").save(sys.argv[2], \"PPM\")' '" +
                          file.string() + "' '" + ppm.string() + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return {0, 0, {}, "the decoder did not start"};
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) decoded.error.append(buffer, n);
    if (pclose(pipe) != 0) return {0, 0, {}, "the decoder failed (python3-pil): " + decoded.error};
    std::ifstream in(ppm, std::ios::binary);
    std::string magic;
    int maximum = 0;
    in >> magic >> decoded.width >> decoded.height >> maximum;
    in.get();
    for (int i = 0; i < decoded.width * decoded.height && in; i++) {
        unsigned char rgb[3];
        in.read(reinterpret_cast<char*>(rgb), 3);
        decoded.pixels.push_back(RGB(rgb[0], rgb[1], rgb[2]));
    }
    std::filesystem::remove(ppm);
    if (magic != "P6" || maximum != 255 || decoded.pixels.size() != size_t(decoded.width * decoded.height))
        decoded.error = "the decoder's picture is unreadable";
    return decoded;
}

// The saved pictures of a folder: seven capital letters and ".BMP".
inline std::vector<std::string> SavedPictureNames(const std::vector<std::string>& files) {
    std::vector<std::string> saved;
    for (const std::string& name : files) {
        bool letters = name.size() == 11 && name.ends_with(".BMP") &&
                       std::all_of(name.begin(), name.begin() + 7, [](char c) { return c >= 'A' && c <= 'Z'; });
        if (letters) saved.push_back(name);
    }
    return saved;
}

// A busy picture in the program's own colours, which an 8-bit file keeps exactly.
inline COLORREF PaletteChecks(int x, int y) { return paletteColours[(x / 7 + y / 5 * 3) % 181]; }

}  // namespace dab_test
