// The SDL backend's pure rules, kept apart so that tests can check them without a display.
#pragma once

#include <cstdint>

#include "platform/backend/display.h"

namespace backend::sdl {

// The largest whole factor that leaves at least 1024 × 768, on displays of 2048 × 1536 and more; else 1.
inline int WholeScale(int width, int height) {
    if (width < 2048 || height < 1536) return 1;
    int k = 1;
    while (width / (k + 1) >= 1024 && height / (k + 1) >= 768) k++;
    return k;
}

// Typed text arrives as UTF-8; the program reads single-byte characters, so Latin-1 ones pass, control
// characters and the rest are dropped. Fills out (room for 32) and gives the count.
inline int TypedCharacters(const char* text, char out[32]) {
    int n = 0;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p && n < 32;) {
        unsigned code = 0x100;
        int length = 1;
        if (*p < 0x80) {
            code = *p;
        } else if ((*p & 0xE0) == 0xC0 && (p[1] & 0xC0) == 0x80) {
            code = ((p[0] & 0x1Fu) << 6) | (p[1] & 0x3Fu);
            length = 2;
        } else if ((*p & 0xF0) == 0xE0) {
            length = 3;
        } else if ((*p & 0xF8) == 0xF0) {
            length = 4;
        }
        if (code >= 0x20 && code < 0x100 && code != 0x7F) out[n++] = char(code);
        for (int i = 0; i < length && *p; i++) p++;
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

}  // namespace backend::sdl
