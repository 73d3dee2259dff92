// The pixels of a device-independent bitmap as StretchDIBits is handed it: a 40-byte (or longer) header or
// the 12-byte core header, a colour table or the three colour masks, and bits that are plain rows or
// run-length coded. Rows are read one at a time, so a large picture is never widened whole, nor are its runs.
#pragma once

#include <cstdint>
#include <vector>

#include "dc.h"
#include "dib_runs.h"

namespace gdi {

class DibDecoder {
public:
    // False for a picture StretchDIBits refuses: an unknown header, depth or compression, a compression
    // that does not fit the depth, a top-down run-length picture, or a size beyond 65536 either way.
    bool Open(const DeviceContext& d, const BITMAPINFO* info, const void* bits, UINT usage);

    int width() const { return width_; }
    int height() const { return height_; }
    bool bottomUp() const { return bottomUp_; }
    bool runLength() const { return compression_ == BI_RLE8 || compression_ == BI_RLE4; }

    // Pixels [left, left + count) of row y (0 the top row) as surface pixels. Run-length pictures are
    // read fastest from the bottom row up, the order of their runs.
    void ReadRow(int y, int left, int count, uint32_t* out);
    // Whether row y is colour 0 throughout because no run wrote into it (run-length pictures only).
    bool RowIsBlank(int y) { return runLength() && !runs_.Seek(y); }
    // Run-length pictures: the spans of row y that the runs wrote. Pixels they skip (by a delta, the end of
    // a line or of the picture) read as colour 0, but a copy of the whole picture at its size leaves them
    // alone.
    const std::vector<std::pair<int, int>>& WrittenSpans(int y) {
        runs_.Seek(y);
        return runs_.written();
    }

private:
    // A colour mask as the shift that brings its top 8 bits to the low byte, those bits, and its width.
    struct Field {
        int right = 0;
        uint32_t keep = 0;
        int repeat = 0;
    };
    static Field FieldOf(uint32_t mask);
    static uint32_t Channel(uint32_t value, const Field& f);
    uint32_t FromMasks(uint32_t value) const;
    // The colour table at raw: entries of entrySize bytes, as many as used says (0: as the depth allows).
    void ReadTable(const DeviceContext& d, const uint8_t* raw, size_t entrySize, DWORD used, UINT usage);

    int width_ = 0, height_ = 0, bitCount_ = 0;
    DWORD compression_ = BI_RGB;
    bool bottomUp_ = true;
    size_t stride_ = 0;
    const uint8_t* bits_ = nullptr;
    std::vector<uint32_t> table_;
    Field fields_[3];
    bool plainMasks_ = true;  // 32 bits a pixel laid out as the surface's own pixels
    RunRows runs_;
};

}  // namespace gdi
