// Printing: printer DCs only for the default printer, the page they report and draw on, the order of escapes
// and job calls, what reaches the printer (ended pages only, grouped by job), and the PNG file a page goes as.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <zlib.h>

#include "platform/print/png.h"
#include "platform/testing.h"
#include "surfaces.h"
#include "temp_folder.h"

namespace {

constexpr COLORREF kTopLeft = RGB(200, 20, 20), kTopRight = RGB(20, 200, 20);
constexpr COLORREF kBottomLeft = RGB(20, 20, 200), kBottomRight = RGB(200, 200, 20);

// A 2 × 2 picture of 8 bits a pixel, as the program hands its pictures to the printer.
struct Quadrants {
    Quadrants() {
        info().bmiHeader = {sizeof(BITMAPINFOHEADER), 2, 2, 1, 8, BI_RGB, 0, 0, 0, 4, 0};
        const COLORREF colours[] = {kBottomLeft, kBottomRight, kTopLeft, kTopRight};
        for (int i = 0; i < 4; i++)
            info().bmiColors[i] = {GetBValue(colours[i]), GetGValue(colours[i]), GetRValue(colours[i]), 0};
    }
    BITMAPINFO& info() { return *reinterpret_cast<BITMAPINFO*>(block.data()); }
    // Draws the whole picture over the rectangle; true when it drew.
    bool DrawOn(HDC dc, int width, int height) {
        return StretchDIBits(dc, 0, 0, width, height, 0, 0, 2, 2, bits, &info(), DIB_RGB_COLORS, SRCCOPY) == 2;
    }

    std::vector<uint8_t> block = std::vector<uint8_t>(sizeof(BITMAPINFOHEADER) + 4 * sizeof(RGBQUAD));
    // Bottom-up rows of four bytes: the bottom row first.
    const uint8_t bits[8] = {0, 1, 0, 0, 2, 3, 0, 0};
};

void ExpectPage(const testing::PrintedPage& page, std::initializer_list<PixelIs> points) {
    ExpectPixels([&](int x, int y) { return page.Pixel(x, y); }, points);
}

class Printing : public ::testing::Test {
protected:
    void SetUp() override {
        testing::ClearPrintJobs();
        testing::SetDefaultPrinter("Office_Laser");
    }
    void TearDown() override {
        testing::UseSystemDefaultPrinter();
        testing::UseSystemPrinterPage();
        testing::ClearPrintJobs();
    }
    static HDC CreatePrinterDc(LPCSTR device = "Office_Laser") {
        return CreateDCA("winspool", device, "CUPS:", nullptr);
    }
    static void Fill(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
        RECT box{left, top, right, bottom};
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc, &box, brush);
        DeleteObject(brush);
    }
    static int StartJob(HDC dc, const char* name) {
        return Escape(dc, STARTDOC, int(std::strlen(name)), name, nullptr);
    }
};

TEST_F(Printing, OnlyTheDefaultPrinterGivesADc) {
    EXPECT_EQ(CreatePrinterDc("Other_Printer"), nullptr);
    EXPECT_EQ(CreatePrinterDc(nullptr), nullptr);
    HDC dc = CreatePrinterDc("office_laser");
    ASSERT_NE(dc, nullptr);
    EXPECT_TRUE(DeleteDC(dc));

    testing::SetDefaultPrinter("");
    EXPECT_EQ(CreatePrinterDc(), nullptr);
    EXPECT_EQ(CreatePrinterDc(""), nullptr);
    EXPECT_TRUE(testing::PrintJobs().empty());
}

TEST_F(Printing, ThePageIsA4At300DpiUnlessSet) {
    HDC dc = CreatePrinterDc();
    ASSERT_NE(dc, nullptr);
    for (auto [index, value] : {std::pair{HORZRES, 2480}, {VERTRES, 3508}, {LOGPIXELSX, 300}, {LOGPIXELSY, 300},
                                {BITSPIXEL, 24}, {PLANES, 1}})
        EXPECT_EQ(GetDeviceCaps(dc, index), value) << "index " << index;
    int needed = RC_STRETCHDIB | RC_BITBLT | RC_STRETCHBLT;
    EXPECT_EQ(GetDeviceCaps(dc, RASTERCAPS) & needed, needed);
    DeleteDC(dc);

    testing::SetPrinterPage(3150, 2400, 200);
    dc = CreatePrinterDc();
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 3150);
    EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 2400);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 200);
    DeleteDC(dc);
    // The screen keeps its own size beside a printer's.
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, HORZRES), GetSystemMetrics(SM_CXSCREEN));
    ReleaseDC(nullptr, screen);
}

