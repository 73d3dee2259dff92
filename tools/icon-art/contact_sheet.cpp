#include "contact_sheet.h"

#include "platform/print/png.h"
#include "platform/win32.h"
#include "tools/common/dib_section.h"

namespace art {

namespace {

constexpr uint32_t kSheetGrey = 0xC0C0C0;
constexpr uint32_t kHotSpotRed = 0xFF0000;

int Rows(int count) { return (count + kColumns - 1) / kColumns; }

class Sheet {
public:
    Sheet(int width, int height) : width_(width), height_(height) {
        void* bits = nullptr;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateTopDownSection(dc_, width, height, &bits);
        bits_ = static_cast<uint32_t*>(bits);
        oldBitmap_ = SelectObject(dc_, bitmap_);
        font_ = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Liberation Sans");
        oldFont_ = SelectObject(dc_, font_);
        SetBkMode(dc_, TRANSPARENT);
        if (bits_) Box(0, 0, width, height, kSheetGrey);
    }

    ~Sheet() {
        SelectObject(dc_, oldFont_);
        SelectObject(dc_, oldBitmap_);
        DeleteObject(font_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }

    bool Ready() const { return bits_ != nullptr; }

    void Box(int x, int y, int width, int height, uint32_t rgb) {
        for (int row = y; row < y + height; row++)
            for (int column = x; column < x + width; column++) Put(column, row, rgb);
    }

    void Put(int x, int y, uint32_t rgb) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_) bits_[size_t(y) * size_t(width_) + size_t(x)] = rgb;
    }

    // A cell at the given scale on a background: clear shows it, invert turns it over.
    void Picture(const Cell& cell, int x, int y, int scale, uint32_t background) {
        for (int py = 0; py < kCell; py++) {
            for (int px = 0; px < kCell; px++) {
                Ink ink = At(cell, px, py);
                uint32_t rgb = ink == kClear    ? background
                               : ink == kInvert ? ~background & 0xFFFFFF
                                                : Palette()[ink].rgb;
                Box(x + px * scale, y + py * scale, scale, scale, rgb);
            }
        }
    }

    void Label(int x, int y, const std::string& text) {
        RECT box{x, y, x + kTileWidth - 8, y + kLabelHeight};
        DrawTextA(dc_, text.c_str(), int(text.size()), &box, DT_SINGLELINE | DT_NOPREFIX);
    }

    bool Write(const std::string& path) const { return print::WritePng(path, width_, height_, bits_, width_); }

private:
    int width_, height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HFONT font_ = nullptr;
    uint32_t* bits_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr, oldFont_ = nullptr;
};

Spot Tile(int index, int top) {
    return {4 + (index % kColumns) * kTileWidth, top + (index / kColumns) * kTileHeight};
}

// The two halves of a tile, each a background with the 1× and the 3× image.
void DrawTile(Sheet& sheet, Spot tile, const Picture& picture, const Cell& cell, uint32_t first, uint32_t second) {
    sheet.Label(tile.x, tile.y, picture.Name() + "  " + picture.description);
    int top = tile.y + kLabelHeight;
    for (int half = 0; half < 2; half++) {
        int left = tile.x + half * kHalfWidth;
        uint32_t background = half ? second : first;
        sheet.Box(left, top, kHalfWidth, 3 * kCell + 8, background);
        sheet.Picture(cell, left + 4, top + 4, 1, background);
        sheet.Picture(cell, left + 4 + kCell + 4, top + 4, 3, background);
        if (picture.kind != Kind::Cursor) continue;
        // Ticks beside the 1× image, and a box around the hot pixel of the 3× one.
        sheet.Put(left + 4 + picture.hotX, top + 2, kHotSpotRed);
        sheet.Put(left + 2, top + 4 + picture.hotY, kHotSpotRed);
        int hx = left + 4 + kCell + 4 + picture.hotX * 3, hy = top + 4 + picture.hotY * 3;
        for (int i = -1; i <= 3; i++) {
            sheet.Put(hx + i, hy - 1, kHotSpotRed);
            sheet.Put(hx + i, hy + 3, kHotSpotRed);
            sheet.Put(hx - 1, hy + i, kHotSpotRed);
            sheet.Put(hx + 3, hy + i, kHotSpotRed);
        }
    }
}

}  // namespace

SheetLayout ContactSheetSize(int icons, int cursors) {
    return {8 + kColumns * kTileWidth, 4 + (Rows(icons) + Rows(cursors)) * kTileHeight + 8};
}

Spot IconSpot(int index) {
    Spot tile = Tile(index, 4);
    return {tile.x + 4, tile.y + kLabelHeight + 4};
}

Spot CursorSpot(int icons, int index) {
    Spot tile = Tile(index, 4 + Rows(icons) * kTileHeight + 8);
    return {tile.x + 4, tile.y + kLabelHeight + 4};
}

bool WriteContactSheet(const Art& art, const std::string& path) {
    std::vector<const Picture*> icons, cursors;
    for (const Picture& picture : art.pictures) {
        if (picture.broken || !art.cells.count(picture.Name())) continue;
        (picture.kind == Kind::Icon ? icons : cursors).push_back(&picture);
    }
    SheetLayout size = ContactSheetSize(int(icons.size()), int(cursors.size()));
    Sheet sheet(size.width, size.height);
    if (!sheet.Ready()) return false;
    for (size_t i = 0; i < icons.size(); i++) {
        Spot at = IconSpot(int(i));
        DrawTile(sheet, {at.x - 4, at.y - 4 - kLabelHeight}, *icons[i], art.cells.at(icons[i]->Name()), kStripNavy,
                 kSheetWhite);
    }
    for (size_t i = 0; i < cursors.size(); i++) {
        Spot at = CursorSpot(int(icons.size()), int(i));
        DrawTile(sheet, {at.x - 4, at.y - 4 - kLabelHeight}, *cursors[i], art.cells.at(cursors[i]->Name()),
                 kSheetWhite, kCursorDark);
    }
    return sheet.Write(path);
}

}  // namespace art
