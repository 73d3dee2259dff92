// Reading picture files into blocks: with and without the file header, the 12-byte core header, tables
// of every size, files that end early, and headers that are refused.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "dib/dib.h"
#include "dib_bytes.h"
#include "tests/platform/temp_folder.h"

namespace {

// The bytes of a picture file, appended field by field in the file's little-endian order: each field a value
// and its size in bytes.
struct FileBytes {
    std::vector<uint8_t> bytes;
    void Add(std::initializer_list<std::pair<uint64_t, int>> fields) {
        for (auto [value, size] : fields)
            for (int i = 0; i < size; i++) bytes.push_back(uint8_t(value >> (8 * i)));
    }
    void Add(const std::vector<uint8_t>& more) { bytes.insert(bytes.end(), more.begin(), more.end()); }
    // The file header, whose bits start at offBits.
    void AddFileHeader(uint32_t offBits, size_t bitsSize) {
        Add({{0x4D42, 2}, {offBits + bitsSize, 4}, {0, 4}, {offBits, 4}});
    }
};

struct Picture {
    int32_t width = 3, height = 2;
    uint16_t bitCount = 8;
    uint32_t compression = BI_RGB, sizeImage = 0, clrUsed = 0;
    std::vector<uint8_t> table{};  // as the file stores it
    std::vector<uint8_t> bits{};

    std::vector<uint8_t> InfoFile(bool withFileHeader, uint32_t gap = 0) const {
        FileBytes file;
        if (withFileHeader) file.AddFileHeader(14 + 40 + uint32_t(table.size()) + gap, bits.size());
        file.Add({{40, 4}, {uint32_t(width), 4}, {uint32_t(height), 4}, {1, 2}, {bitCount, 2}, {compression, 4},
                  {sizeImage, 4}, {2835, 4}, {2835, 4}, {clrUsed, 4}, {0, 4}});
        file.Add(table);
        file.Add(std::vector<uint8_t>(gap, 0xEE));
        file.Add(bits);
        return file.bytes;
    }

