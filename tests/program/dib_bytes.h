// The bytes of blocks and files for the picture file tests.
#pragma once

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "dib/dib.h"

namespace dab_test {

inline std::vector<uint8_t> BlockBytes(HGLOBAL block) {
    const auto* bytes = static_cast<const uint8_t*>(GlobalLock(block));
    std::vector<uint8_t> copy(bytes, bytes + GlobalSize(block));
    GlobalUnlock(block);
    return copy;
}

// A block of size bytes, zero but for the count bytes it starts with.
inline HGLOBAL BlockOf(const void* bytes, size_t count, size_t size) {
    HGLOBAL block = GlobalAlloc(GHND, size);
    std::memcpy(GlobalLock(block), bytes, count);
    GlobalUnlock(block);
    return block;
}

inline std::vector<uint8_t> FileContents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace dab_test
