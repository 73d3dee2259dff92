// MoveFileA: a rename that never replaces what is already there, in any case of its name.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/win32.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

using KernelMove = TempFolder;

TEST_F(KernelMove, RenamesToAFreeName) {
    Write("part.tmp", "picture");
    EXPECT_TRUE(MoveFileA("PART.TMP", "ABCDEFG.BMP"));
    EXPECT_FALSE(fs::exists("part.tmp"));
    EXPECT_EQ(Read("ABCDEFG.BMP"), "picture");

    fs::create_directory("Saved");
    EXPECT_TRUE(MoveFileA("abcdefg.bmp", "saved\\HOUSE.BMP"));
    EXPECT_EQ(Read("Saved/HOUSE.BMP"), "picture");
    EXPECT_TRUE(MoveFileA("SAVED", "Kept"));
    EXPECT_EQ(Read("Kept/HOUSE.BMP"), "picture");
}

TEST_F(KernelMove, RefusesATakenNameInAnyCaseAndChangesNothing) {
    struct Case {
        const char* taken;
        const char* asked;
    };
    const Case cases[] = {{"OLD.BMP", "OLD.BMP"}, {"old.bmp", "OLD.BMP"}, {"Old.Bmp", "old.BMP"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.asked);
        Write(c.taken, "the child's picture");
        Write("new.tmp", "another picture");
        EXPECT_FALSE(MoveFileA("new.tmp", c.asked));
        EXPECT_EQ(Read(c.taken), "the child's picture");
        EXPECT_EQ(Read("new.tmp"), "another picture");
        fs::remove(c.taken);
        fs::remove("new.tmp");
    }
    fs::create_directory("Folder");
    Write("new.tmp", "x");
    EXPECT_FALSE(MoveFileA("new.tmp", "folder"));
    EXPECT_TRUE(fs::is_directory("Folder"));
}

TEST_F(KernelMove, FailsWithoutASourceOrANameOrAPlace) {
    EXPECT_FALSE(MoveFileA("missing.tmp", "A.BMP"));
    EXPECT_FALSE(fs::exists("A.BMP"));
    Write("here.tmp", "x");
    EXPECT_FALSE(MoveFileA("here.tmp", "nowhere\\A.BMP"));
    EXPECT_FALSE(MoveFileA(nullptr, "A.BMP"));
    EXPECT_FALSE(MoveFileA("", "A.BMP"));
    EXPECT_FALSE(MoveFileA("here.tmp", nullptr));
    EXPECT_FALSE(MoveFileA("here.tmp", ""));
    EXPECT_EQ(Read("here.tmp"), "x");
}

}  // namespace
