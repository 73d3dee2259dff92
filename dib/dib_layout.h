// The numbers of a picture's layout that several of the bitmap operations compute, and the test that a
// header read from a file describes a picture that is safe to hold and draw.
#pragma once

#include <cstdint>

#include "platform/win32.h"

namespace dib {

constexpr WORD kBitmapType = 0x4D42;  // "BM"
constexpr DWORD kInfoHeaderSize = 40;
constexpr DWORD kCoreHeaderSize = 12;
// BITMAPV4HEADER and BITMAPV5HEADER: the 40-byte header, then the colour masks and more.
constexpr DWORD kV4HeaderSize = 108;
constexpr DWORD kV5HeaderSize = 124;
// BI_BITFIELDS: the red, green and blue masks, 4 bytes each, ahead of any colour table.
constexpr WORD kColourMasksSize = 12;

// Bytes of one row of pixels, padded to a multiple of 4. 64 bits, so that no header can overflow it.
uint64_t RowSize(int64_t width, int bitCount);
// Bytes of all rows; top-down pictures (negative height) count as many rows as bottom-up ones.
uint64_t ImageSize(const BITMAPINFOHEADER& info);
// Header, colour table and bits as the block lays them out.
uint64_t BlockLayoutSize(const BITMAPINFOHEADER& info);

// Whether a 40-byte header from a file has numbers that fit together and stay within the limits this
// program holds in memory.
bool HeaderIsSafe(const BITMAPINFOHEADER& info);

// The bytes of bits a block keeps of those a file has left behind its header: what the header states, but
// never more than the file holds, nor fewer than plain rows need when the file holds them.
uint64_t BitsToKeep(const BITMAPINFOHEADER& info, uint64_t bytesInFile);
// Whether the header's image size can hold the picture's pixels: every row of plain bits; for run-length
// bits, at most 255 pixels for every 2 bytes, the most one run writes, since a picture's runs write its
// pixels.
bool BitsHoldThePixels(const BITMAPINFOHEADER& info);

}  // namespace dib
