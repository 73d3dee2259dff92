#include "generate.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <map>

namespace fuzz {

uint64_t Random::next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

int64_t Random::between(int64_t low, int64_t high) {
    uint64_t span = uint64_t(high - low) + 1;
    return low + int64_t(next() % span);
}

namespace {

// ---- pictures ----

void put16(std::vector<unsigned char>& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}

void put32(std::vector<unsigned char>& b, uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

// Header sizes: the core header of 12 bytes, the info header and its version 4 and 5 forms.
const int kHeaderSizes[] = {12, 40, 108, 124};
const int kDepths[] = {1, 4, 8, 16, 24, 32};

Picture MakePicture(Random& random, int depth, bool topDown, int headerSize) {
    bool core = headerSize == 12;
    int width = int(random.between(1, 13)), height = int(random.between(1, 11));
    int full = depth <= 8 ? 1 << depth : 0;
    // Info headers may list fewer colours than the depth allows; the core header cannot say so.
    int used = full > 2 && !core && random.chance(40) ? int(random.between(2, full - 1)) : full;
    int entry = core ? 3 : 4;
    size_t stride = size_t((width * depth + 31) / 32 * 4);
    uint32_t offBits = uint32_t(14 + headerSize + used * entry);
    std::vector<unsigned char> b;
    b.push_back('B');
    b.push_back('M');
    put32(b, uint32_t(offBits + stride * size_t(height)));
    put32(b, 0);
    put32(b, offBits);
    put32(b, uint32_t(headerSize));
    if (core) {
        put16(b, uint32_t(width));
        put16(b, uint32_t(height));
        put16(b, 1);
        put16(b, uint32_t(depth));
    } else {
        put32(b, uint32_t(width));
        put32(b, uint32_t(topDown ? -height : height));
        put16(b, 1);
        put16(b, uint32_t(depth));
        put32(b, 0);  // BI_RGB
        put32(b, uint32_t(stride * size_t(height)));
        put32(b, 2835);
        put32(b, 2835);
        put32(b, used == full ? 0 : uint32_t(used));
        put32(b, 0);
        b.resize(14 + size_t(headerSize), 0);
        if (headerSize >= 108) {
            for (int k = 0; k < 4; k++) b[14 + 56 + k] = "BGRs"[3 - k];  // LCS_sRGB
        }
    }
    for (int i = 0; i < used; i++) {
        uint32_t c = uint32_t(random.next());
        b.push_back(uint8_t(c));
        b.push_back(uint8_t(c >> 8));
        b.push_back(uint8_t(c >> 16));
        if (!core) b.push_back(0);
    }
    for (int row = 0; row < height; row++) {
        std::vector<unsigned char> line(stride, 0);
        for (int x = 0; x < width; x++) {
            uint32_t v = uint32_t(random.next());
            switch (depth) {
                case 1: line[size_t(x / 8)] |= uint8_t((v & 1) << (7 - x % 8)); break;
                case 4: line[size_t(x / 2)] |= uint8_t((v % uint32_t(used)) << (x % 2 ? 0 : 4)); break;
                case 8: line[size_t(x)] = uint8_t(v % uint32_t(used)); break;
                case 16:
                    line[size_t(2 * x)] = uint8_t(v);
                    line[size_t(2 * x + 1)] = uint8_t((v >> 8) & 0x7F);
                    break;
                default:
                    // The fourth byte of a 32-bit pixel stays 0: the reference would keep it in the surface.
                    for (int k = 0; k < 3; k++) line[size_t(x * depth / 8 + k)] = uint8_t(v >> (8 * k));
            }
        }
        b.insert(b.end(), line.begin(), line.end());
    }
    char name[64];
    std::snprintf(name, sizeof name, "pic%d_%s_h%d.bmp", depth, topDown ? "down" : "up", headerSize);
    return {name, b};
}

// The info header of a picture that is not plain BI_RGB, its colour table or masks, and its bits.
Picture MakeCodedPicture(const char* name, int width, int height, int depth, uint32_t compression, int headerSize,
                         const std::vector<uint32_t>& table, const std::vector<uint32_t>& masks,
                         const std::vector<unsigned char>& bits) {
    bool masksAfter = !masks.empty() && headerSize == 40;
    uint32_t offBits = uint32_t(14 + headerSize + (masksAfter ? 12 : 0) + table.size() * 4);
    std::vector<unsigned char> b = {'B', 'M'};
    put32(b, uint32_t(offBits + bits.size()));
    put32(b, 0);
    put32(b, offBits);
    put32(b, uint32_t(headerSize));
    put32(b, uint32_t(width));
    put32(b, uint32_t(height));
    put16(b, 1);
    put16(b, uint32_t(depth));
    put32(b, compression);
    put32(b, uint32_t(bits.size()));
    put32(b, 2835);
    put32(b, 2835);
    put32(b, uint32_t(table.size()));
    put32(b, 0);
    for (uint32_t m : masks) put32(b, m);  // inside a version 4 or 5 header, or after an info header
    if (headerSize > 40) b.resize(14 + size_t(headerSize), 0);
    for (uint32_t c : table) put32(b, c & 0xFFFFFF);
    b.insert(b.end(), bits.begin(), bits.end());
    return {name, b};
}

// 16 bits in five, six and five; 32 bits with red and blue swapped.
Picture MakeMaskedPicture(Random& random, int depth, int headerSize) {
    int width = int(random.between(1, 13)), height = int(random.between(1, 11));
    size_t stride = size_t((width * depth + 31) / 32 * 4);
    std::vector<unsigned char> bits(stride * size_t(height), 0);
    for (int row = 0; row < height; row++)
        for (int x = 0; x < width; x++) {
            uint32_t v = uint32_t(random.next()) & (depth == 16 ? 0xFFFF : 0xFFFFFF);
            for (int k = 0; k < depth / 8; k++) bits[size_t(row) * stride + size_t(x * depth / 8 + k)] = uint8_t(v >> (8 * k));
        }
    std::vector<uint32_t> masks = depth == 16 ? std::vector<uint32_t>{0xF800, 0x07E0, 0x001F}
                                              : std::vector<uint32_t>{0x000000FF, 0x0000FF00, 0x00FF0000};
    char name[64];
    std::snprintf(name, sizeof name, "masks%d_h%d.bmp", depth, headerSize);
    return MakeCodedPicture(name, width, height, depth, 3, headerSize, {}, masks, bits);  // BI_BITFIELDS
}

// Run lengths of 8 or 4 bits a pixel: runs of one index (of two alternating for 4 bits), rows ended early,
// and now and then the whole picture ended early, which leaves the rest of the destination as it was.
Picture MakeRunLengthPicture(Random& random, int depth) {
    int width = int(random.between(1, 13)), height = int(random.between(1, 11));
    int colours = int(random.between(2, 16));
    std::vector<uint32_t> table;
    for (int i = 0; i < colours; i++) table.push_back(uint32_t(random.next()));
    std::vector<unsigned char> bits;
    bool endEarly = random.chance(30);
    int rows = endEarly ? int(random.between(0, height - 1)) : height;
    for (int row = 0; row < rows; row++) {
        int x = random.chance(20) ? int(random.between(0, width - 1)) : width;
        for (int at = 0; at < x;) {
            int run = int(std::min<int64_t>(random.between(1, 5), x - at));
            int first = int(random.between(0, colours - 1)), second = int(random.between(0, colours - 1));
            bits.push_back(uint8_t(run));
            bits.push_back(uint8_t(depth == 8 ? first : first << 4 | second));
            at += run;
        }
        bits.push_back(0);
        bits.push_back(0);  // end of the row
    }
    bits.push_back(0);
    bits.push_back(1);  // end of the picture
    char name[64];
    std::snprintf(name, sizeof name, "rle%d.bmp", depth);
    return MakeCodedPicture(name, width, height, depth, depth == 8 ? 1 : 2, 40, table, {}, bits);
}

// ---- scripts ----

// Colours: a few the program paints with, any 24-bit one, and the palette-relative and palette-index forms.
uint32_t Colour(Random& r) {
    static const std::vector<uint32_t> common = {0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF,
                                                 0xFF00FF, 0xFFFF00, 0x808080, 0xC0C0C0, 0x800000, 0x008080};
    uint32_t c = r.chance(60) ? r.pick(common) : uint32_t(r.next()) & 0xFFFFFF;
    int form = int(r.between(1, 100));
    if (form <= 10) return c | 0x02000000;
    if (form <= 13) return 0x01000000 | uint32_t(r.between(0, 20));
    return c;
}

constexpr int kNullBrush = 5;  // GetStockObject(NULL_BRUSH)

const std::vector<uint32_t> kRop3s = {0xCC0020, 0x8800C6, 0xEE0086, 0x660046, 0x330008, 0xC000CA, 0xF00021,
                                      0x5A0049, 0x550009, 0x000042, 0xFF0062, 0x440328, 0x1100A6, 0xBB0226,
                                      0xFB0A09, 0xB8074A, 0xE20746, 0x0A0329};
const std::vector<uint32_t> kPatternRops = {0xF00021, 0x5A0049, 0x550009, 0x000042, 0xFF0062, 0x0F0001, 0xA000C9,
                                            0xFA0089, 0x050089};

// The reference writes 0xFF into a pixel's unused top byte where a raster operation makes 1 of three
// zeros; from then on its fills and colour matches see other colours than ours (a deliberate difference).
bool Rop3SetsTopByte(uint32_t rop) { return (rop >> 16) & 1; }
bool Rop2SetsTopByte(int mode) { return mode % 2 == 0; }

struct DcState {
    std::string name;
    bool mono = false;
    bool hatchSelected = false;  // a hatch brush is selected
    bool nullSelected = false;   // a hollow brush is selected
    bool hatchUsed = false;      // and has drawn since: the reference has fixed its background
    bool ownPalette = false;
    int width = 0, height = 0;
    int rop2 = 13;
};

class ScriptMaker {
public:
    ScriptMaker(uint64_t seed, int index, const std::vector<Picture>& pictures)
        : r_(seed * 1000003u + uint64_t(index)), pictures_(pictures) {}

    std::string Make() {
        width_ = int(r_.chance(80) ? r_.between(8, 64) : r_.between(1, 120));
        height_ = int(r_.chance(80) ? r_.between(8, 48) : r_.between(1, 90));
        emit("size " + std::to_string(width_) + " " + std::to_string(height_));
        dcs_.push_back(NewDc("", false, width_, height_));
        int count = int(r_.between(3, 30));
        for (int i = 0; i < count; i++) Statement();
        return text_;
    }

private:
    DcState& dc() { return dcs_[current_]; }

    static DcState NewDc(const std::string& name, bool mono, int width, int height) {
        DcState d;
        d.name = name;
        d.mono = mono;
        d.width = width;
        d.height = height;
        return d;
    }

    void emit(const std::string& line) { text_ += line + "\n"; }

    std::string fresh(const char* prefix) { return prefix + std::to_string(names_++); }

    static std::string hex(uint32_t v) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "0x%06x", v);
        return buffer;
    }

