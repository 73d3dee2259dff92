// The rows of a run-length picture (BI_RLE8, BI_RLE4), decoded one at a time in the order the runs hold
// them, bottom row first, into a single plain row: a picture costs one row however large it claims to be.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace gdi {

class RunRows {
public:
    void Start(const uint8_t* in, uint32_t size, int width, int height, int bitCount, size_t stride);

    // Decodes row y (0 the top row). Rows are asked for from the bottom up; a row below the last one asked
    // for starts the runs over. False when no run wrote into the row: all its pixels are colour 0.
    bool Seek(int y);
    // The row last sought as plain bits, written the way the reference writes them (a nibble beyond a 4-bit
    // run included). Valid only when Seek returned true.
    const uint8_t* row() const { return row_.data(); }
    // The spans [left, right) of that row that the runs wrote, each closed by an escape.
    const std::vector<std::pair<int, int>>& written() const { return written_; }

private:
    void Restart();
    // Takes the next code; writes into the row only when asked to. False at the end of the runs.
    bool Step(bool write);
    bool End() {
        ended_ = true;
        return false;
    }
    void Write(int count, uint8_t data);
    void Copy(int count, const uint8_t* from);
    void CloseSpan(bool record);

    const uint8_t* in_ = nullptr;
    uint32_t size_ = 0, at_ = 0;
    int width_ = 0, height_ = 0;
    bool four_ = false;
    int x_ = 0, y_ = 0, left_ = 0, right_ = 0;
    bool ended_ = false;
    int rowY_ = -1;         // the row held, -1 before the first
    bool touched_ = false;  // whether any run wrote into it
    std::vector<uint8_t> row_;
    std::vector<std::pair<int, int>> written_;
};

}  // namespace gdi
