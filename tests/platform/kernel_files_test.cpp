// OpenFile and the _l calls: modes, names in any case, seeking, short reads, stale handles, deletion.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/win32.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

using KernelFiles = TempFolder;

TEST_F(KernelFiles, CreateMakesOrEmptiesAFileAndWritesThrough) {
    OFSTRUCT record;
    HFILE file = OpenFile("new.bin", &record, OF_CREATE | OF_READWRITE);
    ASSERT_NE(file, HFILE_ERROR);
    EXPECT_EQ(record.cBytes, sizeof(OFSTRUCT));
    EXPECT_EQ(record.nErrCode, 0);
    EXPECT_EQ(_lwrite(file, "hello", 5), 5u);
    EXPECT_EQ(_lclose(file), 0);
    EXPECT_EQ(Read("new.bin"), "hello");

    Write("old.bin", "some old content");
    file = OpenFile("old.bin", &record, OF_CREATE | OF_READWRITE);
    ASSERT_NE(file, HFILE_ERROR);
    EXPECT_EQ(fs::file_size("old.bin"), 0u);
    char buffer[4];
    EXPECT_EQ(_lread(file, buffer, sizeof buffer), 0u);
    _lclose(file);
}

TEST_F(KernelFiles, RecordsTheFullPathWithBackslashes) {
    Write("Full.txt", "x");
    OFSTRUCT record;
    HFILE file = OpenFile("full.TXT", &record, OF_READ);
    ASSERT_NE(file, HFILE_ERROR);
    std::string expected = (directory_ / "Full.txt").string();
    std::ranges::replace(expected, '/', '\\');
    EXPECT_STREQ(record.szPathName, expected.c_str());
    _lclose(file);
}

TEST_F(KernelFiles, ExistTestsAndLeavesNothingOpen) {
    Write("there.txt", "x");
    OFSTRUCT record;
    HFILE file = OpenFile("there.txt", &record, OF_EXIST);
    ASSERT_NE(file, HFILE_ERROR);
    char c;
    EXPECT_EQ(_lread(file, &c, 1), UINT(HFILE_ERROR));
    EXPECT_EQ(_lclose(file), HFILE_ERROR);
    EXPECT_TRUE(DeleteFileA("there.txt"));

    EXPECT_EQ(OpenFile("there.txt", &record, OF_EXIST), HFILE_ERROR);
    EXPECT_EQ(record.nErrCode, ERROR_FILE_NOT_FOUND);
}

TEST_F(KernelFiles, MissingFilesAndFoldersFailToOpen) {
    OFSTRUCT record;
    EXPECT_EQ(OpenFile("missing.bmp", &record, OF_READ), HFILE_ERROR);
    EXPECT_EQ(record.nErrCode, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(OpenFile("nowhere\\missing.bmp", &record, OF_CREATE | OF_READWRITE), HFILE_ERROR);
    EXPECT_EQ(record.nErrCode, ERROR_PATH_NOT_FOUND);
    fs::create_directory("folder");
    EXPECT_EQ(OpenFile("folder", &record, OF_READ), HFILE_ERROR);
    EXPECT_EQ(record.nErrCode, ERROR_ACCESS_DENIED);
    EXPECT_EQ(OpenFile(nullptr, &record, OF_READ), HFILE_ERROR);
    EXPECT_EQ(OpenFile("", nullptr, OF_READ), HFILE_ERROR);
}

TEST_F(KernelFiles, NamesMatchInAnyCaseWithEitherSeparator) {
    fs::create_directory("Pictures");
    Write("Pictures/CBHouse.Bmp", "house");
    OFSTRUCT record;
    for (const char* name : {"Pictures\\CBHouse.Bmp", "pictures\\cbhouse.bmp", "PICTURES/CBHOUSE.BMP"}) {
        HFILE file = OpenFile(name, &record, OF_READ);
        ASSERT_NE(file, HFILE_ERROR) << name;
        char buffer[8] = {};
        EXPECT_EQ(_lread(file, buffer, sizeof buffer), 5u) << name;
        EXPECT_STREQ(buffer, "house");
        _lclose(file);
    }
    // Creating through another case rewrites the file that is there instead of adding a second one.
    HFILE file = OpenFile("PICTURES\\cbhouse.BMP", &record, OF_CREATE | OF_READWRITE);
    ASSERT_NE(file, HFILE_ERROR);
    _lwrite(file, "new", 3);
    _lclose(file);
    EXPECT_EQ(Read("Pictures/CBHouse.Bmp"), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator("Pictures"), fs::directory_iterator()), 1);
}