    std::string num(int64_t v) { return std::to_string(v); }

    // A coordinate along an axis of the given length: mostly on or near the surface, sometimes far off.
    int64_t Coord(int length) {
        int roll = int(r_.between(1, 100));
        if (roll <= 80) return r_.between(-4, length + 4);
        if (roll <= 95) return r_.between(-length - 20, 2 * length + 20);
        return r_.pick(std::vector<int64_t>{-1000, -100000, 1000, 100000});
    }

    // An extent: mostly positive, sometimes negative (mirrored or run backwards), sometimes 0.
    int64_t Extent(int length) {
        int roll = int(r_.between(1, 100));
        if (roll <= 70) return r_.between(1, length + 4);
        if (roll <= 90) return -r_.between(1, length + 4);
        if (roll <= 95) return 0;
        return r_.between(length, 4 * length + 8) * (r_.chance(50) ? 1 : -1);
    }

    std::string Box(int w, int h) {
        return num(Coord(w)) + " " + num(Coord(h)) + " " + num(Coord(w)) + " " + num(Coord(h));
    }

    bool Polluted() const { return polluted_; }

    // A drawing that uses the brush fixes a selected hatch's background in the reference.
    void UseBrush() {
        if (dc().hatchSelected) dc().hatchUsed = true;
    }

