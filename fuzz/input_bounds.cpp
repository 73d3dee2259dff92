#include "fuzz/input_bounds.h"

namespace fuzz {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;

uint64_t Unsigned(const uint8_t* bytes, int count) {
    uint64_t value = 0;
    for (int i = count - 1; i >= 0; i--) value = value << 8 | bytes[i];
    return value;
}

// The magnitude of a signed 32-bit field: a negative height is a top-down picture of that many rows.
uint64_t Magnitude(const uint8_t* bytes) {
    int64_t value = int32_t(uint32_t(Unsigned(bytes, 4)));
    return uint64_t(value < 0 ? -value : value);
}

}  // namespace

bool ClaimsLittleEnough(const uint8_t* data, size_t size) {
    size_t info = size >= 2 && data[0] == 'B' && data[1] == 'M' ? kFileHeaderSize : 0;
    if (size < info + 24) return true;
    const uint8_t* header = data + info;
    uint64_t limit = kClaimPerInputByte * size;
    if (Unsigned(header, 4) == kCoreHeaderSize) return Unsigned(header + 4, 2) * Unsigned(header + 6, 2) <= limit;
    uint64_t pixels = Magnitude(header + 4) * Magnitude(header + 8);
    return pixels <= limit && Unsigned(header + 20, 4) <= limit;
}

}  // namespace fuzz