// The program's own sequence: the picture stretched over the page's width and three fifths of its height.
TEST_F(Printing, ThePictureComesOutStretchedOnOnePage) {
    HDC dc = CreatePrinterDc();
    ASSERT_NE(dc, nullptr);
    int width = GetDeviceCaps(dc, HORZRES), height = GetDeviceCaps(dc, VERTRES);
    height = height / 2 + height / 10;
    ASSERT_EQ(height, 2104);
    EXPECT_GT(Escape(dc, STARTDOC, 8, "DEDODUDO", nullptr), 0);
    Quadrants picture;
    EXPECT_TRUE(picture.DrawOn(dc, width, height));
    EXPECT_GT(Escape(dc, NEWFRAME, 0, nullptr, nullptr), 0);
    EXPECT_GT(Escape(dc, ENDDOC, 0, nullptr, nullptr), 0);
    EXPECT_TRUE(DeleteDC(dc));

    std::vector<testing::PrintJob> jobs = testing::PrintJobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].name, "DEDODUDO");
    EXPECT_EQ(jobs[0].printer, "Office_Laser");
    ASSERT_EQ(jobs[0].pages.size(), 1u);
    const testing::PrintedPage& page = jobs[0].pages[0];
    EXPECT_EQ(page.width, 2480);
    EXPECT_EQ(page.height, 3508);
    EXPECT_EQ(page.dpi, 300);
    ExpectPage(page, {{0, 0, kTopLeft}, {1239, 1051, kTopLeft}, {1240, 0, kTopRight}, {2479, 1051, kTopRight},
                      {0, 1052, kBottomLeft}, {1239, 2103, kBottomLeft}, {1240, 1052, kBottomRight},
                      {2479, 2103, kBottomRight}, {0, 2104, kWhite}, {2479, 3507, kWhite}, {2480, 0, CLR_INVALID}});
}

TEST_F(Printing, EachPageStartsWhiteAndEachJobIsKeptApart) {
    testing::SetPrinterPage(60, 40, 50);
    HDC dc = CreatePrinterDc();
    ASSERT_NE(dc, nullptr);
    Fill(dc, 0, 0, 60, 40, kTopLeft);  // before the job: not on any page
    ASSERT_GT(StartJob(dc, "first"), 0);
    Fill(dc, 0, 0, 10, 10, kTopLeft);
    EXPECT_EQ(GetPixel(dc, 5, 5), kTopLeft);
    EXPECT_GT(Escape(dc, NEWFRAME, 0, nullptr, nullptr), 0);
    EXPECT_EQ(GetPixel(dc, 5, 5), kWhite);
    Fill(dc, 50, 30, 60, 40, kBottomRight);
    EXPECT_GT(Escape(dc, NEWFRAME, 0, nullptr, nullptr), 0);
    EXPECT_GT(Escape(dc, ENDDOC, 0, nullptr, nullptr), 0);
    ASSERT_GT(StartJob(dc, "second"), 0);
    EXPECT_GT(Escape(dc, NEWFRAME, 0, nullptr, nullptr), 0);
    EXPECT_GT(Escape(dc, ENDDOC, 0, nullptr, nullptr), 0);
    DeleteDC(dc);

    std::vector<testing::PrintJob> jobs = testing::PrintJobs();
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[0].name, "first");
    ASSERT_EQ(jobs[0].pages.size(), 2u);
    ExpectPage(jobs[0].pages[0], {{5, 5, kTopLeft}, {15, 5, kWhite}, {55, 35, kWhite}});
    ExpectPage(jobs[0].pages[1], {{5, 5, kWhite}, {55, 35, kBottomRight}});
    EXPECT_EQ(jobs[1].name, "second");
    ASSERT_EQ(jobs[1].pages.size(), 1u);
    ExpectPage(jobs[1].pages[0], {{55, 35, kWhite}, {5, 5, kWhite}});
}

