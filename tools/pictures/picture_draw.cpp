#include "picture_draw.h"

#include <cmath>
#include <numbers>
#include <vector>

#include "base/colours.h"
#include "base/state.h"
#include "dib/dib.h"

namespace pictures {

namespace {

constexpr int kWhite = 60, kBlack = 180;
constexpr COLORREF kWhiteRgb = RGB(255, 255, 255);

COLORREF Colour(int entry) { return paletteColours[entry] | kPaletteRelative; }

// The points of an arc, about one every two pixels along it.
std::vector<POINT> ArcPoints(const std::vector<int>& n) {
    double cx = n[0], cy = n[1], rx = n[2], ry = n[3], from = n[4], to = n[5];
    int steps = std::max(2, int(std::abs(to - from) * std::max(rx, ry) / 114.0));
    std::vector<POINT> points;
    for (int i = 0; i <= steps; i++) {
        double angle = (from + (to - from) * i / steps) * std::numbers::pi / 180.0;
        points.push_back({int(std::lround(cx + rx * std::cos(angle))), int(std::lround(cy - ry * std::sin(angle)))});
    }
    return points;
}

// A closed line round an ellipse's outline, inset from the box's edge by that much (outset when negative).
std::vector<POINT> OutlinePoints(const std::vector<int>& box, int inset) {
    int cx2 = box[0] + box[2] - 1, cy2 = box[1] + box[3] - 1;  // twice the centre, in pixel centres
    int rx2 = box[2] - box[0] - 1, ry2 = box[3] - box[1] - 1;
    return ArcPoints({cx2 / 2, cy2 / 2, rx2 / 2 - inset, ry2 / 2 - inset, 0, 360});
}

void DrawLineThrough(HDC dc, const std::vector<POINT>& points) {
    MoveToEx(dc, points[0].x, points[0].y, nullptr);
    for (size_t i = 1; i < points.size(); i++) LineTo(dc, points[i].x, points[i].y);
}

std::vector<POINT> Points(const std::vector<int>& n) {
    std::vector<POINT> points;
    for (size_t i = 0; i + 1 < n.size(); i += 2) points.push_back({n[i], n[i + 1]});
    return points;
}

// A memory DC on the bitmap with the palette realised, keeping the current pen and brush of the commands.
class Drawing {
public:
    Drawing(HBITMAP bitmap, int width, int height) : width_(width), height_(height) {
        dc_ = CreateCompatibleDC(nullptr);
        oldBitmap_ = SelectObject(dc_, bitmap);
        oldPalette_ = SelectPalette(dc_, appPalette, FALSE);
        RealizePalette(dc_);
        oldPen_ = SelectObject(dc_, GetStockObject(BLACK_PEN));
        oldBrush_ = SelectObject(dc_, GetStockObject(NULL_BRUSH));
        Paper(kWhite);
    }

