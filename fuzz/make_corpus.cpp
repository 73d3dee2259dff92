// Writes the fuzzer's seed pictures into the folder named on the command line: small files of every depth
// and header form the reader takes, the cases its tests pin down, and a few it refuses.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Bytes {
    std::vector<uint8_t> data;
    void Add(uint64_t value, int size) {
        for (int i = 0; i < size; i++) data.push_back(uint8_t(value >> (8 * i)));
    }
    void Add(const std::vector<uint8_t>& more) { data.insert(data.end(), more.begin(), more.end()); }
};

struct Seed {
    int32_t width = 5, height = 3;
    uint16_t bitCount = 8;
    uint32_t compression = 0, sizeImage = 0, clrUsed = 0;
    int tableEntries = -1;  // -1: what the depth and clrUsed give
    bool fileHeader = true, core = false;
    std::vector<uint8_t> bits;  // empty: rows of a pattern
};

std::vector<uint8_t> Pattern(size_t count, unsigned seed) {
    std::vector<uint8_t> bytes(count);
    for (size_t i = 0; i < count; i++) bytes[i] = uint8_t(i * 29 + seed * 71 + (i >> 5));
    return bytes;
}

std::vector<uint8_t> FileOf(const Seed& seed) {
    int entries = seed.tableEntries >= 0 ? seed.tableEntries
                  : seed.clrUsed        ? int(seed.clrUsed)
                  : seed.bitCount <= 8  ? 1 << seed.bitCount
                                        : 0;
    int entrySize = seed.core ? 3 : 4;
    std::vector<uint8_t> table = Pattern(size_t(entries * entrySize), seed.bitCount);
    int64_t rows = seed.height < 0 ? -int64_t(seed.height) : seed.height;
    std::vector<uint8_t> bits = seed.bits.empty()
                                    ? Pattern(size_t((seed.width * seed.bitCount + 31) / 32 * 4 * rows), seed.width)
                                    : seed.bits;
    uint32_t headerSize = seed.core ? 12 : 40;
    Bytes file;
    if (seed.fileHeader) {
        uint32_t offBits = 14 + headerSize + uint32_t(table.size());
        file.Add(0x4D42, 2);
        file.Add(offBits + bits.size(), 4);
        file.Add(0, 4);
        file.Add(offBits, 4);
    }
    file.Add(headerSize, 4);
    if (seed.core) {
        file.Add(uint16_t(seed.width), 2);
        file.Add(uint16_t(seed.height), 2);
        file.Add(1, 2);
        file.Add(seed.bitCount, 2);
    } else {
        file.Add(uint32_t(seed.width), 4);
        file.Add(uint32_t(seed.height), 4);
        file.Add(1, 2);
        file.Add(seed.bitCount, 2);
        file.Add(seed.compression, 4);
        file.Add(seed.sizeImage, 4);
        file.Add(2835, 4);
        file.Add(2835, 4);
        file.Add(seed.clrUsed, 4);
        file.Add(0, 4);
    }
    file.Add(table);
    file.Add(bits);
    return file.data;
}

std::vector<std::pair<std::string, Seed>> Seeds() {
    std::vector<std::pair<std::string, Seed>> seeds;
    for (uint16_t bitCount : {1, 4, 8, 16, 24, 32}) {
        Seed seed;
        seed.bitCount = bitCount;
        seeds.push_back({"depth" + std::to_string(bitCount) + ".bmp", seed});
    }
    Seed bare;
    bare.fileHeader = false;
    seeds.push_back({"no-file-header.bmp", bare});
    Seed core;
    core.core = true;
    seeds.push_back({"core8.bmp", core});
    core.bitCount = 24;
    core.fileHeader = false;
    seeds.push_back({"core24-no-file-header.bmp", core});
    Seed twenty;
    twenty.clrUsed = 20;
    seeds.push_back({"twenty-colours.bmp", twenty});
    Seed topDown;
    topDown.height = -4;
    topDown.bitCount = 4;
    seeds.push_back({"top-down.bmp", topDown});
    Seed runs;
    runs.compression = 1;
    runs.bits = {3, 1, 2, 7, 0, 0, 0, 3, 9, 8, 7, 0, 0, 2, 1, 1, 4, 0, 1};
    runs.sizeImage = uint32_t(runs.bits.size());
    seeds.push_back({"rle8.bmp", runs});
    runs.bitCount = 4;
    runs.compression = 2;
    runs.bits = {4, 0x12, 0, 0, 0, 5, 0x34, 0x56, 0x70, 0, 0, 1};
    runs.sizeImage = uint32_t(runs.bits.size());
    seeds.push_back({"rle4.bmp", runs});
    Seed masks;
    masks.bitCount = 16;
    masks.compression = 3;
    masks.tableEntries = 3;
    seeds.push_back({"bitfields16.bmp", masks});
    Seed shortFile;
    shortFile.bitCount = 24;
    shortFile.bits = Pattern(7, 5);
    seeds.push_back({"short-bits.bmp", shortFile});
    Seed stated;
    stated.sizeImage = 9;
    seeds.push_back({"stated-size-small.bmp", stated});
    Seed wide;
    wide.width = 16384;
    wide.height = 1;
    wide.bitCount = 1;
    seeds.push_back({"wide.bmp", wide});
    Seed refused;
    refused.bitCount = 2;
    seeds.push_back({"refused-depth.bmp", refused});
    refused.bitCount = 8;
    refused.clrUsed = 300;
    refused.tableEntries = 4;
    seeds.push_back({"refused-colours.bmp", refused});
    return seeds;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    for (const auto& [name, seed] : Seeds()) {
        std::vector<uint8_t> bytes = FileOf(seed);
        std::ofstream out(std::string(argv[1]) + "/" + name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", name.c_str());
            return 1;
        }
    }
    return 0;
}
