// The colouring pictures loaded as the picture chooser loads them and filled in with the fill tool in
// colouring mode, area by area: every white area takes its own fill and no other, the black outlines
// stay, the surround is one piece, and each area the source names lies inside a closed shape of its own.
#include <gtest/gtest.h>

#include <deque>

#include "base/colours.h"
#include "canvas/brush_choice.h"
#include "canvas/canvas.h"
#include "canvas/tools.h"
#include "canvas_pixels.h"
#include "pictures_tool.h"

using namespace dab_test;

namespace {

// The white areas of the canvas, 4-connected as the flood fill spreads: a label for each white pixel,
// -1 elsewhere, and the first pixel of each area.
struct WhiteAreas {
    std::vector<int> label;
    std::vector<POINT> first;
};

WhiteAreas FindWhiteAreas(const CanvasImage& image) {
    WhiteAreas areas{std::vector<int>(image.pixels.size(), -1), {}};
    for (int y = 0; y < image.height; y++) {
        for (int x = 0; x < image.width; x++) {
            size_t start = size_t(y * image.width + x);
            if (image.pixels[start] != kWhite || areas.label[start] >= 0) continue;
            int id = int(areas.first.size());
            areas.first.push_back({x, y});
            std::deque<POINT> open{{x, y}};
            areas.label[start] = id;
            while (!open.empty()) {
                POINT p = open.front();
                open.pop_front();
                const POINT next[4] = {{p.x + 1, p.y}, {p.x - 1, p.y}, {p.x, p.y + 1}, {p.x, p.y - 1}};
                for (POINT n : next) {
                    if (n.x < 0 || n.y < 0 || n.x >= image.width || n.y >= image.height) continue;
                    size_t i = size_t(n.y * image.width + n.x);
                    if (image.pixels[i] != kWhite || areas.label[i] >= 0) continue;
                    areas.label[i] = id;
                    open.push_back(n);
                }
            }
        }
    }
    return areas;
}

// As the picture chooser draws a colouring picture: unscaled on a 640 × 480 screen, else over the canvas.
void LoadColouringPicture(const std::string& name) {
    HGLOBAL block = ReadDibFile((ProgramFolder() / name).string().c_str());
    ASSERT_NE(block, nullptr);
    HDC dc = GetDC(canvasWindow);
    HPALETTE kept = SelectPalette(dc, appPalette, FALSE);
    RealizePalette(dc);
    SetStretchBltMode(dc, BLACKONWHITE);
    if (canvasHeight < 500)
        StretchDibToDevice(dc, 0, 0, 590, 408, block, 0, 0, 590, 408, SRCCOPY);
    else
        StretchDibToDevice(dc, 0, 0, canvasWidth, canvasHeight, block, 0, 0, -1, -1, SRCCOPY);
    SelectPalette(dc, kept, FALSE);
    ReleaseDC(canvasWindow, dc);
    GlobalFree(block);
    TakeSnapshot();
    UseColouringMode(true);
}

void ClickCanvas(POINT p) {
    testing::Press(CanvasToScreenX(p.x), CanvasToScreenY(p.y));
    testing::Release(CanvasToScreenX(p.x), CanvasToScreenY(p.y));
    testing::WaitUntilIdle();
}

// A different bright colour for each area in turn, none of them white or black.
const int kFamilies[] = {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15};
int FillFamily(int area) { return kFamilies[area % 15]; }
int FillShade(int area) { return 2 + (area / 15) % 6; }
COLORREF FillColour(int area) { return paletteColours[10 * FillFamily(area) + FillShade(area)]; }

struct Case {
    std::string picture;
    Screen screen;
};
void PrintTo(const Case& c, std::ostream* out) {
    *out << c.picture << " on " << c.screen.width << "x" << c.screen.height;
}

class PicturesColouring : public ::testing::TestWithParam<Case> {};

TEST_P(PicturesColouring, EveryAreaFillsAloneAndTheOutlinesStay) {
    const Case& c = GetParam();
    std::vector<AreaPoint> named;
    for (const AreaPoint& p : ColouringAreas())
        if (p.file == c.picture) named.push_back(p);
    ASSERT_GE(named.size(), 6u) << "the source names the areas a child fills";
    RunDab(c.screen, [&] {
        LoadColouringPicture(c.picture);
        SetToolState(kFillState);
        ChooseFillPattern(2);
        CanvasImage before = ReadCanvas();
        WhiteAreas areas = FindWhiteAreas(before);
        ASSERT_GT(areas.first.size(), named.size());

        // The surround: every white pixel on the canvas's edge is of one area.
        int surround = -1;
        for (int y = 0; y < before.height; y++) {
            for (int x = 0; x < before.width; x++) {
                if (x != 0 && y != 0 && x != before.width - 1 && y != before.height - 1) continue;
                int label = areas.label[size_t(y * before.width + x)];
                if (label < 0) continue;
                if (surround < 0) surround = label;
                ASSERT_EQ(label, surround) << "a second surround at " << x << ", " << y;
            }
        }
        ASSERT_GE(surround, 0);
        // Each named area is closed off from the surround and from every other named area.
        std::vector<int> seen;
        for (const AreaPoint& p : named) {
            int x = p.x * canvasWidth / 590, y = p.y * canvasHeight / 408;
            if (canvasHeight < 500) x = p.x, y = p.y;
            int label = areas.label[size_t(y * before.width + x)];
            ASSERT_GE(label, 0) << "area " << p.x << ", " << p.y << " lies on an outline";
            EXPECT_NE(label, surround) << "area " << p.x << ", " << p.y << " is open to the surround";
            EXPECT_EQ(std::count(seen.begin(), seen.end(), label), 0)
                << "area " << p.x << ", " << p.y << " is open to another named area";
            seen.push_back(label);
        }

        // Fill every white area with the tool, each in its own colour.
        for (size_t k = 0; k < areas.first.size(); k++) {
            ChooseColourFamily(FillFamily(int(k)));
            ChooseShade(FillShade(int(k)));
            ClickCanvas(areas.first[k]);
        }
        CanvasImage after = ReadCanvas();
        int outlineLost = 0, wrong = 0;
        for (size_t i = 0; i < after.pixels.size(); i++) {
            if (before.pixels[i] == kBlack) outlineLost += after.pixels[i] != kBlack;
            if (areas.label[i] >= 0) wrong += after.pixels[i] != FillColour(areas.label[i]);
        }
        EXPECT_EQ(outlineLost, 0) << "outline pixels the fills took";
        EXPECT_EQ(wrong, 0) << "pixels not in the fill of their own area: a fill leaked";
        // Clicking an outline in colouring mode fills nothing.
        auto outline = std::find(before.pixels.begin(), before.pixels.end(), kBlack);
        size_t onOutline = size_t(outline - before.pixels.begin());
        ASSERT_LT(onOutline, before.pixels.size());
        ChooseColourFamily(9);
        ChooseShade(5);
        ClickCanvas({LONG(onOutline % size_t(before.width)), LONG(onOutline / size_t(before.width))});
        EXPECT_EQ(ReadCanvas(), after);
    });
}

std::vector<Case> Cases() {
    std::vector<Case> cases;
    for (const std::string& name : ColouringPictures())
        for (Screen screen : {Screen{640, 480}, Screen{1024, 768}}) cases.push_back({name, screen});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Supplied, PicturesColouring, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             std::string name = info.param.picture.substr(0, info.param.picture.find('.'));
                             return name + "_" + std::to_string(info.param.screen.width);
                         });

}  // namespace