    void Statement() {
        // Each kind with its weight; a kind that cannot be made now returns false and another is tried.
        const std::vector<std::pair<int, std::function<bool()>>> kinds = {
            {6, [this] { return MakePen(); }},
            {6, [this] { return MakeBrush(); }},
            {8, [this] { return Select(); }},
            {2, [this] { return Delete(); }},
            {4, [this] { return SetMode(); }},
            {10, [this] { return Line(); }},
            {6, [this] { return Shape(); }},
            {4, [this] { return MakePolygon(); }},
            {4, [this] { return Pixel(); }},
            {5, [this] { return Flood(); }},
            {6, [this] { return Pattern(); }},
            {8, [this] { return Blit(); }},
            {6, [this] { return DibBlit(); }},
            {2, [this] { return Palette(); }},
            {3, [this] { return MakeDc(); }},
            {3, [this] { return SwitchDc(); }},
            {4, [this] { return BlitFrom(); }},
            {2, [this] { return DibsBack(); }},
        };
        int total = 0;
        for (const auto& k : kinds) total += k.first;
        for (int attempt = 0; attempt < 20; attempt++) {
            int64_t roll = r_.between(1, total);
            for (const auto& k : kinds) {
                roll -= k.first;
                if (roll <= 0) {
                    if (k.second()) return;
                    break;
                }
            }
        }
    }