TEST_F(Printing, EscapesOutOfOrderFail) {
    testing::SetPrinterPage(60, 40, 50);
    HDC dc = CreatePrinterDc();
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(Escape(dc, NEWFRAME, 0, nullptr, nullptr), SP_ERROR);
    EXPECT_EQ(Escape(dc, ENDDOC, 0, nullptr, nullptr), SP_ERROR);
    EXPECT_EQ(Escape(dc, ABORTDOC, 0, nullptr, nullptr), SP_ERROR);
    EXPECT_EQ(Escape(dc, STARTDOC, 4, nullptr, nullptr), SP_ERROR);
    ASSERT_GT(StartJob(dc, "once"), 0);
    EXPECT_EQ(StartJob(dc, "twice"), SP_ERROR);
    EXPECT_EQ(StartPage(dc), SP_ERROR);  // STARTDOC has started the page already
    // A page never ended is not printed.
    EXPECT_GT(Escape(dc, ENDDOC, 0, nullptr, nullptr), 0);
    EXPECT_EQ(Escape(dc, ENDDOC, 0, nullptr, nullptr), SP_ERROR);
    EXPECT_EQ(Escape(dc, NEWFRAME, 0, nullptr, nullptr), SP_ERROR);
    DeleteDC(dc);
    EXPECT_TRUE(testing::PrintJobs().empty());
}

TEST_F(Printing, JobCallsKeepTheSameOrderAsTheEscapes) {
    testing::SetPrinterPage(60, 40, 50);
    HDC dc = CreatePrinterDc();
    ASSERT_NE(dc, nullptr);
    DOCINFOA info{sizeof(DOCINFOA), "calls", nullptr, nullptr, 0};
    EXPECT_EQ(StartPage(dc), SP_ERROR);
    EXPECT_EQ(EndDoc(dc), SP_ERROR);
    EXPECT_EQ(StartDocA(dc, nullptr), SP_ERROR);
    ASSERT_GT(StartDocA(dc, &info), 0);
    EXPECT_EQ(StartDocA(dc, &info), SP_ERROR);
    EXPECT_EQ(EndPage(dc), SP_ERROR);
    EXPECT_GT(StartPage(dc), 0);
    EXPECT_EQ(StartPage(dc), SP_ERROR);
    Fill(dc, 0, 0, 60, 40, kBottomLeft);
    EXPECT_GT(EndPage(dc), 0);
    EXPECT_GT(EndDoc(dc), 0);
    ASSERT_GT(StartDocA(dc, &info), 0);
    EXPECT_GT(StartPage(dc), 0);
    EXPECT_GT(AbortDoc(dc), 0);
    EXPECT_EQ(AbortDoc(dc), SP_ERROR);
    DeleteDC(dc);

    std::vector<testing::PrintJob> jobs = testing::PrintJobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].name, "calls");
    ASSERT_EQ(jobs[0].pages.size(), 1u);
    EXPECT_EQ(jobs[0].pages[0].Pixel(30, 20), kBottomLeft);
}

// A job prints only once it ends: one aborted, refused or cut short by deleting its DC prints nothing, and a
// refused one leaves the DC ready for the next.
TEST_F(Printing, OnlyEndedJobsPrint) {
    testing::SetPrinterPage(60, 40, 50);
    HDC dc = CreatePrinterDc();
    ASSERT_NE(dc, nullptr);
    ASSERT_GT(StartJob(dc, "cut short"), 0);
    Fill(dc, 0, 0, 60, 40, kTopRight);
    EXPECT_GT(Escape(dc, NEWFRAME, 0, nullptr, nullptr), 0);
    Fill(dc, 0, 0, 60, 40, kBottomRight);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_EQ(Escape(dc, NEWFRAME, 0, nullptr, nullptr), SP_ERROR);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 0);

    dc = CreatePrinterDc();
    ASSERT_GT(StartJob(dc, "aborted"), 0);
    EXPECT_GT(Escape(dc, NEWFRAME, 0, nullptr, nullptr), 0);
    EXPECT_GT(Escape(dc, ABORTDOC, 0, nullptr, nullptr), 0);
    EXPECT_TRUE(testing::PrintJobs().empty());

    testing::RefusePrintJobs(true);
    EXPECT_EQ(StartJob(dc, "refused"), SP_ERROR);
    DOCINFOA info{sizeof(DOCINFOA), "refused", nullptr, nullptr, 0};
    EXPECT_EQ(StartDocA(dc, &info), SP_ERROR);
    EXPECT_EQ(Escape(dc, NEWFRAME, 0, nullptr, nullptr), SP_ERROR);
    testing::RefusePrintJobs(false);
    ASSERT_GT(StartJob(dc, "taken"), 0);
    EXPECT_GT(Escape(dc, NEWFRAME, 0, nullptr, nullptr), 0);
    EXPECT_GT(Escape(dc, ENDDOC, 0, nullptr, nullptr), 0);
    EXPECT_TRUE(DeleteDC(dc));
    std::vector<testing::PrintJob> jobs = testing::PrintJobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].name, "taken");
}