TEST_F(KernelFiles, SeeksFromEachOriginAndReadsShortAtTheEnd) {
    Write("ten.bin", "0123456789");
    OFSTRUCT record;
    HFILE file = OpenFile("ten.bin", &record, OF_READ);
    ASSERT_NE(file, HFILE_ERROR);
    char buffer[16] = {};
    EXPECT_EQ(_llseek(file, 4, FILE_BEGIN), 4);
    EXPECT_EQ(_lread(file, buffer, 2), 2u);
    EXPECT_EQ(std::string(buffer, 2), "45");
    EXPECT_EQ(_llseek(file, -3, FILE_CURRENT), 3);
    EXPECT_EQ(_llseek(file, -2, FILE_END), 8);
    EXPECT_EQ(_lread(file, buffer, sizeof buffer), 2u);
    EXPECT_EQ(std::string(buffer, 2), "89");
    EXPECT_EQ(_lread(file, buffer, sizeof buffer), 0u);
    EXPECT_EQ(_llseek(file, 0, FILE_CURRENT), 10);

    EXPECT_EQ(_llseek(file, -11, FILE_END), HFILE_ERROR);
    EXPECT_EQ(_llseek(file, 0, 3), HFILE_ERROR);
    EXPECT_EQ(_llseek(file, 0, FILE_CURRENT), 10);
    EXPECT_EQ(_llseek(file, 20, FILE_BEGIN), 20);
    EXPECT_EQ(_lread(file, buffer, sizeof buffer), 0u);
    _lclose(file);
}

TEST_F(KernelFiles, WritingNothingCutsTheFileAtThePosition) {
    Write("cut.bin", "0123456789");
    OFSTRUCT record;
    HFILE file = OpenFile("cut.bin", &record, OF_WRITE);
    ASSERT_NE(file, HFILE_ERROR);
    _llseek(file, 6, FILE_BEGIN);
    EXPECT_EQ(_lwrite(file, "", 0), 0u);
    _lclose(file);
    EXPECT_EQ(Read("cut.bin"), "012345");
}

TEST_F(KernelFiles, AccessFollowsTheMode) {
    Write("modes.bin", "abc");
    OFSTRUCT record;
    char c = 0;
    HFILE reading = OpenFile("modes.bin", &record, OF_READ);
    EXPECT_EQ(_lwrite(reading, "x", 1), UINT(HFILE_ERROR));
    _lclose(reading);
    HFILE writing = OpenFile("modes.bin", &record, OF_WRITE);
    EXPECT_EQ(_lread(writing, &c, 1), UINT(HFILE_ERROR));
    EXPECT_EQ(_lwrite(writing, "x", 1), 1u);
    _lclose(writing);
    EXPECT_EQ(Read("modes.bin"), "xbc");
}

TEST_F(KernelFiles, ClosedAndUnknownHandlesFail) {
    Write("a.bin", "a");
    OFSTRUCT record;
    HFILE first = OpenFile("a.bin", &record, OF_READ);
    ASSERT_EQ(_lclose(first), 0);
    // A file opened later must not answer to the closed handle.
    HFILE second = OpenFile("a.bin", &record, OF_READ);
    ASSERT_NE(second, HFILE_ERROR);
    EXPECT_NE(second, first);
    char c;
    EXPECT_EQ(_lread(first, &c, 1), UINT(HFILE_ERROR));
    EXPECT_EQ(_lwrite(first, "x", 1), UINT(HFILE_ERROR));
    EXPECT_EQ(_llseek(first, 0, FILE_BEGIN), HFILE_ERROR);
    EXPECT_EQ(_lclose(first), HFILE_ERROR);
    EXPECT_EQ(_lread(second, nullptr, 1), UINT(HFILE_ERROR));
    _lclose(second);

    for (HFILE unknown : {HFILE_ERROR, 0, 1, 0x7ffffffc}) {
        EXPECT_EQ(_lread(unknown, &c, 1), UINT(HFILE_ERROR));
        EXPECT_EQ(_lclose(unknown), HFILE_ERROR);
    }
    // Descriptors the process holds for itself are no handles.
    EXPECT_EQ(_lwrite(STDOUT_FILENO, "x", 1), UINT(HFILE_ERROR));
}

TEST_F(KernelFiles, DeleteFindsTheNameInAnyCaseAndSparesOpenFilesAndFolders) {
    Write("ABCDEFG.BMP", "x");
    OFSTRUCT record;
    HFILE open = OpenFile("abcdefg.bmp", &record, OF_READ);
    EXPECT_FALSE(DeleteFileA("abcdefg.bmp"));
    EXPECT_TRUE(fs::exists("ABCDEFG.BMP"));
    _lclose(open);
    EXPECT_TRUE(DeleteFileA("abcdefg.bmp"));
    EXPECT_FALSE(fs::exists("ABCDEFG.BMP"));
    EXPECT_FALSE(DeleteFileA("abcdefg.bmp"));

    fs::create_directory("Folder");
    EXPECT_FALSE(DeleteFileA("folder"));
    EXPECT_TRUE(fs::exists("Folder"));
    EXPECT_FALSE(DeleteFileA(nullptr));
    EXPECT_FALSE(DeleteFileA(""));
}

}  // namespace
