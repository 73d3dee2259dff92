// Random replay scripts of the kinds a paint program draws, and the pictures they draw from.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

// splitmix64: the same numbers from the same seed on every machine and compiler.
class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}
    uint64_t next();
    // An integer in [low, high].
    int64_t between(int64_t low, int64_t high);
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <typename T>
    const T& pick(const std::vector<T>& items) {
        return items[size_t(between(0, int64_t(items.size()) - 1))];
    }

private:
    uint64_t state_;
};

// A BMP file for StretchDIBits: its name in the script's folder and its bytes.
struct Picture {
    std::string name;
    std::vector<unsigned char> bytes;
};

// The pictures every script of a run may draw: each depth, bottom-up and top-down, each header form.
std::vector<Picture> MakePictures(uint64_t seed);

// Script number `index` of the run with this seed, drawing from the pictures by name.
std::string MakeScript(uint64_t seed, int index, const std::vector<Picture>& pictures);

}  // namespace fuzz
