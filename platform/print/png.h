// A small PNG writer for printed pages and screenshots: 8-bit RGB or RGBA, deflated with zlib. It sits with
// printing because both backends need it: the SDL one sends pages as PNG.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace print {

// The pixels are 0x00RRGGBB words, rows from the top, stride words from one row to the next. With a dpi
// above 0 the file says how large the picture is meant to come out. Empty for an empty picture.
std::vector<uint8_t> EncodePng(int width, int height, const uint32_t* pixels, ptrdiff_t stride, int dpi = 0);

// The same, as a file.
bool WritePng(const std::string& path, int width, int height, const uint32_t* pixels, ptrdiff_t stride,
              int dpi = 0);

// With transparency: 0xAARRGGBB words, rows from the top, one after another.
bool WriteRgbaPng(const std::string& path, int width, int height, const uint32_t* pixels);

}  // namespace print
