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
    if (runLength()) return DecodeRuns(bits_, info->bmiHeader.biSizeImage);
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

void DibDecoder::ReadRow(int y, int left, int count, uint32_t* out) const {
    const uint8_t* rows = runLength() ? runs_.data() : bits_;
    const uint8_t* row = rows + stride_ * size_t(bottomUp_ ? height_ - 1 - y : y);
    auto look = [&](size_t i) { return i < table_.size() ? table_[i] : 0u; };
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

// Runs of one index (for 4 bits, two indices taking turns), escapes 0 (end of line), 1 (end of picture),
// 2 (a jump right and up) and absolute runs of 3 or more indices padded to a whole number of words. A run
// that would leave the row is cut at its end; a jump or line past the top ends the picture. The rows are
// written as plain rows the way the reference writes them, a nibble beyond a 4-bit run included, and a
// span of a row counts as written once an escape closes it.
bool DibDecoder::DecodeRuns(const uint8_t* in, uint32_t size) {
    if (size == 0) return false;
    // Bottom row first, as plain bits of a bottom-up picture lie.
    runs_.assign(stride_ * size_t(height_), 0);
    written_.assign(size_t(width_) * size_t(height_), 0);
    const bool four = bitCount_ == 4;
    int x = 0, y = height_ - 1, left = 0, right = 0;
    auto at = [&](int px, int py) {
        return runs_.data() + stride_ * size_t(height_ - 1 - py) + size_t(four ? px / 2 : px);
    };
    auto closeSpan = [&] {
        if (left != right) std::fill_n(written_.begin() + ptrdiff_t(size_t(y) * size_t(width_) + size_t(left)), right - left, 1);
    };
    uint32_t i = 0;
    while (i < size - 1) {
        int num = in[i];
        uint8_t data = in[i + 1];
        i += 2;
        if (num) {
            num = std::min(num, width_ - x);
            if (num) {
                uint8_t s = data;
                uint8_t* out = at(x, y);
                if (!four) {
                    std::memset(out, s, size_t(num));
                } else {
                    int n = num;
                    if (x & 1) {
                        s = uint8_t(((s >> 4) & 0x0F) | ((s << 4) & 0xF0));
                        *out = uint8_t((*out & 0xF0) | (s & 0x0F));
                        out++;
                        n--;
                    }
                    if (n) std::memset(out, s, size_t(n + 1) / 2);
                }
            }
            x += num;
            right = x;
        } else if (data < 3) {
            closeSpan();
            if (data == 1) break;
            if (data == 0) {
                left = right = x = 0;
                if (--y < 0) break;
            } else {
                if (i >= size - 1) break;
                x = std::min(x + in[i], width_);
                left = right = x;
                y -= in[i + 1];
                if (y < 0) break;
                i += 2;
            }
        } else {
            num = data;
            uint32_t skip = (uint32_t(num) * uint32_t(bitCount_) + 7) / 8;
            skip = (skip + 1) & ~1u;
            if (i + skip > size) break;
            num = std::min(num, width_ - x);
            if (num) {
                uint8_t* out = at(x, y);
                if (!four) {
                    std::memcpy(out, in + i, size_t(num));
                } else if (x & 1) {
                    const uint8_t* from = in + i;
                    for (int k = 0, px = x; k < num; k++, px++) {
                        if (px & 1)
                            *out = uint8_t((*out & 0xF0) | ((*from >> 4) & 0x0F)), out++;
                        else
                            *out = uint8_t((*from++ << 4) & 0xF0);
                    }
                } else {
                    std::memcpy(out, in + i, size_t(num + 1) / 2);
                }
            }
            x += num;
            right = x;
            i += skip;
        }
    }
    return true;
}

}  // namespace gdi
