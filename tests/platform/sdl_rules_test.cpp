// The SDL backend's rules that need no display: the whole-number scale of large screens and a parent's
// Scale= and Window= settings, the smallest screen, typed text as single-byte characters, and Windows'
// cursor masks in SDL's terms.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/backend/sdl/rules.h"

namespace {

using backend::sdl::AtLeastSmallest;
using backend::sdl::ChosenScale;
using backend::sdl::CursorPlanes;
using backend::sdl::ParseScaleSetting;
using backend::sdl::ParseScreenSize;
using backend::sdl::ScreenSize;
using backend::sdl::ScaledCursorPlane;
using backend::sdl::TypedCharacters;
using backend::sdl::WholeScale;

TEST(SdlRules, LargeDisplaysShowTheScreenAWholeNumberOfTimesLarger) {
    struct Case {
        int width, height, scale;
    };
    const Case cases[] = {
        {640, 480, 1},   {1366, 768, 1},  {1440, 900, 1},  {1280, 1024, 1}, {1599, 1080, 1},
        {1920, 1080, 2}, {1920, 1079, 1}, {1920, 1200, 2}, {2560, 1440, 2}, {2880, 1800, 3},
        {3840, 2160, 4}, {7680, 4320, 8},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WholeScale(c.width, c.height), c.scale) << c.width << " x " << c.height;
}

// A forced scale holds while it leaves 640 × 480; past that the largest that does, never below 1.
TEST(SdlRules, AForcedScaleLeavesAtLeast640By480) {
    struct Case {
        int width, height;
        std::optional<int> forced;
        int scale;
    };
    const Case cases[] = {
        {1920, 1080, std::nullopt, 2}, {3840, 2160, std::nullopt, 4}, {1920, 1080, 1, 1},
        {1920, 1080, 2, 2},            {1920, 1080, 3, 2},            {1920, 1080, 4, 2},
        {2560, 1440, 3, 3},            {3840, 2160, 4, 4},            {1280, 960, 2, 2},
        {1279, 960, 2, 1},             {1280, 959, 2, 1},             {800, 600, 4, 1},
        {320, 240, 2, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChosenScale(c.width, c.height, c.forced), c.scale)
            << c.width << " x " << c.height << " forced " << c.forced.value_or(0);
}

// Every button lies on a screen of 640 × 480; a display or window short of it on a side is raised to it.
TEST(SdlRules, AScreenShortOf640By480IsRaisedToIt) {
    const struct {
        ScreenSize area, used;
    } cases[] = {
        {{320, 200}, {640, 480}}, {{400, 300}, {640, 480}},   {{639, 480}, {640, 480}},
        {{640, 479}, {640, 480}}, {{1024, 400}, {1024, 480}}, {{600, 800}, {640, 800}},
        {{640, 480}, {640, 480}}, {{800, 600}, {800, 600}},   {{1920, 1080}, {1920, 1080}},
    };
    for (const auto& c : cases) {
        ScreenSize used = AtLeastSmallest(c.area);
        EXPECT_EQ(used, c.used) << c.area.width << " x " << c.area.height << " gave " << used.width << " x "
                                << used.height;
    }
}

TEST(SdlRules, ParentsSettingsReadTheirValuesOrFallBackToTheDefault) {
    const std::nullopt_t none = std::nullopt;
    const struct {
        const char* text;
        std::optional<int> scale;
        std::optional<ScreenSize> window;
    } cases[] = {
        {"1", 1, none}, {"4", 4, none}, {"0", none, none}, {"5", none, none}, {"auto", none, none},
        {"full", none, none}, {"2x", none, none}, {"", none, none}, {"800x600", none, ScreenSize{800, 600}},
        {"1024X768", none, ScreenSize{1024, 768}}, {"64x8192", none, ScreenSize{64, 8192}}, {"63x600", none, none},
        {"800x8193", none, none}, {"800x600x2", none, none}, {"800 x 600", none, none}, {"-800x600", none, none},
        {"99999999999x600", none, none},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseScaleSetting(c.text), c.scale) << '"' << c.text << '"';
        EXPECT_EQ(ParseScreenSize(c.text), c.window) << '"' << c.text << '"';
    }
}

struct TypedCase {
    const char* name;
    const char* utf8;
    std::string bytes;
};

const TypedCase kTypedCases[] = {
    {"plain letters", "dab 1!", "dab 1!"},
    {"Latin-1 letters keep their byte", "a\xC3\xA9" "b", "a\xE9" "b"},
    {"code page letters outside Latin-1", "\xE2\x82\xAC\xC5\x92", "\x80\x8C"},
    {"C1 controls are not the code page's letters", "a\xC2\x85" "b", "ab"},
    {"DEL, controls and emoji dropped", "a\x7F\x09\xF0\x9F\x98\x80" "c", "ac"},
    {"characters the code page lacks dropped", "x\xCE\xB1\xE4\xB8\xAD" "y", "xy"},
    {"a cut-off sequence types nothing", "\xC3", ""},
    {"a broken sequence does not swallow what follows", "\xE2" "ab\x80" "c", "abc"},
};

TEST(SdlRules, TypedTextBecomesTheCodePageBytesAndDropsTheRest) {
    for (const TypedCase& c : kTypedCases) {
        char out[32];
        int n = TypedCharacters(c.utf8, out);
        EXPECT_EQ(std::string(out, size_t(n)), c.bytes) << c.name;
    }
}

TEST(SdlRules, CursorMasksKeepBlackWhiteTransparentAndInverting) {
    backend::CursorImage image;
    // Bits 7..4 of the first byte: black (AND 0, XOR 0), white (0, 1), transparent (1, 0), inverting (1, 1).
    image.andMask[0] = 0x30;
    image.xorMask[0] = 0x50;
    uint8_t data[128], mask[128];
    CursorPlanes(image, data, mask);
    auto bit = [](uint8_t v, int i) { return (v >> (7 - i)) & 1; };
    EXPECT_EQ(bit(data[0], 0) * 2 + bit(mask[0], 0), 3);  // SDL black: data 1, mask 1
    EXPECT_EQ(bit(data[0], 1) * 2 + bit(mask[0], 1), 1);  // SDL white: data 0, mask 1
    EXPECT_EQ(bit(data[0], 2) * 2 + bit(mask[0], 2), 0);  // SDL transparent: data 0, mask 0
    EXPECT_EQ(bit(data[0], 3) * 2 + bit(mask[0], 3), 2);  // SDL inverted: data 1, mask 0
}

// Each pixel of a cursor becomes a block as large as the screen's scale: the corner pixel and one in the
// middle of the last row, at scale 1, 2 and 3.
TEST(SdlRules, CursorsAreDrawnAtTheScreensScale) {
    uint8_t plane[128] = {};
    plane[0] = 0x80;                 // (0, 0)
    plane[31 * 4 + 2] = 0x01;        // (23, 31)
    for (int scale : {1, 2, 3}) {
        SCOPED_TRACE(scale);
        std::vector<uint8_t> scaled = ScaledCursorPlane(plane, scale);
        const int side = 32 * scale;
        ASSERT_EQ(scaled.size(), size_t(side * side / 8));
        int set = 0;
        for (int y = 0; y < side; y++)
            for (int x = 0; x < side; x++) {
                bool on = (scaled[size_t(y * side / 8 + x / 8)] >> (7 - x % 8)) & 1;
                bool expected = (x < scale && y < scale) || (x / scale == 23 && y / scale == 31);
                EXPECT_EQ(on, expected) << x << "," << y;
                set += on;
            }
        EXPECT_EQ(set, 2 * scale * scale);
    }
}

}  // namespace
