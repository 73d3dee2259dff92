// Reading .ico and .cur files: a directory of images, each a BITMAPINFOHEADER of double height, a colour
// table, the XOR image bottom-up, then the AND mask bottom-up.
#include <cstring>

#include "resources.h"

namespace user {

namespace {

uint32_t Read32(const uint8_t* p) { return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24); }
uint16_t Read16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }

struct Image {
    const uint8_t* bits;  // the header
    size_t size;
    int hotX, hotY;       // cursors: the hot spot
};

bool FirstImage(const uint8_t* data, size_t size, int type, Image& image) {
    if (!data || size < 6 + 16 || Read16(data) != 0 || Read16(data + 2) != type || Read16(data + 4) == 0) return false;
    const uint8_t* entry = data + 6;
    uint32_t length = Read32(entry + 8), offset = Read32(entry + 12);
    if (offset > size || length > size - offset || length < 40) return false;
    image = {data + offset, length, Read16(entry + 4), Read16(entry + 6)};
    return true;
}

// The AND mask rows, top first, 4 bytes a row for 32 pixels.
bool Planes(const Image& image, int& bitCount, const uint8_t*& table, const uint8_t*& xorBits, const uint8_t*& andBits) {
    const uint8_t* h = image.bits;
    if (Read32(h) < 40 || int32_t(Read32(h + 4)) != 32 || int32_t(Read32(h + 8)) != 64) return false;
    bitCount = Read16(h + 14);
    if (bitCount != 1 && bitCount != 4) return false;
    uint32_t colours = Read32(h + 32);
    if (colours == 0) colours = 1u << bitCount;
    size_t tableBytes = size_t(colours) * 4, xorBytes = size_t(32) * (bitCount == 1 ? 4 : 16), andBytes = 32 * 4;
    size_t need = Read32(h) + tableBytes + xorBytes + andBytes;
    if (need > image.size) return false;
    table = h + Read32(h);
    xorBits = table + tableBytes;
    andBits = xorBits + xorBytes;
    return true;
}

}  // namespace

bool ParseIcon(const uint8_t* data, size_t size, Icon& icon) {
    Image image;
    int bitCount;
    const uint8_t *table, *xorBits, *andBits;
    if (!FirstImage(data, size, 1, image) || !Planes(image, bitCount, table, xorBits, andBits)) return false;
    icon.width = icon.height = 32;
    icon.andMask.assign(128, 0);
    icon.colours.assign(32 * 32, 0);
    int stride = bitCount == 1 ? 4 : 16;
    for (int row = 0; row < 32; row++) {
        int from = 31 - row;  // bottom-up
        std::memcpy(&icon.andMask[size_t(row * 4)], andBits + from * 4, 4);
        for (int x = 0; x < 32; x++) {
            const uint8_t* r = xorBits + from * stride;
            int index = bitCount == 1 ? (r[x / 8] >> (7 - x % 8)) & 1 : (r[x / 2] >> (x % 2 ? 0 : 4)) & 15;
            const uint8_t* q = table + index * 4;
            icon.colours[size_t(row * 32 + x)] = (uint32_t(q[2]) << 16) | (uint32_t(q[1]) << 8) | q[0];
        }
    }
    return true;
}

bool ParseCursor(const uint8_t* data, size_t size, backend::CursorImage& cursor) {
    Image image;
    int bitCount;
    const uint8_t *table, *xorBits, *andBits;
    if (!FirstImage(data, size, 2, image) || !Planes(image, bitCount, table, xorBits, andBits) || bitCount != 1)
        return false;
    cursor.width = cursor.height = 32;
    cursor.hotX = image.hotX;
    cursor.hotY = image.hotY;
    // A set XOR bit means the colour of entry 1; with the usual black-and-white table that is white.
    bool oneIsWhite = table[4] + table[5] + table[6] > table[0] + table[1] + table[2];
    for (int row = 0; row < 32; row++) {
        int from = 31 - row;
        for (int b = 0; b < 4; b++) {
            cursor.andMask[row * 4 + b] = andBits[from * 4 + b];
            uint8_t x = xorBits[from * 4 + b];
            cursor.xorMask[row * 4 + b] = oneIsWhite ? x : uint8_t(~x);
        }
    }
    return true;
}

}  // namespace user
