// Printing from the files page: the canvas less its border, stretched over a landscape page or about three
// fifths of a portrait one, as the document "DEDODUDO"; nothing without a printer.
#include <gtest/gtest.h>

#include "canvas/tools.h"
#include "files/save_print.h"
#include "files_helpers.h"
#include "options/pages.h"

using namespace dab_test;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

TEST(FilesPrint, PageRectangles) {
    struct Case {
        int width, height;
        RECT area;
    };
    const Case cases[] = {
        {2400, 3150, {0, 0, 2400, 1890}},  // portrait: H / 2 + H / 10
        {3150, 2400, {0, 0, 3150, 2400}},  // landscape: the whole page
        {2000, 2000, {0, 0, 2000, 2000}},  // square counts as landscape
        {2479, 3508, {0, 0, 2479, 2104}},  // A4 at 300 dpi, both quotients truncated
    };
    for (const Case& c : cases) {
        RECT area = PrintedArea(c.width, c.height);
        EXPECT_EQ(area.left, c.area.left);
        EXPECT_EQ(area.top, c.area.top);
        EXPECT_EQ(area.right, c.area.right) << c.width << "x" << c.height;
        EXPECT_EQ(area.bottom, c.area.bottom) << c.width << "x" << c.height;
    }
}

// A page the printed picture's own size receives it pixel for pixel: the canvas client less its last
// column and row, as the 8-bit block through the palette keeps them.
TEST(FilesPrint, ThePrintedPictureIsTheCanvasLessItsBorder) {
    for (Screen screen : {Screen{640, 480}, Screen{1024, 768}}) {
        SCOPED_TRACE(screen.width);
        RunDab(screen, [] {
            testing::SetDefaultPrinter("Test Printer");
            int width = canvasWidth - 2, height = canvasHeight - 2;
            testing::SetPrinterPage(width, height, 96);
            PaintCanvas(PaletteChecks);
            std::vector<COLORREF> canvas = CanvasClient();
            ShowFiles();
            ClickFilesButton(kPrint);
            std::vector<testing::PrintJob> jobs = testing::PrintJobs();
            ASSERT_EQ(jobs.size(), 1u);
            EXPECT_EQ(jobs[0].name, "DEDODUDO");
            EXPECT_EQ(jobs[0].printer, "Test Printer");
            ASSERT_EQ(jobs[0].pages.size(), 1u);
            const testing::PrintedPage& page = jobs[0].pages[0];
            ASSERT_EQ(page.width, width);
            ASSERT_EQ(page.height, height);
            std::vector<COLORREF> printed;
            for (int y = 0; y < height; y++)
                for (int x = 0; x < width; x++) printed.push_back(page.Pixel(x, y));
            EXPECT_TRUE(printed == canvas);
            EXPECT_EQ(toolState, kNoToolState);
            EXPECT_EQ(toolGroup, kFilesGroup);
        });
    }
}

// The picture is stretched into the page's rectangle, whatever its proportions: below it a portrait page
// stays white.
TEST(FilesPrint, PortraitAndLandscapePages) {
    struct Case {
        int width, height, pictureHeight;
    };
    for (const Case& c : {Case{240, 315, 188}, Case{315, 240, 240}}) {
        SCOPED_TRACE(c.width);
        RunDab({800, 600}, [c] {
            testing::SetDefaultPrinter("Test Printer");
            testing::SetPrinterPage(c.width, c.height, 30);
            // A black canvas with red bands along the right and bottom edges of its printed part.
            PaintCanvas([](int x, int y) {
                return x >= canvasWidth - 22 || y >= canvasHeight - 22 ? RGB(255, 0, 0) : RGB(0, 0, 0);
            });
            ShowFiles();
            ClickFilesButton(kPrint);
            std::vector<testing::PrintJob> jobs = testing::PrintJobs();
            ASSERT_EQ(jobs.size(), 1u);
            ASSERT_EQ(jobs[0].pages.size(), 1u);
            const testing::PrintedPage& page = jobs[0].pages[0];
            EXPECT_EQ(page.Pixel(0, 0), RGB(0, 0, 0));
            EXPECT_EQ(page.Pixel(c.width - 1, c.pictureHeight / 2), RGB(255, 0, 0));
            EXPECT_EQ(page.Pixel(c.width / 2, c.pictureHeight - 1), RGB(255, 0, 0));
            EXPECT_EQ(page.Pixel(c.width / 2, c.pictureHeight - 12), RGB(0, 0, 0));
            EXPECT_EQ(page.Pixel(c.width - 12, c.pictureHeight / 2), RGB(0, 0, 0));
            for (int y = c.pictureHeight; y < c.height; y++)
                for (int x = 0; x < c.width; x++) ASSERT_EQ(page.Pixel(x, y), kWhite) << x << "," << y;
        });
    }
}

TEST(FilesPrint, WithoutAPrinterNothingPrintsAndNothingLeaks) {
    RunDab({800, 600}, [] {
        testing::SetDefaultPrinter("");
        ShowFiles();
        size_t objects = testing::LiveGdiObjects();
        ClickFilesButton(kPrint);
        EXPECT_TRUE(testing::PrintJobs().empty());
        EXPECT_EQ(testing::LiveGdiObjects(), objects);
        EXPECT_TRUE(IsWindowVisible(canvasWindow));
    });
}

}  // namespace
