// Where the committed tunes and their note lists are, and reading a file whole.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

inline std::filesystem::path SourceFolder() { return DAB_SOURCE_DIR; }
inline std::filesystem::path TuneFile(int n) { return SourceFolder() / "data" / ("dab" + std::to_string(n) + ".mid"); }

inline std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