    ~Drawing() {
        SelectObject(dc_, oldPen_);
        SelectObject(dc_, oldBrush_);
        if (pen_) DeleteObject(pen_);
        if (brush_) DeleteObject(brush_);
        SelectPalette(dc_, oldPalette_, FALSE);
        SelectObject(dc_, oldBitmap_);
        DeleteDC(dc_);
    }

    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    void Run(const Command& c) {
        const std::vector<int>& n = c.numbers;
        switch (c.op) {
            case Op::Paper: Paper(c.colour); break;
            case Op::Pen:
                penWidth_ = c.colour < 0 ? 0 : n[0];
                Replace(pen_, c.colour < 0 ? CreatePen(PS_NULL, 1, 0) : CreatePen(PS_SOLID, n[0], Colour(c.colour)),
                        GetStockObject(NULL_PEN));
                break;
            case Op::Brush:
                Replace(brush_, c.colour < 0 ? nullptr : CreateSolidBrush(Colour(c.colour)),
                        GetStockObject(NULL_BRUSH));
                break;
            case Op::Rect: Rectangle(dc_, n[0], n[1], n[2], n[3]); break;
            case Op::Ellipse:
                Ellipse(dc_, n[0], n[1], n[2], n[3]);
                // The engine's wide elliptic outline can leave single pixels open, which would be areas of
                // their own in a colouring picture: the same pen along the outline closes them.
                if (penWidth_ > 1)
                    for (int inset : {-1, 0, 1}) DrawLineThrough(dc_, OutlinePoints(n, inset));
                break;
            case Op::Polygon: {
                std::vector<POINT> points = Points(n);
                Polygon(dc_, points.data(), int(points.size()));
                break;
            }
            case Op::Line: DrawLineThrough(dc_, Points(n)); break;
            case Op::Arc: DrawLineThrough(dc_, ArcPoints(n)); break;
            case Op::Fill: {
                HBRUSH paint = CreateSolidBrush(Colour(c.colour));
                HGDIOBJ kept = SelectObject(dc_, paint);
                ExtFloodFill(dc_, n[0], n[1], GetPixel(dc_, n[0], n[1]) | kPaletteRelative, FLOODFILLSURFACE);
                SelectObject(dc_, kept);
                DeleteObject(paint);
                break;
            }
            case Op::Pixel: SetPixel(dc_, n[0], n[1], Colour(c.colour)); break;
            case Op::Seal: Seal(n[0]); break;
        }
    }

private:
    // Each 4-connected white area of fewer than `least` pixels is flooded black, as the fill tool would.
    void Seal(int least) {
        std::vector<bool> white(size_t(width_) * size_t(height_));
        for (int y = 0; y < height_; y++)
            for (int x = 0; x < width_; x++) white[size_t(y * width_ + x)] = GetPixel(dc_, x, y) == kWhiteRgb;
        std::vector<bool> seen(white.size());
        HBRUSH black = CreateSolidBrush(Colour(kBlack));
        HGDIOBJ kept = SelectObject(dc_, black);
        for (size_t start = 0; start < white.size(); start++) {
            if (!white[start] || seen[start]) continue;
            seen[start] = true;
            std::vector<size_t> open{start};
            int count = 0;
            while (!open.empty()) {
                size_t i = open.back();
                open.pop_back();
                count++;
                int x = int(i % size_t(width_)), y = int(i / size_t(width_));
                auto visit = [&](int nx, int ny) {
                    if (nx < 0 || ny < 0 || nx >= width_ || ny >= height_) return;
                    size_t j = size_t(ny * width_ + nx);
                    if (white[j] && !seen[j]) seen[j] = true, open.push_back(j);
                };
                visit(x + 1, y);
                visit(x - 1, y);
                visit(x, y + 1);
                visit(x, y - 1);
            }
            if (count >= least) continue;
            int x = int(start % size_t(width_)), y = int(start / size_t(width_));
            ExtFloodFill(dc_, x, y, kWhiteRgb | kPaletteRelative, FLOODFILLSURFACE);
        }
        SelectObject(dc_, kept);
        DeleteObject(black);
    }

    void Paper(int entry) {
        HBRUSH paper = CreateSolidBrush(Colour(entry));
        RECT all{0, 0, width_, height_};
        FillRect(dc_, &all, paper);
        DeleteObject(paper);
    }

    // Selects a new pen or brush, or the stock one when there is none, and drops the one it replaces.
    void Replace(HGDIOBJ& held, HGDIOBJ made, HGDIOBJ stock) {
        SelectObject(dc_, made ? made : stock);
        if (held) DeleteObject(held);
        held = made;
    }

    int width_, height_;
    HDC dc_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr, oldPen_ = nullptr, oldBrush_ = nullptr;
    HPALETTE oldPalette_ = nullptr;
    HGDIOBJ pen_ = nullptr, brush_ = nullptr;
    int penWidth_ = 1;
};

}  // namespace

void PreparePalette() {
    if (appPalette) return;
    FillPaletteColours();
    appPalette = BuildAppPalette();
}

HBITMAP DrawSource(const Source& source) {
    PreparePalette();
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, source.width, source.height);
    ReleaseDC(nullptr, screen);
    if (!bitmap) return nullptr;
    Drawing drawing(bitmap, source.width, source.height);
    for (const Command& command : source.commands) drawing.Run(command);
    return bitmap;
}

HGLOBAL PictureBlock(const Source& source) {
    HBITMAP bitmap = DrawSource(source);
    HGLOBAL block = DibFromBitmap(bitmap, 0, 8, appPalette);
    DeleteObject(bitmap);
    return block;
}

bool WritePicture(const Source& source, const std::filesystem::path& folder) {
    HGLOBAL block = PictureBlock(source);
    if (!block) return false;
    bool written = WriteDibFile((folder / source.file).string().c_str(), block) == 1;
    GlobalFree(block);
    return written;
}

}  // namespace pictures
