#include "dib_runs.h"

#include <algorithm>
#include <cstring>

namespace gdi {

void RunRows::Start(const uint8_t* in, uint32_t size, int width, int height, int bitCount, size_t stride) {
    in_ = in;
    size_ = size;
    width_ = width;
    height_ = height;
    four_ = bitCount == 4;
    row_.assign(stride, 0);
    Restart();
}

void RunRows::Restart() {
    at_ = 0;
    x_ = left_ = right_ = 0;
    y_ = height_ - 1;
    ended_ = false;
    rowY_ = -1;
    touched_ = false;
    written_.clear();
}

bool RunRows::Seek(int y) {
    if (y == rowY_) return touched_;
    if (rowY_ >= 0 && y > rowY_) Restart();
    while (y_ > y && Step(false)) {
    }
    rowY_ = y;
    touched_ = false;
    written_.clear();
    while (y_ == y && Step(true)) {
    }
    return touched_;
}

// Runs of one index (for 4 bits, two indices taking turns), escapes 0 (end of line), 1 (end of picture),
// 2 (a jump right and up) and absolute runs of 3 or more indices padded to a whole number of words. A run
// that would leave the row is cut at its end; a jump or line past the top ends the picture.
bool RunRows::Step(bool write) {
    if (ended_ || at_ + 1 >= size_) return End();
    int num = in_[at_];
    uint8_t data = in_[at_ + 1];
    at_ += 2;
    if (num) {
        num = std::min(num, width_ - x_);
        if (num && write) Write(num, data);
        x_ += num;
        right_ = x_;
        return true;
    }
    if (data < 3) {
        CloseSpan(write);
        if (data == 1) return End();
        if (data == 0) {
            left_ = right_ = x_ = 0;
            if (--y_ < 0) return End();
            return true;
        }
        if (at_ + 1 >= size_) return End();
        x_ = std::min(x_ + in_[at_], width_);
        left_ = right_ = x_;
        y_ -= in_[at_ + 1];
        if (y_ < 0) return End();
        at_ += 2;
        return true;
    }
    num = data;
    uint32_t skip = ((uint32_t(num) * (four_ ? 4 : 8) + 7) / 8 + 1) & ~1u;
    if (at_ + skip > size_) return End();
    num = std::min(num, width_ - x_);
    if (num && write) Copy(num, in_ + at_);
    x_ += num;
    right_ = x_;
    at_ += skip;
    return true;
}

// A span of the row counts as written once an escape closes it.
void RunRows::CloseSpan(bool record) {
    if (record && left_ != right_) written_.emplace_back(left_, right_);
}

void RunRows::Write(int count, uint8_t data) {
    if (!touched_) std::fill(row_.begin(), row_.end(), 0);
    touched_ = true;
    uint8_t* out = row_.data() + (four_ ? x_ / 2 : x_);
    if (!four_) {
        std::memset(out, data, size_t(count));
        return;
    }
    if (x_ & 1) {
        data = uint8_t(((data >> 4) & 0x0F) | ((data << 4) & 0xF0));
        *out = uint8_t((*out & 0xF0) | (data & 0x0F));
        out++;
        count--;
    }
    if (count) std::memset(out, data, size_t(count + 1) / 2);
}

void RunRows::Copy(int count, const uint8_t* from) {
    if (!touched_) std::fill(row_.begin(), row_.end(), 0);
    touched_ = true;
    uint8_t* out = row_.data() + (four_ ? x_ / 2 : x_);
    if (!four_) {
        std::memcpy(out, from, size_t(count));
    } else if (x_ & 1) {
        for (int k = 0, px = x_; k < count; k++, px++) {
            if (px & 1)
                *out = uint8_t((*out & 0xF0) | ((*from >> 4) & 0x0F)), out++;
            else
                *out = uint8_t((*from++ << 4) & 0xF0);
        }
    } else {
        std::memcpy(out, from, size_t(count + 1) / 2);
    }
}

}  // namespace gdi
