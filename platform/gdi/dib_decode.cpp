#include "dib_decode.h"

#include <algorithm>
#include <cstring>

#include "colour.h"

namespace gdi {

namespace {

constexpr int64_t kMaxDibExtent = 65536;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;

uint16_t Word(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
uint32_t Dword(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }

bool DepthFitsCompression(int bitCount, DWORD compression) {
    switch (compression) {
        case BI_RGB:
            return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
                   bitCount == 32;
        case BI_RLE8: return bitCount == 8;
        case BI_RLE4: return bitCount == 4;
        case BI_BITFIELDS: return bitCount == 16 || bitCount == 32;
        default: return false;
    }
}

// The top bits of a field, filled to 8 bits: a field of n bits keeps its top n bits of the byte.
constexpr uint32_t kFieldBits[9] = {0x00, 0x80, 0xC0, 0xE0, 0xF0, 0xF8, 0xFC, 0xFE, 0xFF};

}  // namespace

bool DibDecoder::Open(const DeviceContext& d, const BITMAPINFO* info, const void* bits, UINT usage) {
    const auto* raw = reinterpret_cast<const uint8_t*>(info);
    uint32_t headerSize = Dword(raw);
    int64_t height;
    if (headerSize == kCoreHeaderSize) {
        width_ = Word(raw + 4);
        height = Word(raw + 6);
        bitCount_ = Word(raw + 10);
        compression_ = BI_RGB;
    } else if (headerSize >= kInfoHeaderSize) {
        const BITMAPINFOHEADER& h = info->bmiHeader;
        if (h.biWidth <= 0 || h.biWidth > kMaxDibExtent) return false;
        width_ = int(h.biWidth);
        height = h.biHeight;
        bitCount_ = h.biBitCount;
        compression_ = h.biCompression;
    } else {
        return false;
    }
    if (width_ <= 0 || height == 0 || !DepthFitsCompression(bitCount_, compression_)) return false;
    bottomUp_ = height > 0;
    if (!bottomUp_) height = -height;
    if (height > kMaxDibExtent || (runLength() && !bottomUp_)) return false;
    height_ = int(height);
    stride_ = size_t(((int64_t(width_) * bitCount_ + 31) / 32) * 4);
    bits_ = static_cast<const uint8_t*>(bits);

    if (bitCount_ <= 8) {
        bool core = headerSize == kCoreHeaderSize;
        ReadTable(d, raw + headerSize, core ? 3 : 4, core ? 0 : info->bmiHeader.biClrUsed, usage);
    }
    // The masks follow a 40-byte header and are part of the longer ones, at the same place either way.
    uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (bitCount_ == 32) masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
    if (compression_ == BI_BITFIELDS)
        for (int i = 0; i < 3; i++) masks[i] = Dword(raw + kInfoHeaderSize + 4 * i);
    for (int i = 0; i < 3; i++) fields_[i] = FieldOf(masks[i]);
    plainMasks_ = bitCount_ == 32 && masks[0] == 0xFF0000 && masks[1] == 0xFF00 && masks[2] == 0xFF;
    if (!runLength()) return true;
    uint32_t size = info->bmiHeader.biSizeImage;
    if (size == 0) return false;
    runs_.Start(bits_, size, width_, height_, bitCount_, stride_);
    return true;
}

void DibDecoder::ReadTable(const DeviceContext& d, const uint8_t* raw, size_t entrySize, DWORD used, UINT usage) {
    size_t count = size_t(1) << bitCount_;
    if (used && used < count) count = used;
    table_.resize(count);
    if (usage == DIB_PAL_COLORS) {
        for (size_t i = 0; i < count; i++) table_[i] = PixelFromRgb(ResolveColour(d, PALETTEINDEX(Word(raw + 2 * i))));
    } else if (entrySize == 4) {
        // RGBQUADs are surface pixels already, but for the byte that must stay 0.
        for (size_t i = 0; i < count; i++) table_[i] = Dword(raw + 4 * i) & kPixelMask;
    } else {
        for (size_t i = 0; i < count; i++) {
            const uint8_t* q = raw + entrySize * i;
            table_[i] = (uint32_t(q[2]) << 16) | (uint32_t(q[1]) << 8) | q[0];
        }
    }
}

// Each field's top 8 bits, its top bits repeated once below them when it is narrower (5 bits v give
// v << 3 | v >> 2); a mask of several runs of ones counts only its lowest.
DibDecoder::Field DibDecoder::FieldOf(uint32_t mask) {
    Field field;
    if (!mask) return field;
    int shift = 0, length = 0;
    while (!(mask & 1)) mask >>= 1, shift++;
    while (mask & 1) mask >>= 1, length++;
    field.right = shift - (8 - length);
    field.keep = kFieldBits[std::min(length, 8)];
    field.repeat = std::min(length, 8);
    return field;
}

uint32_t DibDecoder::Channel(uint32_t value, const Field& f) {
    uint32_t channel = (f.right < 0 ? value << -f.right : value >> f.right) & f.keep;
    return channel | channel >> f.repeat;
}

uint32_t DibDecoder::FromMasks(uint32_t value) const {
    return Channel(value, fields_[0]) << 16 | Channel(value, fields_[1]) << 8 | Channel(value, fields_[2]);
}

void DibDecoder::ReadRow(int y, int left, int count, uint32_t* out) {
    auto look = [&](size_t i) { return i < table_.size() ? table_[i] : 0u; };
    const uint8_t* row;
    if (runLength()) {
        if (!runs_.Seek(y)) {
            std::fill_n(out, count, look(0));
            return;
        }
        row = runs_.row();
    } else {
        row = bits_ + stride_ * size_t(bottomUp_ ? height_ - 1 - y : y);
    }
    switch (bitCount_) {
        case 1:
            for (int i = 0, x = left; i < count; i++, x++) out[i] = look((row[x / 8] >> (7 - x % 8)) & 1);
            break;
        case 4:
            for (int i = 0, x = left; i < count; i++, x++) out[i] = look((row[x / 2] >> (x % 2 ? 0 : 4)) & 15);
            break;
        case 8:
            for (int i = 0; i < count; i++) out[i] = look(row[left + i]);
            break;
        case 16:
            for (int i = 0, x = left; i < count; i++, x++) out[i] = FromMasks(Word(row + 2 * x));
            break;
        case 24:
            row += 3 * size_t(left);
            for (int i = 0; i < count; i++)
                out[i] = (uint32_t(row[3 * i + 2]) << 16) | (uint32_t(row[3 * i + 1]) << 8) | row[3 * i];
            break;
        default:
            if (plainMasks_) {
                std::memcpy(out, row + 4 * size_t(left), size_t(count) * 4);
                for (int i = 0; i < count; i++) out[i] &= kPixelMask;
            } else {
                for (int i = 0, x = left; i < count; i++, x++) out[i] = FromMasks(Dword(row + 4 * size_t(x)));
            }
    }
}

}  // namespace gdi
