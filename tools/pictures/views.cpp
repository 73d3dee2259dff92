#include "views.h"

#include <algorithm>
#include <cctype>

#include "dib/dib.h"
#include "picture_draw.h"
#include "platform/print/png.h"
#include "platform/win32.h"
#include "tools/common/dib_section.h"

namespace pictures {

namespace {

constexpr COLORREF kNavy = RGB(0, 0, 127);

// A 32-bit picture to compose a view on, written as a PNG.
class View {
public:
    View(int width, int height) : width_(width), height_(height) {
        void* bits = nullptr;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateTopDownSection(dc_, width, height, &bits);
        bits_ = static_cast<const uint32_t*>(bits);
        oldBitmap_ = SelectObject(dc_, bitmap_);
        SetStretchBltMode(dc_, COLORONCOLOR);
    }

    ~View() {
        SelectObject(dc_, oldBitmap_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }

    View(const View&) = delete;
    View& operator=(const View&) = delete;

    void Box(int left, int top, int right, int bottom, COLORREF colour) {
        HBRUSH brush = CreateSolidBrush(colour);
        RECT box{left, top, right, bottom};
        FillRect(dc_, &box, brush);
        DeleteObject(brush);
    }

    // The whole picture of the file stretched into the rectangle; false when the file can't be read.
    bool Show(const std::filesystem::path& file, int x, int y, int width, int height) {
        HGLOBAL block = ReadDibFile(file.string().c_str());
        if (!block) return false;
        StretchDibToDevice(dc_, x, y, width, height, block, 0, 0, -1, -1, SRCCOPY);
        GlobalFree(block);
        return true;
    }

    bool Write(const std::filesystem::path& path) const {
        return bits_ && print::WritePng(path.string(), width_, height_, bits_, width_);
    }

private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    const uint32_t* bits_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
};

std::string PngName(const std::string& file) {
    std::string name = std::filesystem::path(file).stem().string() + ".png";
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return name;
}

void Note(bool ok, const std::filesystem::path& path, std::vector<std::string>& errors) {
    if (!ok) errors.push_back(path.string() + ": cannot be read or written");
}

// The frame as an 800 × 600 screen shows it: the quit picture at the top right, the left column below the
// colour buttons, the pattern chooser in its place and the rainbow chooser beside it, the canvas white.
void WriteFrameView(const std::filesystem::path& data, const std::filesystem::path& views,
                    std::vector<std::string>& errors) {
    View view(800, 600);
    view.Box(0, 0, 800, 600, kNavy);
    view.Box(50, 72, 800, 600, RGB(0, 0, 0));
    view.Box(51, 73, 799, 599, RGB(255, 255, 255));
    bool ok = view.Show(data / "A1.MUB", 800 - 120, 1, 120, 71) && view.Show(data / "A2.MUB", 0, 190, 50, 290) &&
              view.Show(data / "A3.MUB", 360, 0, 30, 72) && view.Show(data / "A4.MUB", 400, 0, 30, 72);
    Note(ok && view.Write(views / "frame.png"), views / "frame.png", errors);
}

// The four bitmaps at 1× and 3× on navy and on white.
void WritePartsView(const std::filesystem::path& data, const std::filesystem::path& views,
                    std::vector<std::string>& errors) {
    struct Part {
        const char* file;
        int width, height;
    };
    const Part parts[] = {{"A1.MUB", 118, 70}, {"A2.MUB", 50, 290}, {"A3.MUB", 30, 72}, {"A4.MUB", 30, 72}};
    constexpr int kHalf = 4 * 290 + 30;  // the tallest part once and three times over
    View view(800, 2 * kHalf);
    view.Box(0, 0, 800, kHalf, kNavy);
    view.Box(0, kHalf, 800, 2 * kHalf, RGB(255, 255, 255));
    bool ok = true;
    for (int half = 0; half < 2; half++) {
        int x = 10, top = 10 + half * kHalf;
        for (const Part& part : parts) {
            ok = view.Show(data / part.file, x, top, part.width, part.height) && ok;
            ok = view.Show(data / part.file, x, top + part.height + 10, 3 * part.width, 3 * part.height) && ok;
            x += 3 * part.width + 20;
        }
    }
    Note(ok && view.Write(views / "frame-parts.png"), views / "frame-parts.png", errors);
}

}  // namespace

void WriteViews(const Sources& sources, const std::filesystem::path& data, const std::filesystem::path& views,
                std::vector<std::string>& errors) {
    PreparePalette();
    WriteFrameView(data, views, errors);
    WritePartsView(data, views, errors);
    for (const Source& source : sources.sources) {
        if (source.file.ends_with(".MUB")) continue;
        View view(source.width, source.height);
        std::filesystem::path png = views / PngName(source.file);
        Note(view.Show(data / source.file, 0, 0, source.width, source.height) && view.Write(png), png, errors);
    }
}

}  // namespace pictures
