#include "rop.h"

#include <array>
#include <cstddef>

namespace gdi {

Rop2Pair MakeRop2(int mode, uint32_t pixel) {
    // The truth table of mode - 1, bit index P*2 + D.
    unsigned table = unsigned((mode - 1) & 15);
    auto bit = [&](int i) -> uint32_t { return (table >> i) & 1 ? 0x00FFFFFFu : 0u; };
    uint32_t p = pixel & 0x00FFFFFF, np = ~pixel & 0x00FFFFFF;
    // For each pen bit: the result with D = 0 is the xor mask, and D's effect is the and mask.
    uint32_t xorMask = (p & bit(2)) | (np & bit(0));
    uint32_t andMask = (p & (bit(2) ^ bit(3))) | (np & (bit(0) ^ bit(1)));
    return {andMask, xorMask};
}

namespace {

Rop3 ComputeRop3(uint8_t code) {
    Rop3 r;
    r.code = code;
    // Moebius transform: the truth table's coefficients in algebraic normal form.
    uint8_t coefficient[8];
    for (int i = 0; i < 8; i++) coefficient[i] = (code >> i) & 1;
    for (int bit = 1; bit < 8; bit <<= 1)
        for (int i = 0; i < 8; i++)
            if (i & bit) coefficient[i] ^= coefficient[i ^ bit];
    // Term i is the product of the operands whose bits (P=4, S=2, D=1) are in i.
    for (int i = 0; i < 8; i++)
        if (coefficient[i]) r.terms |= uint8_t(1u << i);
    return r;
}

}  // namespace

Rop3 MakeRop3(uint32_t rop) {
    static const auto table = [] {
        std::array<Rop3, 256> all;
        for (int code = 0; code < 256; code++) all[std::size_t(code)] = ComputeRop3(uint8_t(code));
        return all;
    }();
    return table[(rop >> 16) & 0xFF];
}

bool Rop3::usesSource() const { return ((code >> 2) & 0x33) != (code & 0x33); }
bool Rop3::usesPattern() const { return ((code >> 4) & 0x0F) != (code & 0x0F); }
bool Rop3::usesDestination() const { return ((code >> 1) & 0x55) != (code & 0x55); }

int Rop2FromRop3(const Rop3& rop) {
    // With S = 0: (P, D) = (1,1) is bit 5, (1,0) bit 4, (0,1) bit 1, (0,0) bit 0.
    unsigned c = rop.code;
    unsigned table = (((c >> 5) & 1) << 3) | (((c >> 4) & 1) << 2) | (((c >> 1) & 1) << 1) | (c & 1);
    return int(table) + 1;
}

Rop3 HatchGapRop3(const Rop3& rop) {
    // The reference works a ternary operation as a sequence of binary passes, and a hatch's pass leaves its
    // gaps alone, so they get what the passes without it make of source and destination. Measured on the
    // reference for each operation: the truth table with P = 0, one hexadecimal digit an operation.
    static const char kGaps[] =
        "018c8a9886a4c21a111111478bebedee81214822828b2dedc123456786a7cdec"
        "41244148844b8deba125156786abc7ea612646628664624971274727877777e7"
        "818888888d8b8de79b294962d96b6de6ae83ea6889aeadeabe274b478bebbdee"
        "c12c856889cbceecde2d47278ddbedeeee2e4e478eeeeeeea12c4a6789aecdef";
    char digit = kGaps[rop.code];
    uint32_t gap = uint32_t(digit <= '9' ? digit - '0' : digit - 'a' + 10);
    return MakeRop3((gap << 4 | gap) << 16);
}

}  // namespace gdi