    bool MakePen() {
        std::string name = fresh("p");
        int width = int(r_.chance(40) ? r_.between(0, 1) : r_.between(2, 20));
        int style = r_.chance(90) ? 0 : 5;
        if (r_.chance(10)) {
            emit("GetStockObject " + name + " " + num(r_.between(6, 8)));
        } else {
            emit("CreatePen " + name + " " + num(style) + " " + num(width) + " " + hex(Colour(r_)));
        }
        pens_.push_back(name);
        if (r_.chance(70)) emit("SelectObject " + name);
        return true;
    }

    bool MakeBrush() {
        std::string name = fresh("b");
        int kind = int(r_.between(1, 10));
        bool hatch = false, hollow = false;
        if (kind <= 4) {
            emit("CreateSolidBrush " + name + " " + hex(Colour(r_)));
        } else if (kind <= 8) {
            emit("CreateHatchBrush " + name + " " + num(r_.between(0, 5)) + " " + hex(Colour(r_)));
            hatch = true;
        } else if (kind == 9) {
            emit("CreateHollowBrush " + name);
            hollow = true;
        } else {
            int index = int(r_.between(0, 5));
            emit("GetStockObject " + name + " " + num(index));
            hollow = index == kNullBrush;
        }
        brushes_.push_back({name, hatch, hollow});
        if (r_.chance(75)) SelectBrush(brushes_.back());
        return true;
    }

    struct NamedBrush {
        std::string name;
        bool hatch, hollow;
    };

    void SelectBrush(const NamedBrush& b) {
        emit("SelectObject " + b.name);
        dc().hatchSelected = b.hatch;
        dc().nullSelected = b.hollow;
        dc().hatchUsed = false;
        // A hatch's gaps are kept or painted by the background mode, which it takes at its first use.
        if (b.hatch && r_.chance(50)) emit("SetBkMode " + num(r_.between(1, 2)));
    }

    bool Select() {
        if (r_.chance(50) && !pens_.empty()) {
            emit("SelectObject " + r_.pick(pens_));
            return true;
        }
        if (brushes_.empty()) return false;
        SelectBrush(r_.pick(brushes_));
        return true;
    }

    bool Delete() {
        if (r_.chance(50) && !pens_.empty()) {
            size_t i = size_t(r_.between(0, int64_t(pens_.size()) - 1));
            emit("DeleteObject " + pens_[i]);
            pens_.erase(pens_.begin() + std::ptrdiff_t(i));
            return true;
        }
        if (brushes_.empty()) return false;
        size_t i = size_t(r_.between(0, int64_t(brushes_.size()) - 1));
        emit("DeleteObject " + brushes_[i].name);
        brushes_.erase(brushes_.begin() + std::ptrdiff_t(i));
        return true;
    }

    bool SetMode() {
        int which = int(r_.between(1, 5));
        // Background changes reach a hatch in the reference only before its first use (a deliberate difference).
        bool hatchFixed = dc().hatchSelected && dc().hatchUsed;
        switch (which) {
            case 1: {
                int mode = int(r_.between(1, 16));
                emit("SetROP2 " + num(mode));
                dc().rop2 = mode;
                return true;
            }
            case 2:
                if (hatchFixed) return false;
                emit("SetBkMode " + num(r_.between(1, 2)));
                return true;
            case 3:
                if (hatchFixed) return false;
                emit("SetBkColor " + hex(Colour(r_)));
                return true;
            case 4: emit("SetTextColor " + hex(Colour(r_))); return true;
            // HALFTONE smooths in the reference and drops pixels here (a known difference, stretch_halftone).
            default: emit("SetStretchBltMode " + num(r_.between(1, 3))); return true;
        }
    }

