// How much work one input may ask for. A header stating a picture far larger than the input spends the
// fuzzer's time allocating and decoding pixels that no byte of the input chose, where no fault is found.
#pragma once

#include <cstddef>
#include <cstdint>

namespace fuzz {

// Pixels and image bytes an input's header may state for each byte of the input. An uncompressed
// picture states at most 8 pixels a byte; run-length coding stays reachable well past that.
constexpr uint64_t kClaimPerInputByte = 64;

// Whether the picture the input's header states, read where the reader reads it (behind a file header
// when the input begins with one), stays within kClaimPerInputByte for each byte of the input. An input
// too short to state a size passes: the reader refuses it at once.
bool ClaimsLittleEnough(const uint8_t* data, size_t size);

}  // namespace fuzz