TEST_F(Printing, PrintersSupportTheFiveEscapesAndOtherDevicesNone) {
    HDC dc = CreatePrinterDc();
    ASSERT_NE(dc, nullptr);
    for (int escape : {NEWFRAME, ABORTDOC, QUERYESCSUPPORT, STARTDOC, ENDDOC}) {
        EXPECT_EQ(Escape(dc, QUERYESCSUPPORT, sizeof(int), reinterpret_cast<LPCSTR>(&escape), nullptr), 1);
        WORD shortForm = WORD(escape);
        EXPECT_EQ(Escape(dc, QUERYESCSUPPORT, sizeof(WORD), reinterpret_cast<LPCSTR>(&shortForm), nullptr), 1);
    }
    int nextBand = 3;
    EXPECT_EQ(Escape(dc, QUERYESCSUPPORT, sizeof(int), reinterpret_cast<LPCSTR>(&nextBand), nullptr), 0);
    EXPECT_EQ(Escape(dc, QUERYESCSUPPORT, sizeof(int), nullptr, nullptr), 0);
    EXPECT_EQ(Escape(dc, nextBand, 0, nullptr, nullptr), 0);
    DeleteDC(dc);

    HDC memory = CreateCompatibleDC(nullptr);
    EXPECT_EQ(Escape(memory, STARTDOC, 8, "DEDODUDO", nullptr), 0);
    int startDoc = STARTDOC;
    EXPECT_EQ(Escape(memory, QUERYESCSUPPORT, sizeof(int), reinterpret_cast<LPCSTR>(&startDoc), nullptr), 0);
    DOCINFOA info{sizeof(DOCINFOA), "memory", nullptr, nullptr, 0};
    EXPECT_EQ(StartDocA(memory, &info), SP_ERROR);
    EXPECT_EQ(EndDoc(memory), SP_ERROR);
    DeleteDC(memory);
    EXPECT_EQ(Escape(nullptr, STARTDOC, 8, "DEDODUDO", nullptr), SP_ERROR);
    EXPECT_TRUE(testing::PrintJobs().empty());
}

uint32_t BigEndian(const std::vector<uint8_t>& bytes, size_t at) {
    return uint32_t(bytes[at]) << 24 | uint32_t(bytes[at + 1]) << 16 | uint32_t(bytes[at + 2]) << 8 | bytes[at + 3];
}

// The chunks of a PNG file by type, their bodies as written; empty when the signature is wrong.
std::map<std::string, std::vector<uint8_t>> PngChunks(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::map<std::string, std::vector<uint8_t>> chunks;
    if (bytes.size() < 8 || std::memcmp(bytes.data(), signature, 8) != 0) return chunks;
    for (size_t at = 8; at + 12 <= bytes.size();) {
        size_t length = BigEndian(bytes, at);
        if (at + 12 + length > bytes.size()) break;
        std::string type(bytes.begin() + long(at + 4), bytes.begin() + long(at + 8));
        chunks[type].assign(bytes.begin() + long(at + 8), bytes.begin() + long(at + 8 + length));
        at += 12 + length;
    }
    return chunks;
}

class PagePng : public TempFolder {};

// The rows PNG's filters encoded: each row's filter byte, then its bytes as they are (0) or less the row
// above (2).
std::vector<uint8_t> Unfiltered(const std::vector<uint8_t>& data, size_t rowBytes) {
    std::vector<uint8_t> rows;
    for (size_t at = 0; at + rowBytes + 1 <= data.size(); at += rowBytes + 1) {
        uint8_t filter = data[at];
        for (size_t i = 0; i < rowBytes; i++) {
            uint8_t above = filter == 2 && !rows.empty() ? rows[rows.size() - rowBytes] : 0;
            rows.push_back(uint8_t(data[at + 1 + i] + above));
        }
    }
    return rows;
}

