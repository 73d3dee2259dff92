#include "palette.h"

namespace art {

const std::array<PaletteColour, 16>& Palette() {
    static const std::array<PaletteColour, 16> colours{{
        {"black", 'K', 0x000000},  {"maroon", 'M', 0x800000}, {"green", 'G', 0x008000}, {"olive", 'O', 0x808000},
        {"navy", 'N', 0x000080},   {"purple", 'P', 0x800080}, {"teal", 'T', 0x008080},  {"silver", 'S', 0xC0C0C0},
        {"grey", 'D', 0x808080},   {"red", 'R', 0xFF0000},    {"lime", 'L', 0x00FF00},  {"yellow", 'Y', 0xFFFF00},
        {"blue", 'B', 0x0000FF},   {"fuchsia", 'F', 0xFF00FF}, {"aqua", 'C', 0x00FFFF}, {"white", 'W', 0xFFFFFF},
    }};
    return colours;
}

std::optional<Ink> InkByName(std::string_view name) {
    if (name == "clear") return kClear;
    if (name == "invert") return kInvert;
    const auto& colours = Palette();
    for (size_t i = 0; i < colours.size(); i++)
        if (colours[i].name == name) return Ink(i);
    return std::nullopt;
}

std::optional<Ink> InkByLetter(char letter) {
    if (letter == '.') return kClear;
    if (letter == '~') return kInvert;
    const auto& colours = Palette();
    for (size_t i = 0; i < colours.size(); i++)
        if (colours[i].letter == letter) return Ink(i);
    return std::nullopt;
}

std::string_view InkName(Ink ink) {
    if (ink == kClear) return "clear";
    if (ink == kInvert) return "invert";
    return ink < Palette().size() ? Palette()[ink].name : "?";
}

}  // namespace art