    void DrewWithRop2() {
        if (Rop2SetsTopByte(dc().rop2)) polluted_ = true;
    }

    bool Line() {
        int w = dc().width, h = dc().height;
        emit("MoveToEx " + num(Coord(w)) + " " + num(Coord(h)));
        int segments = int(r_.between(1, 4));
        for (int i = 0; i < segments; i++) emit("LineTo " + num(Coord(w)) + " " + num(Coord(h)));
        DrewWithRop2();
        return true;
    }

    bool Shape() {
        int w = dc().width, h = dc().height;
        int64_t l = Coord(w), t = Coord(h), rgt = Coord(w), b = Coord(h);
        bool ellipse = r_.chance(50);
        if (ellipse && !dc().nullSelected) {
            // The reference puts stray pixels into filled ellipses that are tall or wide for their size; a DC
            // fills with the white stock brush until another is selected.
            int64_t a = std::llabs(rgt - l), c = std::llabs(b - t);
            int64_t low = std::min(a, c), high = std::max(a, c);
            if (low >= 3 && high * 2 >= low * low) return false;
        }
        emit(std::string(ellipse ? "Ellipse " : "Rectangle ") + num(l) + " " + num(t) + " " + num(rgt) + " " + num(b));
        UseBrush();
        DrewWithRop2();
        return true;
    }

    bool MakePolygon() {
        int w = dc().width, h = dc().height;
        int points = int(r_.chance(15) ? r_.between(1, 2) : r_.between(3, 8));
        std::string line = "Polygon";
        for (int i = 0; i < points; i++) line += " " + num(Coord(w)) + " " + num(Coord(h));
        emit(line);
        UseBrush();
        DrewWithRop2();
        return true;
    }

    bool Pixel() {
        int w = dc().width, h = dc().height;
        if (r_.chance(70)) {
            emit("SetPixel " + num(Coord(w)) + " " + num(Coord(h)) + " " + hex(Colour(r_)));
            return true;
        }
        if (Polluted()) return false;
        emit("GetSetPixel " + num(Coord(w)) + " " + num(Coord(h)) + " " + num(r_.between(-3, 3)) + " " +
             num(r_.between(-3, 3)));
        return true;
    }

    bool Flood() {
        if (Polluted()) return false;
        int w = dc().width, h = dc().height;
        if (r_.chance(60)) {
            emit("FloodFillAt " + num(Coord(w)) + " " + num(Coord(h)) + " " + num(r_.between(0, 1)));
        } else {
            emit("ExtFloodFill " + num(Coord(w)) + " " + num(Coord(h)) + " " + hex(Colour(r_)) + " " +
                 num(r_.between(0, 1)));
        }
        UseBrush();
        DrewWithRop2();  // a fill goes through the binary raster operation too
        return true;
    }

    bool Pattern() {
        int w = dc().width, h = dc().height;
        int kind = int(r_.between(1, 10));
        if (kind <= 6) {
            uint32_t rop = r_.chance(70) ? r_.pick(kPatternRops) : AnyRop();
            while (UsesSource(rop)) rop = AnyRop();
            emit("PatBlt " + num(Coord(w)) + " " + num(Coord(h)) + " " + num(Extent(w)) + " " + num(Extent(h)) + " " +
                 hex(rop));
            if (Rop3SetsTopByte(rop)) polluted_ = true;
            UseBrush();
        } else if (kind <= 8) {
            emit("InvertRect " + Box(w, h));
            polluted_ = true;
        } else {
            if (brushes_.empty()) return false;
            const NamedBrush& b = r_.pick(brushes_);
            // FillRect selects the brush for the time of the call: its first use after selection.
            emit("FillRect " + Box(w, h) + " " + b.name);
            if (dc().hatchSelected) dc().hatchUsed = true;
        }
        return true;
    }

