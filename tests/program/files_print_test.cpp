// Printing from the files page: the canvas less its border, in its own proportions within a landscape page or
// about three fifths of a portrait one, as the document "DEDODUDO"; a sound once it is handed over, and a
// box when there is no printer or the printer refuses it.
#include <gtest/gtest.h>

#include "base/tool_groups.h"
#include "canvas/tools.h"
#include "files/save_print.h"
#include "files_helpers.h"
#include "options/option_strip.h"
#include "options/pages.h"

using namespace dab_test;

namespace {

TEST(FilesPrint, PageRectangles) {
    struct Case {
        int pageWidth, pageHeight, pictureWidth, pictureHeight;
        LONG right, bottom;
    };
    const Case cases[] = {
        {2400, 3150, 2400, 1890, 2400, 1890},  // portrait: at most H / 2 + H / 10 tall
        {2400, 3150, 1900, 1000, 2400, 1263},  // a wide screen's picture: its proportions, full width
        {2400, 3150, 800, 600, 2400, 1800},
        {2400, 3150, 600, 800, 1417, 1890},  // taller than the three fifths allow: narrower
        {2479, 3508, 2479, 4000, 1303, 2104},  // A4 at 300 dpi, both quotients truncated
        {3150, 2400, 1900, 1000, 3150, 1657},  // landscape: within the whole page
        {3150, 2400, 800, 600, 3150, 2362},
        {3508, 2480, 800, 600, 3306, 2480},
        {2000, 2000, 1000, 1000, 2000, 2000},  // square counts as landscape
    };
    for (const Case& c : cases) {
        RECT area = PrintedArea(c.pageWidth, c.pageHeight, c.pictureWidth, c.pictureHeight);
        EXPECT_EQ(Sides(area), Sides({0, 0, c.right, c.bottom}))
            << c.pageWidth << "x" << c.pageHeight << " " << c.pictureWidth;
    }
}

// A page the printed picture's own size receives it pixel for pixel: the canvas client less its last
// column and row, as the 8-bit block through the palette keeps them. The print sound says it went.
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
            testing::ClearMediaRecords();
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
            EXPECT_EQ(SoundFiles(), std::vector<std::string>{"a48.mub"});
            EXPECT_TRUE(testing::MessageBoxesShown().empty());
            EXPECT_EQ(CurrentToolState(), kNoToolState);
            EXPECT_EQ(CurrentStrip().toolGroup, kFilesGroup);
        });
    }
}

// The picture keeps its proportions within the page's rectangle: beyond it the page stays white.
TEST(FilesPrint, PortraitAndLandscapePages) {
    struct Case {
        int width, height, pictureWidth, pictureHeight;
    };
    // The picture is 748 × 526 at 800 × 600.
    for (const Case& c : {Case{240, 315, 240, 168}, Case{315, 240, 315, 221}, Case{400, 240, 341, 240}}) {
        SCOPED_TRACE(c.width);
        RunDab({800, 600}, [c] {
            testing::SetDefaultPrinter("Test Printer");
            testing::SetPrinterPage(c.width, c.height, 30);
            // A black canvas with red bands along the right and bottom edges of its printed part.
            PaintCanvas([](int x, int y) {
                return x >= canvasWidth - 22 || y >= canvasHeight - 22 ? kRed : kBlack;
            });
            ClickOnTheFilesPage(kPrint);
            std::vector<testing::PrintJob> jobs = testing::PrintJobs();
            ASSERT_EQ(jobs.size(), 1u);
            ASSERT_EQ(jobs[0].pages.size(), 1u);
            const testing::PrintedPage& page = jobs[0].pages[0];
            int w = c.pictureWidth, h = c.pictureHeight;
            ExpectPixels([&](int x, int y) { return page.Pixel(x, y); },
                         {{0, 0, kBlack}, {w - 1, h / 2, kRed}, {w / 2, h - 1, kRed}, {w / 2, h - 12, kBlack},
                          {w - 12, h / 2, kBlack}});
            for (int y = 0; y < c.height; y++)
                for (int x = y < c.pictureHeight ? c.pictureWidth : 0; x < c.width; x++)
                    ASSERT_EQ(page.Pixel(x, y), kWhite) << x << "," << y;
        });
    }
}

// Without a printer, or with one that refuses the job, a box says so, nothing prints and nothing leaks;
// the print button works again once there is a printer.
TEST(FilesPrint, NoPrinterOrARefusalIsSaid) {
    RunDab({800, 600}, [] {
        testing::SetPrinterPage(100, 80, 30);
        ShowFiles();
        size_t objects = testing::LiveGdiObjects();
        struct Case {
            const char* printer;
            bool refusing;
            std::string box;
        };
        for (const Case& c : {Case{"", false, "Warning: THERE IS NO PRINTER."},
                              Case{"Test Printer", true, "Warning: THE PICTURE WAS NOT PRINTED!"}}) {
            SCOPED_TRACE(c.box);
            testing::SetDefaultPrinter(c.printer);
            testing::RefusePrintJobs(c.refusing);
            testing::ClearMediaRecords();
            testing::AnswerMessageBox(IDOK);
            ClickFilesButton(kPrint);
            EXPECT_EQ(testing::MessageBoxesShown(), std::vector<std::string>{c.box});
            EXPECT_TRUE(SoundFiles().empty());
            EXPECT_TRUE(testing::PrintJobs().empty());
            EXPECT_EQ(testing::LiveGdiObjects(), objects);
            EXPECT_TRUE(IsWindowVisible(canvasWindow));
        }
        testing::RefusePrintJobs(false);
        ClickFilesButton(kPrint);
        EXPECT_EQ(testing::PrintJobs().size(), 1u);
        EXPECT_TRUE(testing::MessageBoxesShown().empty());
    });
}

}  // namespace
