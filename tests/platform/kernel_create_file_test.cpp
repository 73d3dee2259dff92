// CreateFileA and the calls on its handles: dispositions, names already taken, writes on a full disk,
// flushing, closing, and the open file kept from deletion.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/win32.h"
#include "small_disk.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

class KernelCreateFile : public TempFolder {
protected:
    static HANDLE Create(const char* name, DWORD creation, DWORD access = GENERIC_WRITE, DWORD share = 0) {
        return CreateFileA(name, access, share, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    static bool WriteAll(HANDLE file, const std::string& content) {
        DWORD written = 0;
        return WriteFile(file, content.data(), DWORD(content.size()), &written, nullptr) &&
               written == content.size();
    }
};

TEST_F(KernelCreateFile, EachDispositionMakesOpensOrEmptiesAsWindowsDoes) {
    struct Case {
        DWORD creation;
        const char* before;  // the file's content before, or none
        bool opens;
        DWORD error;        // GetLastError afterwards
        const char* after;  // the content after "new" is written, when it opens
    };
    const Case cases[] = {
        {CREATE_NEW, nullptr, true, 0, "new"},
        {CREATE_ALWAYS, nullptr, true, 0, "new"},
        {CREATE_ALWAYS, "old content", true, ERROR_ALREADY_EXISTS, "new"},
        {OPEN_EXISTING, nullptr, false, ERROR_FILE_NOT_FOUND, nullptr},
        {OPEN_EXISTING, "old content", true, 0, "new content"},
        {OPEN_ALWAYS, nullptr, true, 0, "new"},
        {OPEN_ALWAYS, "old content", true, ERROR_ALREADY_EXISTS, "new content"},
        {TRUNCATE_EXISTING, nullptr, false, ERROR_FILE_NOT_FOUND, nullptr},
        {TRUNCATE_EXISTING, "old content", true, 0, "new"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "disposition " << c.creation << (c.before ? " on a file" : " on nothing"));
        fs::remove("Picture.bmp");
        if (c.before) Write("Picture.bmp", c.before);
        SetLastError(12345);
        HANDLE file = Create("PICTURE.BMP", c.creation);
        EXPECT_EQ(GetLastError(), c.error);
        if (!c.opens) {
            EXPECT_EQ(file, INVALID_HANDLE_VALUE);
            EXPECT_FALSE(fs::exists("Picture.bmp"));
            EXPECT_FALSE(fs::exists("PICTURE.BMP"));
            continue;
        }
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        EXPECT_TRUE(WriteAll(file, "new"));
        EXPECT_TRUE(CloseHandle(file));
        // A name in another case reaches the file that has it.
        EXPECT_EQ(Read(c.before ? "Picture.bmp" : "PICTURE.BMP"), c.after);
        fs::remove("PICTURE.BMP");
    }
}

TEST_F(KernelCreateFile, CreateNewRefusesANameTakenByAnythingAndFollowsNoLink) {
    fs::create_directory("elsewhere");
    Write("elsewhere/target.bmp", "the child's picture");
    struct Case {
        const char* kind;
        const char* asked;
        void (*make)();
    };
    const Case cases[] = {
        {"file", "TAKEN.BMP", [] { Write("TAKEN.BMP", "kept"); }},
        {"file in another case", "taken.bmp", [] { Write("TAKEN.BMP", "kept"); }},
        {"folder", "TAKEN.BMP", [] { fs::create_directory("TAKEN.BMP"); }},
        {"link to a file", "TAKEN.BMP", [] { fs::create_symlink("elsewhere/target.bmp", "TAKEN.BMP"); }},
        {"link to a folder", "TAKEN.BMP", [] { fs::create_symlink("elsewhere", "TAKEN.BMP"); }},
        {"dangling link", "TAKEN.BMP", [] { fs::create_symlink("elsewhere/missing.bmp", "TAKEN.BMP"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        c.make();
        fs::file_status before = fs::symlink_status("TAKEN.BMP");
        SetLastError(0);
        EXPECT_EQ(Create(c.asked, CREATE_NEW), INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_EXISTS));
        EXPECT_EQ(fs::symlink_status("TAKEN.BMP").type(), before.type());
        EXPECT_EQ(Read("elsewhere/target.bmp"), "the child's picture");
        EXPECT_FALSE(fs::exists("elsewhere/missing.bmp"));
        EXPECT_FALSE(fs::exists("taken.bmp") && !fs::equivalent("taken.bmp", "TAKEN.BMP"));
        fs::remove_all("TAKEN.BMP");
    }
}

TEST_F(KernelCreateFile, FailsWithTheErrorWindowsGives) {
    fs::create_directory("Folder");
    struct Case {
        const char* name;
        DWORD creation;
        DWORD access;
        DWORD error;
    };
    const Case cases[] = {
        {"nowhere\\A.BMP", CREATE_NEW, GENERIC_WRITE, ERROR_PATH_NOT_FOUND},
        {"nowhere\\A.BMP", OPEN_EXISTING, GENERIC_READ, ERROR_PATH_NOT_FOUND},
        {"missing.bmp", OPEN_EXISTING, GENERIC_READ, ERROR_FILE_NOT_FOUND},
        {"folder", OPEN_EXISTING, GENERIC_READ, ERROR_ACCESS_DENIED},
        {"folder", CREATE_ALWAYS, GENERIC_WRITE, ERROR_ACCESS_DENIED},
        {"", CREATE_NEW, GENERIC_WRITE, ERROR_INVALID_PARAMETER},
        {"A.BMP", 0, GENERIC_WRITE, ERROR_INVALID_PARAMETER},
        {"A.BMP", 6, GENERIC_WRITE, ERROR_INVALID_PARAMETER},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " disposition " << c.creation);
        SetLastError(0);
        EXPECT_EQ(Create(c.name, c.creation, c.access), INVALID_HANDLE_VALUE);
        EXPECT_EQ(GetLastError(), c.error);
    }
    EXPECT_EQ(Create(nullptr, CREATE_NEW), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
    EXPECT_FALSE(fs::exists("A.BMP"));
    EXPECT_TRUE(fs::is_directory("Folder"));
}

TEST_F(KernelCreateFile, HandlesWriteFlushAndCloseOnceAndAreOpenFileHandles) {
    HANDLE file = Create("SAVE.TMP", CREATE_NEW, GENERIC_READ | GENERIC_WRITE);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_NE(file, nullptr);
    EXPECT_TRUE(WriteAll(file, "BM"));
    DWORD written = 7;
    EXPECT_TRUE(WriteFile(file, "", 0, &written, nullptr));
    EXPECT_EQ(written, 0u);
    EXPECT_TRUE(WriteAll(file, "picture"));
    EXPECT_TRUE(FlushFileBuffers(file));
    EXPECT_EQ(Read("SAVE.TMP"), "BMpicture");
    // The same handle is an HFILE, as on Windows.
    HFILE same = HFILE(reinterpret_cast<intptr_t>(file));
    EXPECT_EQ(_llseek(same, 0, FILE_BEGIN), 0);
    char start[2];
    EXPECT_EQ(_lread(same, start, 2), 2u);
    EXPECT_EQ(std::string(start, 2), "BM");
    EXPECT_TRUE(CloseHandle(file));

    SetLastError(0);
    written = 7;
    EXPECT_FALSE(WriteFile(file, "x", 1, &written, nullptr));
    EXPECT_EQ(written, 0u);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(FlushFileBuffers(file));
    EXPECT_FALSE(CloseHandle(file));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
    EXPECT_FALSE(CloseHandle(INVALID_HANDLE_VALUE));
    EXPECT_EQ(Read("SAVE.TMP"), "BMpicture");

    // A handle opened for reading only does not write.
    HANDLE reading = Create("save.tmp", OPEN_EXISTING, GENERIC_READ, FILE_SHARE_READ);
    ASSERT_NE(reading, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(WriteFile(reading, "x", 1, &written, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(CloseHandle(reading));
    EXPECT_EQ(Read("SAVE.TMP"), "BMpicture");
}

TEST_F(KernelCreateFile, AnOpenFileIsNotDeletedOrRenamedUnlessItsOpenerSharesDeletion) {
    struct Case {
        DWORD share;
        bool deletable;
    };
    const Case cases[] = {
        {0, false},
        {FILE_SHARE_READ | FILE_SHARE_WRITE, false},
        {FILE_SHARE_DELETE, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "share " << c.share);
        HANDLE file = Create("OPEN.BMP", CREATE_ALWAYS, GENERIC_WRITE, c.share);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        SetLastError(0);
        EXPECT_EQ(MoveFileExA("OPEN.BMP", "MOVED.BMP", MOVEFILE_REPLACE_EXISTING) != FALSE, c.deletable);
        if (!c.deletable) {
            EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
        }
        const char* name = c.deletable ? "MOVED.BMP" : "OPEN.BMP";
        EXPECT_EQ(DeleteFileA(name) != FALSE, c.deletable);
        if (!c.deletable) {
            EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
        }
        EXPECT_NE(fs::exists(name), c.deletable);
        EXPECT_TRUE(CloseHandle(file));
        fs::remove(name);
    }
    // Closed, it goes.
    HANDLE file = Create("OPEN.BMP", CREATE_NEW);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(DeleteFileA("OPEN.BMP"));
    EXPECT_TRUE(CloseHandle(file));
    EXPECT_TRUE(DeleteFileA("OPEN.BMP"));
}

TEST_F(KernelCreateFile, AWriteToAFullDiskFailsWithDiskFull) {
    SmallDisk disk(directory_ / "disk", 64);
    if (!disk.mounted()) GTEST_SKIP() << disk.why();
    disk.Fill();
    HANDLE full = Create("disk\\PICTURE.BMP", CREATE_NEW);
    ASSERT_NE(full, INVALID_HANDLE_VALUE);
    DWORD written = 7;
    SetLastError(0);
    EXPECT_FALSE(WriteFile(full, "picture", 7, &written, nullptr));
    EXPECT_EQ(written, 0u);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_DISK_FULL));
    EXPECT_TRUE(CloseHandle(full));
}

TEST_F(KernelCreateFile, AWriteThatFillsTheDiskPartWayFailsWithDiskFull) {
    SmallDisk disk(directory_ / "disk", 64);
    if (!disk.mounted()) GTEST_SKIP() << disk.why();
    HANDLE file = Create("disk\\PICTURE.BMP", CREATE_NEW);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const std::string picture(100 * 1024, 'p');
    DWORD written = 0;
    SetLastError(0);
    EXPECT_FALSE(WriteFile(file, picture.data(), DWORD(picture.size()), &written, nullptr));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_DISK_FULL));
    EXPECT_GT(written, 0u);
    EXPECT_LE(written, 64u * 1024);
    EXPECT_TRUE(CloseHandle(file));
    EXPECT_EQ(fs::file_size("disk/PICTURE.BMP"), written);
}

}  // namespace
