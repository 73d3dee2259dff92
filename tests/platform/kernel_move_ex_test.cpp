// MoveFileExA: replacing a file in one step but never a folder, refusing as MoveFileA does without
// MOVEFILE_REPLACE_EXISTING, and renames written through to the disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/win32.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

using KernelMoveEx = TempFolder;

TEST_F(KernelMoveEx, ReplacesAFileOnlyWhenAskedAndNeverAFolder) {
    enum Taken { nothing, file, fileInAnotherCase, folder };
    struct Case {
        DWORD flags;
        Taken taken;
        bool moves;
        DWORD error;
    };
    const DWORD replace = MOVEFILE_REPLACE_EXISTING, through = MOVEFILE_WRITE_THROUGH;
    const Case cases[] = {
        {0, nothing, true, 0},
        {0, file, false, ERROR_ALREADY_EXISTS},
        {0, fileInAnotherCase, false, ERROR_ALREADY_EXISTS},
        {0, folder, false, ERROR_ALREADY_EXISTS},
        {through, nothing, true, 0},
        {through, file, false, ERROR_ALREADY_EXISTS},
        {replace, nothing, true, 0},
        {replace, file, true, 0},
        {replace, fileInAnotherCase, true, 0},
        {replace, folder, false, ERROR_ACCESS_DENIED},
        {replace | through, file, true, 0},
        {replace | through, folder, false, ERROR_ACCESS_DENIED},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "flags " << c.flags << " over " << int(c.taken));
        Write("DAB.TMP", "new picture");
        const char* takenName = c.taken == fileInAnotherCase ? "house.bmp" : "HOUSE.BMP";
        if (c.taken == file || c.taken == fileInAnotherCase) Write(takenName, "old picture");
        if (c.taken == folder) fs::create_directory(takenName);
        SetLastError(0);
        EXPECT_EQ(MoveFileExA("dab.tmp", "HOUSE.BMP", c.flags) != FALSE, c.moves);
        EXPECT_EQ(GetLastError(), c.error);
        if (c.moves) {
            EXPECT_FALSE(fs::exists("DAB.TMP"));
            EXPECT_EQ(Read(c.taken == nothing ? "HOUSE.BMP" : takenName), "new picture");
        } else {
            EXPECT_EQ(Read("DAB.TMP"), "new picture");
            if (c.taken == folder) {
                EXPECT_TRUE(fs::is_directory(takenName));
            } else {
                EXPECT_EQ(Read(takenName), "old picture");
            }
        }
        fs::remove_all("DAB.TMP");
        fs::remove_all(takenName);
        fs::remove_all("HOUSE.BMP");
    }
}

TEST_F(KernelMoveEx, NeverPutsAFolderInAFilesPlace) {
    fs::create_directory("Folder");
    Write("Folder/inside.bmp", "inside");
    Write("HOUSE.BMP", "house");
    EXPECT_FALSE(MoveFileExA("Folder", "HOUSE.BMP", MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
    EXPECT_EQ(Read("HOUSE.BMP"), "house");
    EXPECT_EQ(Read("Folder/inside.bmp"), "inside");
    EXPECT_TRUE(MoveFileExA("Folder", "Kept", MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    EXPECT_EQ(Read("Kept/inside.bmp"), "inside");
}

TEST_F(KernelMoveEx, WritesThroughARenameBetweenFolders) {
    fs::create_directory("Drafts");
    fs::create_directory("Saved");
    Write("Drafts/DAB.TMP", "picture");
    Write("Saved/HOUSE.BMP", "old");
    EXPECT_TRUE(MoveFileExA("drafts\\dab.tmp", "saved\\house.bmp", MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    EXPECT_FALSE(fs::exists("Drafts/DAB.TMP"));
    EXPECT_EQ(Read("Saved/HOUSE.BMP"), "picture");
}

TEST_F(KernelMoveEx, FailsWithoutASourceOrANameOrKnownFlags) {
    Write("here.tmp", "x");
    struct Case {
        const char* from;
        const char* to;
        DWORD flags;
        DWORD error;
    };
    // 4 asks for the rename at the next start and 2 for a copy between disks, neither of which is done here.
    const Case cases[] = {
        {"missing.tmp", "A.BMP", MOVEFILE_REPLACE_EXISTING, ERROR_FILE_NOT_FOUND},
        {"nowhere\\missing.tmp", "A.BMP", 0, ERROR_PATH_NOT_FOUND},
        {"here.tmp", "nowhere\\A.BMP", MOVEFILE_REPLACE_EXISTING, ERROR_PATH_NOT_FOUND},
        {nullptr, "A.BMP", 0, ERROR_INVALID_PARAMETER},
        {"here.tmp", nullptr, MOVEFILE_REPLACE_EXISTING, ERROR_INVALID_PARAMETER},
        {"here.tmp", "", 0, ERROR_INVALID_PARAMETER},
        {"here.tmp", "A.BMP", 4, ERROR_INVALID_PARAMETER},
        {"here.tmp", "A.BMP", MOVEFILE_REPLACE_EXISTING | 2, ERROR_INVALID_PARAMETER},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.from ? c.from : "null") << " to " << (c.to ? c.to : "null"));
        SetLastError(0);
        EXPECT_FALSE(MoveFileExA(c.from, c.to, c.flags));
        EXPECT_EQ(GetLastError(), c.error);
    }
    EXPECT_EQ(Read("here.tmp"), "x");
    EXPECT_FALSE(fs::exists("A.BMP"));
}

}  // namespace
