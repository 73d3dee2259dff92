#include "image_files.h"

namespace art {

namespace {

void Put16(std::vector<uint8_t>& out, unsigned value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

constexpr uint32_t kHeaderSize = 40;
constexpr uint32_t kMaskBytes = kCell * 4;

// The directory of one image (type 1 icon, 2 cursor), then its header; the image follows at once.
std::vector<uint8_t> Start(unsigned type, unsigned colours, unsigned field4, unsigned field6, unsigned bitCount) {
    uint32_t tableBytes = (1u << bitCount) * 4, xorBytes = uint32_t(kCell) * kCell * bitCount / 8;
    std::vector<uint8_t> out;
    Put16(out, 0);
    Put16(out, type);
    Put16(out, 1);
    out.push_back(kCell);
    out.push_back(kCell);
    out.push_back(uint8_t(colours));
    out.push_back(0);
    Put16(out, field4);  // icons: planes; cursors: the hot spot's x
    Put16(out, field6);  // icons: bits a pixel; cursors: the hot spot's y
    Put32(out, kHeaderSize + tableBytes + xorBytes + kMaskBytes);
    Put32(out, 6 + 16);
    Put32(out, kHeaderSize);
    Put32(out, kCell);
    Put32(out, kCell * 2);  // the XOR image and the mask, one above the other
    Put16(out, 1);
    Put16(out, bitCount);
    Put32(out, 0);  // uncompressed
    Put32(out, xorBytes + kMaskBytes);
    Put32(out, 0);  // no resolution
    Put32(out, 0);
    Put32(out, 1u << bitCount);
    Put32(out, 0);
    return out;
}

void PutMask(std::vector<uint8_t>& out, const Cell& cell) {
    for (int y = kCell - 1; y >= 0; y--) {  // bottom-up
        for (int x = 0; x < kCell; x += 8) {
            uint8_t byte = 0;
            for (int bit = 0; bit < 8; bit++) {
                Ink ink = At(cell, x + bit, y);
                if (ink == kClear || ink == kInvert) byte |= uint8_t(0x80 >> bit);
            }
            out.push_back(byte);
        }
    }
}

}  // namespace

std::vector<uint8_t> IconFile(const Cell& cell) {
    std::vector<uint8_t> out = Start(1, 16, 1, 4, 4);
    for (const PaletteColour& colour : Palette()) Put32(out, colour.rgb);  // blue, green, red, 0
    for (int y = kCell - 1; y >= 0; y--) {
        for (int x = 0; x < kCell; x += 2) {
            auto index = [&](int at) { Ink ink = At(cell, at, y); return ink < 16 ? ink : 0; };
            out.push_back(uint8_t(index(x) << 4 | index(x + 1)));
        }
    }
    PutMask(out, cell);
    return out;
}

std::vector<uint8_t> CursorFile(const Cell& cell, int hotX, int hotY) {
    std::vector<uint8_t> out = Start(2, 2, unsigned(hotX), unsigned(hotY), 1);
    Put32(out, 0x000000);
    Put32(out, 0xFFFFFF);
    for (int y = kCell - 1; y >= 0; y--) {
        for (int x = 0; x < kCell; x += 8) {
            uint8_t byte = 0;
            for (int bit = 0; bit < 8; bit++) {
                Ink ink = At(cell, x + bit, y);
                if (ink == kWhite || ink == kInvert) byte |= uint8_t(0x80 >> bit);
            }
            out.push_back(byte);
        }
    }
    PutMask(out, cell);
    return out;
}

}  // namespace art