    std::vector<uint8_t> CoreFile(bool withFileHeader) const {
        FileBytes file;
        if (withFileHeader) file.AddFileHeader(14 + 12 + uint32_t(table.size()), bits.size());
        file.Add({{12, 4}, {uint16_t(width), 2}, {uint16_t(height), 2}, {1, 2}, {bitCount, 2}});
        file.Add(table);
        file.Add(bits);
        return file.bytes;
    }
};

std::vector<uint8_t> Sequence(size_t count, int seed) {
    std::vector<uint8_t> bytes(count);
    for (size_t i = 0; i < count; i++) bytes[i] = uint8_t(i * 37 + size_t(seed) * 11 + (i >> 8));
    return bytes;
}

BITMAPINFOHEADER HeaderOf(const std::vector<uint8_t>& block) {
    BITMAPINFOHEADER info;
    std::memcpy(&info, block.data(), sizeof info);
    return info;
}

std::vector<uint8_t> Slice(const std::vector<uint8_t>& bytes, size_t from, size_t count) {
    return {bytes.begin() + ptrdiff_t(from), bytes.begin() + ptrdiff_t(from + count)};
}

class DibRead : public TempFolder {
protected:
    static void Save(const std::string& name, const std::vector<uint8_t>& bytes) {
        std::ofstream(name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    // The block read from those bytes; empty when the file was refused.
    static std::vector<uint8_t> Read(const std::vector<uint8_t>& bytes) {
        Save("picture.bmp", bytes);
        HGLOBAL block = ReadDibFile("picture.bmp");
        if (!block) return {};
        std::vector<uint8_t> copy = dab_test::BlockBytes(block);
        GlobalFree(block);
        return copy;
    }
};

Picture EightBitWithFullTable() {
    Picture picture;
    picture.table = Sequence(1024, 1);
    picture.bits = Sequence(8, 2);  // two rows of 3 pixels, each padded to 4 bytes
    return picture;
}

TEST_F(DibRead, AFileWithoutTheFileHeaderReadsLikeOneWithIt) {
    Picture picture = EightBitWithFullTable();
    std::vector<uint8_t> with = Read(picture.InfoFile(true));
    std::vector<uint8_t> without = Read(picture.InfoFile(false));
    ASSERT_EQ(with.size(), 40u + 1024 + 8);
    EXPECT_EQ(with, without);
    EXPECT_EQ(Slice(with, 40, 1024), picture.table);
    EXPECT_EQ(Slice(with, 40 + 1024, 8), picture.bits);
    BITMAPINFOHEADER info = HeaderOf(with);
    EXPECT_EQ(info.biSizeImage, 8u);
    EXPECT_EQ(info.biClrUsed, 256u);
    EXPECT_EQ(info.biWidth, 3);
    EXPECT_EQ(info.biHeight, 2);
}

TEST_F(DibRead, TheBitsAreTakenWhereTheFileHeaderSaysTheyStart) {
    Picture picture = EightBitWithFullTable();
    std::vector<uint8_t> block = Read(picture.InfoFile(true, 6));
    ASSERT_EQ(block.size(), 40u + 1024 + 8);
    EXPECT_EQ(Slice(block, 40 + 1024, 8), picture.bits);
}

TEST_F(DibRead, AFileInsideAnotherIsReadFromWhereItsHeaderStarts) {
    Picture picture = EightBitWithFullTable();
    std::vector<uint8_t> bytes = picture.InfoFile(true);
    Save("picture.bmp", bytes);
    OFSTRUCT record;
    HFILE file = OpenFile("picture.bmp", &record, OF_READ);
    ASSERT_NE(file, HFILE_ERROR);
    HGLOBAL header = ReadDibHeader(file);
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(_llseek(file, 0, FILE_CURRENT), 14 + 40 + 1024);
    EXPECT_EQ(GlobalSize(header), 40u + 1024);
    GlobalFree(header);
    _lclose(file);
}

TEST_F(DibRead, ACoreHeaderBecomesTheFortyByteFormWithFourByteEntries) {
    Picture picture{.width = 2, .table = Sequence(768, 3), .bits = Sequence(8, 4)};
    for (bool withFileHeader : {true, false}) {
        SCOPED_TRACE(withFileHeader ? "with the file header" : "without the file header");
        std::vector<uint8_t> block = Read(picture.CoreFile(withFileHeader));
        ASSERT_EQ(block.size(), 40u + 1024 + 8);
        BITMAPINFOHEADER info = HeaderOf(block);
        EXPECT_EQ(info.biSize, 40u);
        EXPECT_EQ(info.biWidth, 2);
        EXPECT_EQ(info.biHeight, 2);
        EXPECT_EQ(info.biPlanes, 1);
        EXPECT_EQ(info.biBitCount, 8);
        EXPECT_EQ(info.biCompression, 0u);
        EXPECT_EQ(info.biSizeImage, 8u);
        EXPECT_EQ(info.biClrUsed, 256u);
        EXPECT_EQ(info.biClrImportant, 256u);
        for (int i = 0; i < 256; i++) {
            EXPECT_EQ(Slice(block, 40 + 4 * size_t(i), 4),
                      (std::vector<uint8_t>{picture.table[3 * i], picture.table[3 * i + 1], picture.table[3 * i + 2], 0}))
                << "entry " << i;
        }
        EXPECT_EQ(Slice(block, 40 + 1024, 8), picture.bits);
    }
}

TEST_F(DibRead, ACoreHeaderOfTwentyFourBitsHasNoTable) {
    Picture picture{.width = 5, .height = 3, .bitCount = 24, .bits = Sequence(16 * 3, 5)};
    std::vector<uint8_t> block = Read(picture.CoreFile(true));
    ASSERT_EQ(block.size(), 40u + 48);
    EXPECT_EQ(HeaderOf(block).biClrUsed, 0u);
    EXPECT_EQ(Slice(block, 40, 48), picture.bits);
}

TEST_F(DibRead, TwentyFourBitsHaveNoTableAndTheirBitsFollowTheHeader) {
    Picture picture{.width = 4, .bitCount = 24, .bits = Sequence(24, 6)};
    std::vector<uint8_t> block = Read(picture.InfoFile(true));
    ASSERT_EQ(block.size(), 40u + 24);
    EXPECT_EQ(HeaderOf(block).biClrUsed, 0u);
    EXPECT_EQ(Slice(block, 40, 24), picture.bits);
}

TEST_F(DibRead, TwentyColoursUsedGiveATableOfTwentyEntries) {
    Picture picture{.clrUsed = 20, .table = Sequence(80, 7), .bits = Sequence(8, 8)};
    for (bool withFileHeader : {true, false}) {
        std::vector<uint8_t> block = Read(picture.InfoFile(withFileHeader));
        ASSERT_EQ(block.size(), 40u + 80 + 8);
        EXPECT_EQ(HeaderOf(block).biClrUsed, 20u);
        EXPECT_EQ(Slice(block, 40, 80), picture.table);
        EXPECT_EQ(Slice(block, 120, 8), picture.bits);
    }
}

// The block keeps the stated image size when the file holds it, all rows when the file holds them whatever
// the header states, and never more bits than the file has.
TEST_F(DibRead, TheStatedImageSizeIsKeptAsFarAsTheFileHoldsIt) {
    struct Case {
        const char* what;
        uint32_t stated;
        size_t bitsInFile, kept;
    };
    const Case cases[] = {
        {"computed: three rows of 8 bytes", 0, 24, 24},
        {"more than the rows, and the file has it", 30, 30, 30},
        {"more than the file has", 30, 24, 24},
        {"more than the file has, which has more than the rows", 30, 27, 27},
        {"fewer than the rows need", 9, 24, 24},
        {"fewer than the rows need, the file holding more", 9, 40, 24},
        {"16 MiB for a file of 24 bytes", 0xFFFFFFu, 24, 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Picture picture{.width = 33,
                        .height = 3,
                        .bitCount = 1,
                        .sizeImage = c.stated,
                        .table = {0, 0, 0, 0, 255, 255, 255, 0},
                        .bits = Sequence(c.bitsInFile, 9)};
        std::vector<uint8_t> block = Read(picture.InfoFile(true));
        ASSERT_EQ(block.size(), 40u + 8 + c.kept);
        EXPECT_EQ(HeaderOf(block).biSizeImage, c.kept);
        EXPECT_EQ(Slice(block, 48, c.kept), Slice(picture.bits, 0, c.kept));
    }
}

TEST_F(DibRead, AFileWithFewerBitsThanItsRowsNeedIsRefused) {
    Picture picture{.width = 4, .height = 4, .bitCount = 32, .bits = Sequence(64, 10)};
    std::vector<uint8_t> bytes = picture.InfoFile(true);
    EXPECT_FALSE(Read(bytes).empty());
    bytes.pop_back();
    EXPECT_TRUE(Read(bytes).empty()) << "a byte short";
    bytes.resize(bytes.size() - 47);
    EXPECT_TRUE(Read(bytes).empty()) << "a row left";
    bytes.resize(14 + 40);
    EXPECT_TRUE(Read(bytes).empty()) << "the header alone";
}

TEST_F(DibRead, MissingFilesAndOtherHeadersGiveNoBlock) {
    EXPECT_EQ(ReadDibFile("none.bmp"), nullptr);
    Picture picture = EightBitWithFullTable();
    std::vector<uint8_t> bytes = picture.InfoFile(false);
    EXPECT_TRUE(Read(Slice(bytes, 0, 39)).empty()) << "a header cut short";
    EXPECT_TRUE(Read({}).empty()) << "an empty file";
    for (uint32_t size : {0u, 16u, 52u, 64u, 120u}) {
        std::memcpy(bytes.data(), &size, 4);
        EXPECT_TRUE(Read(bytes).empty()) << "header size " << size;
    }
}

// One change to an acceptable 8-bit picture's numbers, which must be refused.
struct Refusal {
    const char* what;
    void (*change)(Picture&);
};

void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.what; }

class DibRefusal : public DibRead, public ::testing::WithParamInterface<Refusal> {};

TEST_P(DibRefusal, TheHeaderIsRefused) {
    Picture picture = EightBitWithFullTable();
    ASSERT_FALSE(Read(picture.InfoFile(true)).empty());
    GetParam().change(picture);
    EXPECT_TRUE(Read(picture.InfoFile(true)).empty());
    EXPECT_TRUE(Read(picture.InfoFile(false)).empty());
}

INSTANTIATE_TEST_SUITE_P(
    DibHeaders, DibRefusal,
    ::testing::Values(
        Refusal{"width 0", [](Picture& p) { p.width = 0; }}, Refusal{"height 0", [](Picture& p) { p.height = 0; }},
        Refusal{"width -3", [](Picture& p) { p.width = -3; }},
        Refusal{"width -2147483648", [](Picture& p) { p.width = INT32_MIN; }},
        Refusal{"width 16385", [](Picture& p) { p.width = 16385; }},
        Refusal{"height 16385", [](Picture& p) { p.height = 16385; }},
        Refusal{"height -16385", [](Picture& p) { p.height = -16385; }},
        Refusal{"height -2147483648", [](Picture& p) { p.height = INT32_MIN; }},
        Refusal{"stated image size 256 MiB and a byte", [](Picture& p) { p.sizeImage = (256u << 20) + 1; }},
        Refusal{"stated image size 4 GiB less a byte", [](Picture& p) { p.sizeImage = 0xFFFFFFFFu; }},
        Refusal{"32 bits of 16384 by 16384",
                [](Picture& p) { p.bitCount = 32, p.width = p.height = 16384, p.table = {}; }},
        Refusal{"24 bits of 16384 by 8192",
                [](Picture& p) { p.bitCount = 24, p.width = 16384, p.height = 8192, p.table = {}; }},
        Refusal{"0 bits", [](Picture& p) { p.bitCount = 0; }}, Refusal{"2 bits", [](Picture& p) { p.bitCount = 2; }},
        Refusal{"7 bits", [](Picture& p) { p.bitCount = 7; }}, Refusal{"48 bits", [](Picture& p) { p.bitCount = 48; }},
        Refusal{"257 colours of 8 bits", [](Picture& p) { p.clrUsed = 257; }},
        Refusal{"65536 colours of 8 bits", [](Picture& p) { p.clrUsed = 65536; }},
        Refusal{"3 colours of 1 bit", [](Picture& p) { p.bitCount = 1, p.clrUsed = 3; }},
        Refusal{"17 colours of 4 bits", [](Picture& p) { p.bitCount = 4, p.clrUsed = 17; }},
        Refusal{"257 colours of 24 bits", [](Picture& p) { p.bitCount = 24, p.clrUsed = 257; }},
        Refusal{"compression 4", [](Picture& p) { p.compression = 4; }},
        Refusal{"compression 5", [](Picture& p) { p.compression = 5; }},
        Refusal{"compression 0x80000000", [](Picture& p) { p.compression = 0x80000000u; }},
        Refusal{"run lengths of 8 bits on 24 bits", [](Picture& p) { p.compression = BI_RLE8, p.bitCount = 24; }},
        Refusal{"run lengths of 4 bits on 8 bits", [](Picture& p) { p.compression = BI_RLE4; }},
        Refusal{"masks on 8 bits", [](Picture& p) { p.compression = BI_BITFIELDS; }},
        Refusal{"run lengths top-down", [](Picture& p) { p.compression = BI_RLE8, p.height = -2; }},
        Refusal{"64 Mi pixels and a row",
                [](Picture& p) { p.bitCount = 1, p.width = 16384, p.height = 4097, p.table = Sequence(8, 1); }},
        Refusal{"rows the bits do not hold", [](Picture& p) { p.height = 3; }},
        Refusal{"run lengths of more than 255 pixels for 2 bytes",
                [](Picture& p) { p.compression = BI_RLE8, p.width = 1021, p.height = 1; }}),
    [](const ::testing::TestParamInfo<Refusal>& info) {
        std::string name;
        for (const char* c = info.param.what; *c; c++) name += std::isalnum(uint8_t(*c)) ? *c : '_';
        return name;
    });

TEST_F(DibRead, AFileHeaderPointingBeyondWhatAFileCanHoldIsRefused) {
    Picture picture = EightBitWithFullTable();
    std::vector<uint8_t> bytes = picture.InfoFile(true);
    uint32_t offBits = 0xFFFFFFF0u;
    std::memcpy(bytes.data() + 10, &offBits, 4);
    EXPECT_TRUE(Read(bytes).empty());
}

TEST_F(DibRead, PicturesAtTheLimitsAreTaken) {
    Picture wide{.width = 16384, .height = 2, .bitCount = 1, .table = Sequence(8, 11), .bits = Sequence(4096, 12)};
    std::vector<uint8_t> block = Read(wide.InfoFile(true));
    ASSERT_EQ(block.size(), 40u + 8 + 4096);
    EXPECT_EQ(Slice(block, 48, 4096), wide.bits);

    Picture topDown = EightBitWithFullTable();
    topDown.height = -2;
    block = Read(topDown.InfoFile(true));
    ASSERT_EQ(block.size(), 40u + 1024 + 8);
    EXPECT_EQ(HeaderOf(block).biSizeImage, 8u);

    Picture tall = EightBitWithFullTable();
    tall.width = 1;
    tall.height = -16384;
    tall.bits = Sequence(4 * 16384, 13);
    EXPECT_EQ(Read(tall.InfoFile(true)).size(), 40u + 1024 + 4 * 16384);

    Picture most{
        .width = 16384, .height = 4096, .bitCount = 1, .table = Sequence(8, 14), .bits = Sequence(2048 * 4096, 15)};
    EXPECT_EQ(Read(most.InfoFile(true)).size(), 40u + 8 + 2048 * 4096) << "64 Mi pixels";
}

TEST_F(DibRead, CompressedPicturesKeepTheirBitsAsTheyAre) {
    Picture runs = EightBitWithFullTable();
    runs.compression = BI_RLE8;
    runs.bits = {2, 7, 1, 9, 0, 0, 3, 4, 0, 1};
    runs.sizeImage = uint32_t(runs.bits.size());
    std::vector<uint8_t> block = Read(runs.InfoFile(true));
    ASSERT_EQ(block.size(), 40u + 1024 + 10);
    EXPECT_EQ(HeaderOf(block).biCompression, uint32_t(BI_RLE8));
    EXPECT_EQ(Slice(block, 40 + 1024, 10), runs.bits);

}

// The three masks of a BI_BITFIELDS picture stand where a colour table would, though it counts no colours:
// the block carries them there, and writing it back puts them in the file before the bits.
TEST_F(DibRead, ColourMasksAreCarriedInTheTablesPlace) {
    Picture masks{.width = 4, .bitCount = 16, .compression = BI_BITFIELDS,
                  .table = {0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0},  // 5-6-5
                  .bits = Sequence(16, 13)};
    for (bool withFileHeader : {true, false}) {
        std::vector<uint8_t> block = Read(masks.InfoFile(withFileHeader));
        ASSERT_EQ(block.size(), 40u + 12 + 16) << withFileHeader;
        EXPECT_EQ(HeaderOf(block).biClrUsed, 0u);
        EXPECT_EQ(Slice(block, 40, 12), masks.table);
        EXPECT_EQ(Slice(block, 52, 16), masks.bits);
    }

    HGLOBAL block = ReadDibFile("picture.bmp");
    ASSERT_NE(block, nullptr);
    ASSERT_EQ(WriteDibFile("again.bmp", block), 1);
    GlobalFree(block);
    std::vector<uint8_t> written = dab_test::FileContents("again.bmp");
    ASSERT_EQ(written.size(), 14u + 40 + 12 + 16);
    uint32_t offBits;
    std::memcpy(&offBits, written.data() + 10, 4);
    EXPECT_EQ(offBits, 14u + 40 + 12);
    EXPECT_EQ(Slice(written, 54, 12), masks.table);
    EXPECT_EQ(Slice(written, 66, 16), masks.bits);
}

// The 108- and 124-byte headers of newer programs hold the masks inside; the block has the 40-byte header,
// the masks of BI_BITFIELDS in the table's place, then any colour table and the bits.
TEST_F(DibRead, LongerHeadersAreCarriedInTheFortyByteForm) {
    for (uint32_t headerSize : {108u, 124u}) {
        for (uint32_t compression : {uint32_t(BI_BITFIELDS), uint32_t(BI_RGB)}) {
            std::vector<uint8_t> masks = {0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0};
            std::vector<uint8_t> table = Sequence(8, 3);  // two colours, for palette devices
            std::vector<uint8_t> bits = Sequence(24, 4);
            FileBytes file;
            file.AddFileHeader(14 + headerSize + 8, bits.size());
            file.Add({{headerSize, 4}, {3, 4}, {2, 4}, {1, 2}, {32, 2}, {compression, 4}, {bits.size(), 4}, {0, 8},
                      {2, 4}, {0, 4}});
            file.Add(masks);
            file.Add(std::vector<uint8_t>(headerSize - 52, 0xAA));  // alpha mask, colour space, ...
            file.Add(table);
            file.Add(bits);
            std::vector<uint8_t> block = Read(file.bytes);
            uint32_t maskBytes = compression == BI_BITFIELDS ? 12 : 0;
            ASSERT_EQ(block.size(), 40u + maskBytes + 8 + 24) << headerSize;
            EXPECT_EQ(HeaderOf(block).biSize, 40u);
            EXPECT_EQ(HeaderOf(block).biClrUsed, 2u);
            if (maskBytes) {
                EXPECT_EQ(Slice(block, 40, 12), masks);
            }
            EXPECT_EQ(Slice(block, 40 + maskBytes, 8), table);
            EXPECT_EQ(Slice(block, 48 + maskBytes, 24), bits);
        }
    }
}

}  // namespace
