// A minimal PNG writer for screenshots: 8-bit RGB, stored (uncompressed) deflate blocks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace backend::headless {

bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);

}  // namespace backend::headless
