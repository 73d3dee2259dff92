// Moving bits in pieces of 32768 bytes, counted as the system calls this thread makes, and the file
// header in its two pieces.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "dib/dib.h"
#include "dib_bytes.h"
#include "tests/platform/small_disk.h"
#include "tests/platform/temp_folder.h"

namespace {

struct Calls {
    long reads = -1, writes = -1;
};

// This thread's counts of read and write system calls so far. A regular file answers each _lread and
// _lwrite of bytes it has with one call.
Calls CountCalls() {
    int descriptor = open("/proc/thread-self/io", O_RDONLY);
    char text[1024] = {};
    ssize_t length = descriptor < 0 ? -1 : read(descriptor, text, sizeof text - 1);
    if (descriptor >= 0) close(descriptor);
    Calls calls;
    if (length <= 0) return calls;
    const char* reads = std::strstr(text, "syscr:");
    const char* writes = std::strstr(text, "syscw:");
    if (reads) calls.reads = std::strtol(reads + 6, nullptr, 10);
    if (writes) calls.writes = std::strtol(writes + 6, nullptr, 10);
    return calls;
}

class DibChunks : public TempFolder {
protected:
    void SetUp() override {
        TempFolder::SetUp();
        Calls first = CountCalls(), second = CountCalls();
        ASSERT_GE(first.reads, 0) << "no counts of system calls";
        overhead_ = second.reads - first.reads;
        std::vector<char> bytes(200000);
        for (size_t i = 0; i < bytes.size(); i++) bytes[i] = char(i * 7 + (i >> 9));
        std::ofstream("large", std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
        contents_ = bytes;
    }
    // The read and write calls that the action made, the counting's own read taken off.
    template <typename Action>
    Calls CallsOf(Action action) {
        Calls before = CountCalls();
        action();
        Calls after = CountCalls();
        return {after.reads - before.reads - overhead_, after.writes - before.writes};
    }
    static HFILE Open(const char* name, UINT style) {
        OFSTRUCT record;
        return OpenFile(name, &record, style);
    }
    long overhead_ = 0;
    std::vector<char> contents_;
};

TEST_F(DibChunks, ReadingTakesWholePiecesAndTheRestInOneCall) {
    for (DWORD count : {1u, 32768u, 32769u, 65536u, 65537u, 131073u}) {
        SCOPED_TRACE(count);
        HFILE file = Open("large", OF_READ);
        ASSERT_NE(file, HFILE_ERROR);
        std::vector<char> buffer(count);
        DWORD result = 0;
        Calls calls = CallsOf([&] { result = ReadInChunks(file, buffer.data(), count); });
        _lclose(file);
        EXPECT_EQ(result, count);
        EXPECT_EQ(calls.reads, long((count + 32767) / 32768));
        EXPECT_EQ(std::memcmp(buffer.data(), contents_.data(), count), 0);
    }
}

TEST_F(DibChunks, WritingTakesWholePiecesAndTheRestInOneCall) {
    for (DWORD count : {65536u, 65537u}) {
        SCOPED_TRACE(count);
        HFILE file = Open("written", OF_CREATE | OF_READWRITE);
        ASSERT_NE(file, HFILE_ERROR);
        DWORD result = 0;
        Calls calls = CallsOf([&] { result = WriteInChunks(file, contents_.data(), count); });
        _lclose(file);
        EXPECT_EQ(result, count);
        EXPECT_EQ(calls.writes, count == 65536 ? 2 : 3);
        EXPECT_EQ(std::filesystem::file_size("written"), count);
    }
}

TEST_F(DibChunks, APieceThatComesShortGivesZeroAndStopsReading) {
    std::filesystem::resize_file("large", 40000);
    HFILE file = Open("large", OF_READ);
    std::vector<char> buffer(100000);
    EXPECT_EQ(ReadInChunks(file, buffer.data(), 100000), 0u);
    EXPECT_EQ(_llseek(file, 0, FILE_CURRENT), 40000) << "the second piece came short";
    _lclose(file);

    file = Open("large", OF_READ);
    _llseek(file, 39999, FILE_BEGIN);
    EXPECT_EQ(ReadInChunks(file, buffer.data(), 2), 0u) << "the last piece came short";
    _lclose(file);
}

TEST_F(DibChunks, AWriteThatComesShortGivesZero) {
    SmallDisk disk(directory_ / "disk", 64);
    if (!disk.mounted()) GTEST_SKIP() << disk.why();
    disk.Fill();
    HFILE file = Open("disk/full.bmp", OF_CREATE | OF_READWRITE);
    ASSERT_NE(file, HFILE_ERROR);
    EXPECT_EQ(WriteInChunks(file, contents_.data(), 65537), 0u);
    EXPECT_EQ(WriteInChunks(file, contents_.data(), 10), 0u);
    _lclose(file);
}

TEST_F(DibChunks, TheFileHeaderTakesFourteenBytesInTwoPieces) {
    BITMAPFILEHEADER header = {0x4D42, 0x11223344, 0x5566, 0x7788, 0x99AABBCC};
    HFILE file = Open("header", OF_CREATE | OF_READWRITE);
    Calls calls = CallsOf([&] { WriteFileHeader(file, &header); });
    _lclose(file);
    EXPECT_EQ(calls.writes, 2);
    EXPECT_EQ(dab_test::FileContents("header"),
              (std::vector<uint8_t>{'B', 'M', 0x44, 0x33, 0x22, 0x11, 0x66, 0x55, 0x88, 0x77, 0xCC, 0xBB, 0xAA, 0x99}));

    BITMAPFILEHEADER read = {};
    file = Open("header", OF_READ);
    calls = CallsOf([&] { ReadFileHeader(file, &read); });
    _lclose(file);
    EXPECT_EQ(calls.reads, 2);
    EXPECT_EQ(std::memcmp(&read, &header, sizeof header), 0);
}

}  // namespace
