// The SDL backend's pure rules, kept apart so that tests can check them without a display.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/backend/display.h"

namespace backend::sdl {

// The largest whole factor that leaves a screen of at least 800 × 540, so that a child's targets keep their
// size on today's large displays; 1 on smaller ones.
inline int WholeScale(int width, int height) {
    int k = 1;
    while (width / (k + 1) >= 800 && height / (k + 1) >= 540) k++;
    return k;
}

// The least a forced scale must leave: the smallest screen the program is made for.
constexpr int kSmallestWidth = 640, kSmallestHeight = 480;

// The scale for a display or window of that size: a parent's forced scale (Scale=N) unless it would leave
// less than 640 × 480, then the largest that does not; WholeScale when nothing is forced.
inline int ChosenScale(int width, int height, std::optional<int> forced) {
    if (!forced) return WholeScale(width, height);
    int k = *forced;
    while (k > 1 && (width / k < kSmallestWidth || height / k < kSmallestHeight)) k--;
    return k;
}

struct ScreenSize {
    int width = 0, height = 0;
    bool operator==(const ScreenSize&) const = default;
};

// The size dab runs at on a display or in a window of that size: a side shorter than 640 × 480 is raised to
// it, so that every button lies on the screen; the display then shows a window of that size.
inline ScreenSize AtLeastSmallest(ScreenSize area) {
    return {std::max(area.width, kSmallestWidth), std::max(area.height, kSmallestHeight)};
}

// "WxH" (DAB_SCREEN, or Window=) with each side from 64 to 8192; nothing for anything else.
inline std::optional<ScreenSize> ParseScreenSize(std::string_view text) {
    auto number = [&text](int& value) {
        size_t digits = 0;
        value = 0;
        while (digits < text.size() && digits < 5 && text[digits] >= '0' && text[digits] <= '9')
            value = value * 10 + (text[digits++] - '0');
        text.remove_prefix(digits);
        return digits > 0 && value >= 64 && value <= 8192;
    };
    ScreenSize size;
    if (!number(size.width) || text.empty() || (text[0] != 'x' && text[0] != 'X')) return std::nullopt;
    text.remove_prefix(1);
    if (!number(size.height) || !text.empty()) return std::nullopt;
    return size;
}

// Scale=1 to 4 forces that scale; "auto" and anything else leave the rule of WholeScale.
inline std::optional<int> ParseScaleSetting(std::string_view text) {
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '4') return text[0] - '0';
    return std::nullopt;
}

// The byte of the Windows ANSI code page (1252) for a character, or 0 when it has none or is a control:
// an ANSI window's WM_CHAR carries that byte.
inline unsigned char AnsiByte(uint32_t code) {
    // Code page 1252's characters at 0x80 to 0x9F; 0 where the code page leaves the byte unused.
    static const uint16_t kHigh[32] = {0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                       0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                       0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
    if ((code >= 0x20 && code < 0x7F) || (code >= 0xA0 && code <= 0xFF)) return static_cast<unsigned char>(code);
    for (int i = 0; i < 32; i++)
        if (kHigh[i] != 0 && kHigh[i] == code) return static_cast<unsigned char>(0x80 + i);
    return 0;
}

// Typed text arrives as UTF-8; the program reads single-byte characters of the ANSI code page, so each
// character becomes its byte there; control characters, characters the code page lacks and broken
// sequences are dropped, never passed on as some other byte. Fills out (room for 32), gives the count.
inline int TypedCharacters(const char* text, char out[32]) {
    int n = 0;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p && n < 32;) {
        int length = *p < 0x80 ? 1 : (*p & 0xE0) == 0xC0 ? 2 : (*p & 0xF0) == 0xE0 ? 3 : (*p & 0xF8) == 0xF0 ? 4 : 0;
        uint32_t code = length == 1 ? *p : length == 2 ? (*p & 0x1Fu) : length == 3 ? (*p & 0x0Fu) : (*p & 0x07u);
        int i = 1;
        for (; i < length && (p[i] & 0xC0) == 0x80; i++) code = (code << 6) | (p[i] & 0x3Fu);
        if (length == 0 || i < length) {
            // A stray continuation byte or a cut-off sequence: skip only what belongs to it.
            p += length == 0 ? 1 : i;
            continue;
        }
        if (unsigned char byte = AnsiByte(code)) out[n++] = char(byte);
        p += length;
    }
    return n;
}

// Windows' AND and XOR masks in SDL's terms: data = NOT (AND XOR XOR), mask = NOT AND. Black (0, 0) and
// white (0, 1) stay; transparent (1, 0) and inverting (1, 1) become SDL's transparent and inverted.
inline void CursorPlanes(const CursorImage& image, uint8_t data[128], uint8_t mask[128]) {
    for (int i = 0; i < 128; i++) {
        data[i] = uint8_t(~(image.andMask[i] ^ image.xorMask[i]));
        mask[i] = uint8_t(~image.andMask[i]);
    }
}

// A plane of CursorPlanes with each pixel made a scale × scale block, for a cursor 32 × scale pixels a side
// that keeps its size beside a screen shown scale times larger.
inline std::vector<uint8_t> ScaledCursorPlane(const uint8_t plane[128], int scale) {
    const int side = 32 * scale, rowBytes = side / 8;
    std::vector<uint8_t> scaled(size_t(rowBytes) * size_t(side));
    for (int y = 0; y < side; y++)
        for (int x = 0; x < side; x++) {
            int from = (y / scale) * 32 + x / scale;
            if ((plane[from / 8] >> (7 - from % 8)) & 1) scaled[size_t(y * rowBytes + x / 8)] |= uint8_t(0x80 >> (x % 8));
        }
    return scaled;
}

}  // namespace backend::sdl
