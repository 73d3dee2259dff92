// Raster operations: binary ones as an (and, xor) pair, ternary ones as a table.
#pragma once

#include <cstdint>

namespace gdi {

// A binary raster operation applied with one pen pixel: D = (D & andMask) ^ xorMask.
struct Rop2Pair {
    uint32_t andMask;
    uint32_t xorMask;
    uint32_t apply(uint32_t d) const { return (d & andMask) ^ xorMask; }
    bool leavesDestination() const { return andMask == 0x00FFFFFF && xorMask == 0; }
};
// mode is R2_BLACK..R2_WHITE; any other value acts as R2_COPYPEN would not: it is masked to 1..16.
Rop2Pair MakeRop2(int mode, uint32_t pixel);

// A ternary raster operation as its algebraic normal form: the XOR of the products of
// pattern, source and destination whose coefficient is set. Evaluated bitwise on pixels.
struct Rop3 {
    uint8_t code = 0xCC;  // the boolean function's truth table, index P*4 + S*2 + D
    uint8_t terms = 0;    // bit m set: the product of the operands in m (4 = P, 2 = S, 1 = D) is in
    bool usesSource() const;
    bool usesPattern() const;
    bool usesDestination() const;
    uint32_t apply(uint32_t p, uint32_t s, uint32_t d) const {
        uint32_t r = 0;
        if (terms & 0x01) r ^= 0x00FFFFFF;
        if (terms & 0x02) r ^= d;
        if (terms & 0x04) r ^= s;
        if (terms & 0x08) r ^= s & d;
        if (terms & 0x10) r ^= p;
        if (terms & 0x20) r ^= p & d;
        if (terms & 0x40) r ^= p & s;
        if (terms & 0x80) r ^= p & s & d;
        return r & 0x00FFFFFF;
    }
};
// From a DWORD raster operation such as SRCCOPY (its third byte is the truth table).
Rop3 MakeRop3(uint32_t rop);
// The binary operation a ternary one is when it ignores the source (PatBlt).
int Rop2FromRop3(const Rop3& rop);
// What a blit does where a hatch in TRANSPARENT mode has a gap: an operation of source and destination
// alone, whatever the pattern.
Rop3 HatchGapRop3(const Rop3& rop);

}  // namespace gdi
