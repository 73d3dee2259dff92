#include "art_draw.h"

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
    Canvas() {
        void* bits = nullptr;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateTopDownSection(dc_, kCell, kCell, &bits);
        if (!dc_ || !bitmap_) throw std::runtime_error("the engine gave no surface to draw on");
        bits_ = static_cast<const uint32_t*>(bits);
        oldBitmap_ = SelectObject(dc_, bitmap_);
        oldPen_ = SelectObject(dc_, GetStockObject(BLACK_PEN));
        oldBrush_ = SelectObject(dc_, GetStockObject(NULL_BRUSH));
        HBRUSH clear = CreateSolidBrush(ColourOf(kClear));
        RECT all{0, 0, kCell, kCell};
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
            Replace(pen_, c.ink ? CreatePen(PS_SOLID, n[0], ColourOf(*c.ink)) : CreatePen(PS_NULL, 1, 0));
            break;
        case Op::Brush:
            Replace(brush_, c.ink ? CreateSolidBrush(ColourOf(*c.ink)) : nullptr);
            break;
        case Op::Line:
            MoveToEx(dc_, n[0], n[1], nullptr);
            for (size_t i = 2; i + 1 < n.size(); i += 2) LineTo(dc_, n[i], n[i + 1]);
            break;
        case Op::Rect:
            Rectangle(dc_, n[0], n[1], n[2], n[3]);
            break;
        case Op::Ellipse:
            Ellipse(dc_, n[0], n[1], n[2], n[3]);
            break;
        case Op::Polygon: {
            std::vector<POINT> points;
            for (size_t i = 0; i + 1 < n.size(); i += 2) points.push_back({n[i], n[i + 1]});
            Polygon(dc_, points.data(), int(points.size()));
            break;
        }
        case Op::Fill: {
            HBRUSH paint = CreateSolidBrush(ColourOf(*c.ink));
            HGDIOBJ kept = SelectObject(dc_, paint);
            ExtFloodFill(dc_, n[0], n[1], GetPixel(dc_, n[0], n[1]), FLOODFILLSURFACE);
            SelectObject(dc_, kept);
            DeleteObject(paint);
            break;
        }
        case Op::Pixel:
            SetPixel(dc_, n[0], n[1], ColourOf(*c.ink));
            break;
        case Op::Grid:
            for (size_t row = 0; row < c.rows.size(); row++)
                for (size_t column = 0; column < c.rows[row].size(); column++)
                    if (std::optional<Ink> ink = InkByLetter(c.rows[row][column]))
                        SetPixel(dc_, n[0] + int(column), n[1] + int(row), ColourOf(*ink));
            break;
        }
    }

    Cell Read() const {
        Cell cell;
        for (size_t i = 0; i < cell.size(); i++) cell[i] = InkOf(bits_[i] & 0xFFFFFF);
        return cell;
    }

private:
    // Selects a new pen or brush (a null brush is the hollow one) and drops the one it replaces.
    void Replace(HGDIOBJ& held, HGDIOBJ made) {
        SelectObject(dc_, made ? made : GetStockObject(NULL_BRUSH));
        if (held) DeleteObject(held);
        held = made;
    }

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

}  // namespace art
