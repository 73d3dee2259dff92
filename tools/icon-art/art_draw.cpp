#include "art_draw.h"

#include <algorithm>
#include <stdexcept>

#include "platform/win32.h"
#include "tools/common/dib_section.h"

namespace art {

namespace {

// Clear and invert are drawn as two colours outside the palette and told apart again when the cell is read.
constexpr uint32_t kClearRgb = 0x123456;
constexpr uint32_t kInvertRgb = 0x654321;

uint32_t RgbOf(Ink ink) {
    if (ink == kClear) return kClearRgb;
    if (ink == kInvert) return kInvertRgb;
    return Palette()[ink].rgb;
}

COLORREF ColourOf(Ink ink) {
    uint32_t rgb = RgbOf(ink);
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

Ink InkOf(uint32_t rgb) {
    for (Ink ink = 0; ink <= kInvert; ink++)
        if (RgbOf(ink) == rgb) return ink;
    throw std::logic_error("the engine drew a colour no command gave");
}

// A memory DC on a top-down 32-bit section, with the current pen and brush of the commands.
class Canvas {
public:
    // size: the side in pixels, a multiple of the cell's scaled up from it.
    explicit Canvas(int size = kCell) : size_(size) {
        void* bits = nullptr;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateTopDownSection(dc_, size, size, &bits);
        if (!dc_ || !bitmap_) throw std::runtime_error("the engine gave no surface to draw on");
        bits_ = static_cast<const uint32_t*>(bits);
        oldBitmap_ = SelectObject(dc_, bitmap_);
        oldPen_ = SelectObject(dc_, GetStockObject(BLACK_PEN));
        if (size != kCell) Replace(pen_, CreatePen(PS_SOLID, Width(1), 0));
        oldBrush_ = SelectObject(dc_, GetStockObject(NULL_BRUSH));
        HBRUSH clear = CreateSolidBrush(ColourOf(kClear));
        RECT all{0, 0, size, size};
        FillRect(dc_, &all, clear);
        DeleteObject(clear);
    }

    ~Canvas() {
        SelectObject(dc_, oldPen_);
        SelectObject(dc_, oldBrush_);
        SelectObject(dc_, oldBitmap_);
        if (pen_) DeleteObject(pen_);
        if (brush_) DeleteObject(brush_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }

    void Run(const Command& c) {
        const std::vector<int>& n = c.numbers;
        switch (c.op) {
        case Op::Pen:
            Replace(pen_, c.ink ? CreatePen(PS_SOLID, Width(n[0]), ColourOf(*c.ink)) : CreatePen(PS_NULL, 1, 0));
            break;
        case Op::Brush:
            Replace(brush_, c.ink ? CreateSolidBrush(ColourOf(*c.ink)) : nullptr);
            break;
        case Op::Line:
            MoveToEx(dc_, Centre(n[0]), Centre(n[1]), nullptr);
            for (size_t i = 2; i + 1 < n.size(); i += 2) LineTo(dc_, Centre(n[i]), Centre(n[i + 1]));
            break;
        case Op::Rect:
            Rectangle(dc_, Centre(n[0]), Centre(n[1]), End(n[2]), End(n[3]));
            break;
        case Op::Ellipse:
            Ellipse(dc_, Centre(n[0]), Centre(n[1]), End(n[2]), End(n[3]));
            break;
        case Op::Polygon: {
            std::vector<POINT> points;
            for (size_t i = 0; i + 1 < n.size(); i += 2) points.push_back({Centre(n[i]), Centre(n[i + 1])});
            Polygon(dc_, points.data(), int(points.size()));
            break;
        }
        case Op::Fill: {
            HBRUSH paint = CreateSolidBrush(ColourOf(*c.ink));
            HGDIOBJ kept = SelectObject(dc_, paint);
            int x = Centre(n[0]), y = Centre(n[1]);
            ExtFloodFill(dc_, x, y, GetPixel(dc_, x, y), FLOODFILLSURFACE);
            SelectObject(dc_, kept);
            DeleteObject(paint);
            break;
        }
        case Op::Pixel:
            Block(n[0], n[1], *c.ink);
            break;
        case Op::Grid:
            for (size_t row = 0; row < c.rows.size(); row++)
                for (size_t column = 0; column < c.rows[row].size(); column++)
                    if (std::optional<Ink> ink = InkByLetter(c.rows[row][column]))
                        Block(n[0] + int(column), n[1] + int(row), *ink);
            break;
        }
    }

    // The pixels as 0xAARRGGBB words, rows from the top, clear ones wholly transparent.
    std::vector<uint32_t> ReadRgba() const {
        std::vector<uint32_t> pixels(size_t(size_) * size_t(size_));
        for (size_t i = 0; i < pixels.size(); i++) {
            uint32_t rgb = bits_[i] & 0xFFFFFF;
            pixels[i] = rgb == kClearRgb ? 0 : 0xFF000000 | rgb;
        }
        return pixels;
    }

    Cell Read() const {
        Cell cell;
        for (size_t i = 0; i < cell.size(); i++) cell[i] = InkOf(bits_[i] & 0xFFFFFF);
        return cell;
    }

private:
    // A cell pixel becomes a square of scale × scale; lines and outlines run through the squares' middles,
    // so the drawing keeps its shape and its strokes their weight at every size.
    int Scaled(int v) const { return v * size_ / kCell; }
    int Centre(int v) const { return Scaled(v) + size_ / (2 * kCell); }
    int End(int v) const { return Centre(v - 1) + 1; }
    int Width(int w) const { return size_ == kCell ? w : std::max(1, Scaled(w)); }

    void Block(int x, int y, Ink ink) {
        if (size_ == kCell) {
            SetPixel(dc_, x, y, ColourOf(ink));
            return;
        }
        HBRUSH paint = CreateSolidBrush(ColourOf(ink));
        RECT square{Scaled(x), Scaled(y), Scaled(x + 1), Scaled(y + 1)};
        FillRect(dc_, &square, paint);
        DeleteObject(paint);
    }

    // Selects a new pen or brush (a null brush is the hollow one) and drops the one it replaces.
    void Replace(HGDIOBJ& held, HGDIOBJ made) {
        SelectObject(dc_, made ? made : GetStockObject(NULL_BRUSH));
        if (held) DeleteObject(held);
        held = made;
    }

    int size_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    const uint32_t* bits_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr, oldPen_ = nullptr, oldBrush_ = nullptr;
    HGDIOBJ pen_ = nullptr, brush_ = nullptr;
};

}  // namespace

Cell DrawPicture(const Picture& picture) {
    Canvas canvas;
    for (const Command& command : picture.commands) canvas.Run(command);
    return canvas.Read();
}

std::vector<uint32_t> DrawPictureLarge(const Picture& picture, int size) {
    Canvas canvas(size);
    for (const Command& command : picture.commands) canvas.Run(command);
    return canvas.ReadRgba();
}

}  // namespace art