std::vector<uint8_t> Inflated(const std::vector<uint8_t>& data, size_t size) {
    std::vector<uint8_t> out(size + 1);
    uLongf length = uLongf(out.size());
    if (uncompress(out.data(), &length, data.data(), uLong(data.size())) != Z_OK) return {};
    out.resize(length);
    return out;
}

// A page goes to CUPS as a PNG: the pixels, read through the stride, and the density it is to print at.
TEST_F(PagePng, HoldsTheRowsInRgbAndTheirDensity) {
    // Three rows of two pixels, taken out of rows three wide; the last repeats the one above.
    const uint32_t pixels[] = {0x112233, 0x445566, 0xFFFFFF, 0x778899, 0xAABBCC, 0xFFFFFF,
                               0x778899, 0xAABBCC, 0x000000};
    ASSERT_TRUE(print::WritePng("page.png", 2, 3, pixels, 3, 300));
    std::map<std::string, std::vector<uint8_t>> chunks = PngChunks("page.png");
    ASSERT_EQ(chunks["IHDR"].size(), 13u);
    EXPECT_EQ(BigEndian(chunks["IHDR"], 0), 2u);
    EXPECT_EQ(BigEndian(chunks["IHDR"], 4), 3u);
    ASSERT_EQ(chunks["pHYs"].size(), 9u);
    EXPECT_EQ(BigEndian(chunks["pHYs"], 0), 11811u);  // 300 dots an inch in dots a metre
    EXPECT_EQ(BigEndian(chunks["pHYs"], 4), 11811u);
    EXPECT_EQ(chunks["pHYs"][8], 1);
    const std::vector<uint8_t> rows = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99,
                                       0xAA, 0xBB, 0xCC, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC};
    std::vector<uint8_t> data = Inflated(chunks["IDAT"], 3 * 7);
    ASSERT_EQ(data.size(), 3u * 7u);
    EXPECT_EQ(Unfiltered(data, 6), rows);
    // The repeated row is its filter byte and zeros.
    EXPECT_EQ(std::vector<uint8_t>(data.begin() + 14, data.end()), (std::vector<uint8_t>{2, 0, 0, 0, 0, 0, 0}));

    ASSERT_TRUE(print::WritePng("screen.png", 2, 3, pixels, 3));
    EXPECT_EQ(PngChunks("screen.png").count("pHYs"), 0u);
    EXPECT_EQ(PngChunks("screen.png")["IDAT"], chunks["IDAT"]);
    EXPECT_FALSE(print::WritePng("none.png", 0, 2, pixels, 3));
}

// A page of a picture three times enlarged, as a printer gets it, deflates to a small part of its size.
TEST_F(PagePng, APrintedPageDeflatesSmall) {
    const int width = 2400, height = 3000;
    std::vector<uint32_t> page(size_t(width) * height, 0xFFFFFF);
    for (int y = 0; y < 1500; y++)
        for (int x = 0; x < width; x++) page[size_t(y) * width + x] = (x / 3 + y / 3) % 50 < 25 ? 0xCC2020 : 0x2020CC;
    std::vector<uint8_t> png = print::EncodePng(width, height, page.data(), width, 300);
    EXPECT_LT(png.size(), page.size() * 3 / 100) << png.size() << " bytes";
    std::ofstream("big.png", std::ios::binary).write(reinterpret_cast<const char*>(png.data()), long(png.size()));
    std::vector<uint8_t> data = Inflated(PngChunks("big.png")["IDAT"], size_t(height) * (width * 3 + 1));
    std::vector<uint8_t> rows = Unfiltered(data, size_t(width) * 3);
    ASSERT_EQ(rows.size(), size_t(width) * height * 3);
    for (size_t at : {size_t(0), size_t(777) * width + 1234, size_t(1499) * width + 2399, size_t(2999) * width}) {
        uint32_t expected = page[at];
        EXPECT_EQ(rows[at * 3], uint8_t(expected >> 16)) << at;
        EXPECT_EQ(rows[at * 3 + 2], uint8_t(expected)) << at;
    }
}

}  // namespace
