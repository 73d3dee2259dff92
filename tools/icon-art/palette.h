// The colours of the pictures: the sixteen of the standard icon palette, by index, and the two that are no
// colour at all (transparent, and screen-inverting for cursors).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace art {

// A pixel of a picture: 0..15 index the palette, then the two special values.
using Ink = uint8_t;
constexpr Ink kClear = 16;
constexpr Ink kInvert = 17;
constexpr Ink kBlack = 0;
constexpr Ink kWhite = 15;

struct PaletteColour {
    std::string_view name;
    char letter;
    uint32_t rgb;  // 0x00RRGGBB
};

// The standard 16-colour icon palette, in the order of its indices.
const std::array<PaletteColour, 16>& Palette();

// A colour by its name or its grid letter, the special ones included ("clear" and ".", "invert" and "~").
std::optional<Ink> InkByName(std::string_view name);
std::optional<Ink> InkByLetter(char letter);
std::string_view InkName(Ink ink);

}  // namespace art