    // A source rectangle for a surface: mostly inside, sometimes running off any edge.
    // Onto a single row or column from a longer rectangle that runs off a surface, the reference reads past the
    // surface's edge (a known difference, stretch_single_off_source): from a surface, such rectangles stay inside.
    std::string SourceRect(int w, int h, int64_t dw, int64_t dh, bool surface) {
        for (;;) {
            int64_t sx = r_.chance(70) ? r_.between(0, std::max(0, w - 1)) : Coord(w);
            int64_t sy = r_.chance(70) ? r_.between(0, std::max(0, h - 1)) : Coord(h);
            int64_t sw = r_.chance(30) ? dw : Extent(w), sh = r_.chance(30) ? dh : Extent(h);
            bool across = !SingleFromLonger(dw, sw) || Inside(sx, sw, w);
            bool down = !SingleFromLonger(dh, sh) || Inside(sy, sh, h);
            if (!surface || (across && down)) return num(sx) + " " + num(sy) + " " + num(sw) + " " + num(sh);
        }
    }

    static bool SingleFromLonger(int64_t dstExtent, int64_t srcExtent) {
        return std::llabs(dstExtent) == 1 && std::llabs(srcExtent) > 1;
    }
    static bool Inside(int64_t start, int64_t extent, int length) {
        return std::min(start, start + extent) >= 0 && std::max(start, start + extent) <= length;
    }

    // A raster operation for a blit. Where an operation combines pattern and source, the reference lays a
    // hatch at a phase of its own, makes something of a hollow brush, and reads a source on the destination's
    // own surface part way through its passes (known differences, blit_hatch_phase, blit_null_brush_source and
    // blit_overlap_passes), so those come with solid brushes and other surfaces only.
    uint32_t BlitRop(bool sameSurface) {
        bool plain = !dc().hatchSelected && !dc().nullSelected && !sameSurface;
        uint32_t rop;
        do rop = r_.chance(70) ? r_.pick(kRop3s) : AnyRop();
        while (!plain && UsesPattern(rop) && UsesSource(rop));
        return rop;
    }

    // Any of the 256 operations; the low word, which says how to evaluate it, is ignored by both.
    uint32_t AnyRop() { return uint32_t(r_.between(0, 255)) << 16; }

    static bool UsesPattern(uint32_t rop) { return ((rop >> 20) & 0xF) != ((rop >> 16) & 0xF); }
    static bool UsesSource(uint32_t rop) { return ((rop >> 18) & 0x33) != ((rop >> 16) & 0x33); }

    void UsedRop3(uint32_t rop) {
        if (Rop3SetsTopByte(rop)) polluted_ = true;
        if (UsesPattern(rop)) UseBrush();
    }

    bool Blit() {
        int w = dc().width, h = dc().height;
        uint32_t rop = BlitRop(true);
        int64_t dx = Coord(w), dy = Coord(h), dw = Extent(w), dh = Extent(h);
        if (r_.chance(40)) {
            emit("BitBlt " + num(dx) + " " + num(dy) + " " + num(dw) + " " + num(dh) + " " + num(Coord(w)) + " " +
                 num(Coord(h)) + " " + hex(rop));
        } else {
            emit("StretchBlt " + num(dx) + " " + num(dy) + " " + num(dw) + " " + num(dh) + " " +
                 SourceRect(w, h, dw, dh, true) + " " + hex(rop));
        }
        UsedRop3(rop);
        return true;
    }

    bool DibBlit() {
        if (pictures_.empty()) return false;
        // Colours become black and white on a monochrome surface by matching, which the top byte upsets.
        if (dc().mono && Polluted()) return false;
        int w = dc().width, h = dc().height;
        const Picture& p = r_.pick(pictures_);
        uint32_t rop = r_.chance(60) ? 0xCC0020 : BlitRop(false);
        int64_t dw = Extent(w), dh = Extent(h);
        std::string source = r_.chance(35) ? "0 0 -1 -1" : SourceRect(12, 10, dw, dh, false);
        emit("StretchDIBits " + num(Coord(w)) + " " + num(Coord(h)) + " " + num(dw) + " " + num(dh) + " " + source + " " +
             p.name + " " + hex(rop));
        UsedRop3(rop);
        return true;
    }

    bool Palette() {
        if (r_.chance(50) || palettes_.empty()) {
            std::string name = fresh("pal");
            std::string line = "CreatePalette " + name;
            int count = int(r_.between(1, 12));
            for (int i = 0; i < count; i++) line += " " + hex(Colour(r_) & 0xFFFFFF);
            emit(line);
            palettes_.push_back(name);
            return true;
        }
        emit("SelectPalette " + r_.pick(palettes_) + " " + num(r_.between(0, 1)));
        dc().ownPalette = true;
        if (r_.chance(50)) emit("RealizePalette");
        return true;
    }

