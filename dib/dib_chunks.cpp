// Moving pixel bits and file headers between files and memory, 32768 bytes per system call at most.
#include "dib/dib.h"

namespace {

constexpr DWORD kChunk = 32768;

}  // namespace

DWORD ReadInChunks(HFILE file, void* buffer, DWORD count) {
    auto* bytes = static_cast<BYTE*>(buffer);
    DWORD remaining = count;
    while (remaining > kChunk) {
        if (_lread(file, bytes, kChunk) != kChunk) return 0;
        bytes += kChunk;
        remaining -= kChunk;
    }
    return _lread(file, bytes, remaining) == remaining ? count : 0;
}

DWORD WriteInChunks(HFILE file, const void* buffer, DWORD count) {
    auto* bytes = static_cast<const char*>(buffer);
    DWORD remaining = count;
    while (remaining > kChunk) {
        if (_lwrite(file, bytes, kChunk) != kChunk) return 0;
        bytes += kChunk;
        remaining -= kChunk;
    }
    return _lwrite(file, bytes, remaining) == remaining ? count : 0;
}

// The header is the type and then the other 12 bytes, which the packed record holds contiguously.
void ReadFileHeader(HFILE file, BITMAPFILEHEADER* header) {
    auto* bytes = reinterpret_cast<BYTE*>(header);
    _lread(file, bytes, sizeof(WORD));
    _lread(file, bytes + sizeof(WORD), sizeof(BITMAPFILEHEADER) - sizeof(WORD));
}

void WriteFileHeader(HFILE file, const BITMAPFILEHEADER* header) {
    auto* bytes = reinterpret_cast<const char*>(header);
    _lwrite(file, bytes, sizeof(WORD));
    _lwrite(file, bytes + sizeof(WORD), sizeof(BITMAPFILEHEADER) - sizeof(WORD));
}