    bool MakeDc() {
        if (dcs_.size() >= 4) return false;
        std::string bitmap = fresh("bm"), name = fresh("dc");
        int w = int(r_.between(1, 40)), h = int(r_.between(1, 30));
        int kind = int(r_.between(1, 3));
        if (kind == 1) {
            emit("CreateBitmap " + bitmap + " " + num(w) + " " + num(h));
        } else if (kind == 2) {
            emit("CreateCompatibleBitmap " + bitmap + " " + num(w) + " " + num(h));
        } else {
            emit("CreateDIBSection " + bitmap + " " + num(w) + " " + num(r_.chance(50) ? h : -h));
        }
        emit("CreateDC " + name + " " + bitmap);
        dcs_.push_back(NewDc(name, kind == 1, w, h));
        return true;
    }

    bool SwitchDc() {
        if (dcs_.size() < 2) return false;
        size_t next = size_t(r_.between(0, int64_t(dcs_.size()) - 1));
        if (next == current_) return false;
        current_ = next;
        emit(next == 0 ? "UseMainDC" : "UseDC " + dcs_[next].name);
        return true;
    }

    bool BlitFrom() {
        if (dcs_.size() < 2) return false;
        const DcState& from = dcs_[size_t(r_.between(1, int64_t(dcs_.size()) - 1))];
        if (dc().mono && !from.mono && Polluted()) return false;
        int w = dc().width, h = dc().height;
        uint32_t rop = BlitRop(&from == &dc());
        int64_t dx = Coord(w), dy = Coord(h), dw = Extent(w), dh = Extent(h);
        if (r_.chance(40)) {
            emit("BitBltFrom " + from.name + " " + num(dx) + " " + num(dy) + " " + num(dw) + " " + num(dh) + " " +
                 num(Coord(from.width)) + " " + num(Coord(from.height)) + " " + hex(rop));
        } else {
            emit("StretchBltFrom " + from.name + " " + num(dx) + " " + num(dy) + " " + num(dw) + " " + num(dh) + " " +
                 SourceRect(from.width, from.height, dw, dh, true) + " " + hex(rop));
        }
        UsedRop3(rop);
        return true;
    }

    bool DibsBack() {
        int bits = r_.pick(std::vector<int>{1, 4, 8, 16, 24, 32});
        // The reference gives its default table for 8 bits whatever palette is selected (a deliberate difference).
        if (bits == 8 && dc().ownPalette) return false;
        if (bits <= 8 && Polluted()) return false;
        int w = int(r_.between(1, dc().width + 4)), h = int(r_.between(1, dc().height + 4));
        emit("GetDIBitsBack " + num(bits) + " " + num(w) + " " + num(r_.chance(50) ? h : -h));
        return true;
    }

    Random r_;
    const std::vector<Picture>& pictures_;
    std::string text_;
    int width_ = 0, height_ = 0;
    int names_ = 0;
    bool polluted_ = false;
    std::vector<DcState> dcs_;
    size_t current_ = 0;
    std::vector<std::string> pens_, palettes_;
    std::vector<NamedBrush> brushes_;
};

}  // namespace

std::vector<Picture> MakePictures(uint64_t seed) {
    Random random(seed ^ 0x5049435455524553ull);
    std::vector<Picture> pictures;
    for (int depth : kDepths) {
        for (int headerSize : kHeaderSizes) {
            // The core header has no sign for top-down rows, and no 16 or 32 bits a pixel.
            for (bool topDown : {false, true}) {
                if (headerSize == 12 && (topDown || depth == 16 || depth == 32)) continue;
                pictures.push_back(MakePicture(random, depth, topDown, headerSize));
            }
        }
    }
    for (int depth : {16, 32})
        for (int headerSize : {40, 108, 124}) pictures.push_back(MakeMaskedPicture(random, depth, headerSize));
    pictures.push_back(MakeRunLengthPicture(random, 8));
    pictures.push_back(MakeRunLengthPicture(random, 4));
    return pictures;
}

std::string MakeScript(uint64_t seed, int index, const std::vector<Picture>& pictures) {
    return ScriptMaker(seed, index, pictures).Make();
}

}  // namespace fuzz
