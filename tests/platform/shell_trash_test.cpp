// SHFileOperationA's deletion into the desktop's trash: the home trash, the trash at the top of another
// file system, names that collide, the record read back, and deletion when no trash can take the file.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "platform/kernel/paths.h"
#include "platform/testing/kernel.h"
#include "platform/win32.h"
#include "small_disk.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

// 2024-02-29 23:45:30 UTC, which is already 1 March two hours east.
const int64_t leapEvening = 1709250330;
const char* const deletedAt = "2024-03-01T01:45:30";

const FILEOP_FLAGS programFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;

// HOME, XDG_DATA_HOME and TZ point into the test's folder and two hours east while it runs; the clock stands.
class ShellTrash : public TempFolder {
protected:
    void SetUp() override {
        MakeFolder(false);
        KeepEnvironment({"HOME", "XDG_DATA_HOME", "TZ"});
        setenv("HOME", (directory_ / "home").c_str(), 1);
        setenv("XDG_DATA_HOME", (directory_ / "data").c_str(), 1);
        setenv("TZ", "EAST-2", 1);
        testing::SetClock(leapEvening);
        program_ = directory_ / "program";
        fs::create_directories(program_);
        trash_ = directory_ / "data" / "Trash";
    }
    void TearDown() override {
        testing::UseRealClock();
        TempFolder::TearDown();
    }
    // The record's lines, by key; the group's line under "group".
    static std::map<std::string, std::string> Record(const fs::path& path) {
        std::map<std::string, std::string> record;
        std::ifstream in(path);
        std::string line;
        while (std::getline(in, line)) {
            size_t equals = line.find('=');
            if (line.starts_with('[')) record["group"] = line;
            else if (equals != std::string::npos) record[line.substr(0, equals)] = line.substr(equals + 1);
        }
        return record;
    }
    static std::vector<std::string> Names(const fs::path& folder) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // The program's call: its folder in Windows form, a backslash and the name, ended twice.
    static int Delete(const fs::path& folder, const std::string& name, FILEOP_FLAGS flags = programFlags) {
        std::string from = kernel::WindowsPath(folder.string()) + "\\" + name + '\0';
        SHFILEOPSTRUCTA operation = {};
        operation.wFunc = FO_DELETE;
        operation.pFrom = from.c_str();
        operation.fFlags = flags;
        operation.fAnyOperationsAborted = TRUE;
        int result = SHFileOperationA(&operation);
        EXPECT_FALSE(operation.fAnyOperationsAborted);
        return result;
    }
    fs::path program_, trash_;
};

TEST_F(ShellTrash, PutsThePictureInTheHomeTrashWithARecordOfWhereAndWhen) {
    Write(program_ / "HOUSE.BMP", "house");
    EXPECT_EQ(Delete(program_, "house.bmp"), 0);
    EXPECT_FALSE(fs::exists(program_ / "HOUSE.BMP"));
    EXPECT_EQ(Read(trash_ / "files" / "HOUSE.BMP"), "house");
    std::map<std::string, std::string> record = Record(trash_ / "info" / "HOUSE.BMP.trashinfo");
    EXPECT_EQ(record["group"], "[Trash Info]");
    EXPECT_EQ(record["Path"], (program_ / "HOUSE.BMP").string());
    EXPECT_EQ(record["DeletionDate"], deletedAt);
    EXPECT_EQ(record.size(), 3u);
    EXPECT_EQ(fs::status(trash_).permissions(), fs::perms::owner_all);
    EXPECT_EQ(Names(trash_), (std::vector<std::string>{"files", "info"}));
}

TEST_F(ShellTrash, ABareNameFromTheProgramsFolderReachesTheSameFile) {
    Write(program_ / "HOUSE.BMP", "house");
    ASSERT_TRUE(SetCurrentDirectoryA(kernel::WindowsPath(program_.string()).c_str()));
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = "HOUSE.BMP\0";
    operation.fFlags = programFlags;
    EXPECT_EQ(SHFileOperationA(&operation), 0);
    EXPECT_EQ(Read(trash_ / "files" / "HOUSE.BMP"), "house");
    EXPECT_EQ(Record(trash_ / "info" / "HOUSE.BMP.trashinfo")["Path"], (program_ / "HOUSE.BMP").string());
}

TEST_F(ShellTrash, EscapesThePathAsAUrl) {
    struct Case {
        const char* name;
        const char* escaped;
    };
    const Case cases[] = {
        {"HOUSE.BMP", "HOUSE.BMP"},
        {"MY HOUSE.BMP", "MY%20HOUSE.BMP"},
        {"100%.BMP", "100%25.BMP"},
        {"A#B?C&D.BMP", "A%23B%3FC%26D.BMP"},
        {"\xC3\xA9t\xC3\xA9.bmp", "%C3%A9t%C3%A9.bmp"},
        {"tilde~under_score-dash.bmp", "tilde~under_score-dash.bmp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Write(program_ / c.name, "picture");
        EXPECT_EQ(Delete(program_, c.name), 0);
        EXPECT_EQ(Record(trash_ / "info" / (std::string(c.name) + ".trashinfo"))["Path"],
                  program_.string() + "/" + c.escaped);
    }
}

TEST_F(ShellTrash, ANameTakenInTheTrashIsNeverOverwritten) {
    // Another program's record without its file, and a file without its record.
    fs::create_directories(trash_ / "info");
    fs::create_directories(trash_ / "files");
    Write(trash_ / "info" / "HOUSE.BMP.trashinfo", "[Trash Info]\nPath=/elsewhere/HOUSE.BMP\n");
    Write(trash_ / "files" / "HOUSE 2.BMP", "a stray file");
    for (const char* content : {"first house", "second house", "third house"}) {
        Write(program_ / "HOUSE.BMP", content);
        EXPECT_EQ(Delete(program_, "HOUSE.BMP"), 0);
    }
    Write(program_ / "NOTE", "a name without a dot");
    EXPECT_EQ(Delete(program_, "NOTE"), 0);
    Write(program_ / "NOTE", "again");
    EXPECT_EQ(Delete(program_, "NOTE"), 0);

    EXPECT_EQ(Names(trash_ / "files"),
              (std::vector<std::string>{"HOUSE 2.BMP", "HOUSE 3.BMP", "HOUSE 4.BMP", "HOUSE 5.BMP", "NOTE",
                                        "NOTE 2"}));
    EXPECT_EQ(Names(trash_ / "info"),
              (std::vector<std::string>{"HOUSE 3.BMP.trashinfo", "HOUSE 4.BMP.trashinfo", "HOUSE 5.BMP.trashinfo",
                                        "HOUSE.BMP.trashinfo", "NOTE 2.trashinfo", "NOTE.trashinfo"}));
    EXPECT_EQ(Read(trash_ / "files" / "HOUSE 2.BMP"), "a stray file");
    EXPECT_EQ(Read(trash_ / "info" / "HOUSE.BMP.trashinfo"), "[Trash Info]\nPath=/elsewhere/HOUSE.BMP\n");
    EXPECT_EQ(Read(trash_ / "files" / "HOUSE 3.BMP"), "first house");
    EXPECT_EQ(Read(trash_ / "files" / "HOUSE 5.BMP"), "third house");
    EXPECT_EQ(Read(trash_ / "files" / "NOTE 2"), "again");
    EXPECT_EQ(Record(trash_ / "info" / "HOUSE 4.BMP.trashinfo")["Path"], (program_ / "HOUSE.BMP").string());
}

TEST_F(ShellTrash, DeletesWhenNoTrashCanBeMadeOrNoneIsAskedFor) {
    struct Case {
        const char* why;
        const char* dataHome;  // under the test's folder; "blocked" is a file, so nothing can be made in it
        FILEOP_FLAGS flags;
    };
    const Case cases[] = {
        {"the trash's parent is a file", "blocked/data", programFlags},
        {"the trash is a file", "blocking", programFlags},
        {"no undo asked for", "data", FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI},
    };
    Write(directory_ / "blocked", "not a folder");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        fs::remove_all(directory_ / "blocking");
        fs::create_directories(directory_ / "blocking");
        Write(directory_ / "blocking" / "Trash", "not a folder");
        setenv("XDG_DATA_HOME", (directory_ / c.dataHome).c_str(), 1);
        Write(program_ / "HOUSE.BMP", "house");
        EXPECT_EQ(Delete(program_, "HOUSE.BMP", c.flags), 0);
        EXPECT_FALSE(fs::exists(program_ / "HOUSE.BMP"));
        EXPECT_FALSE(fs::exists(directory_ / "data"));
        EXPECT_EQ(Read(directory_ / "blocked"), "not a folder");
        EXPECT_EQ(Read(directory_ / "blocking" / "Trash"), "not a folder");
    }
}

TEST_F(ShellTrash, RefusesWhatDeleteFileRefusesAndChangesNothing) {
    fs::create_directory(program_ / "FOLDER.BMP");
    Write(program_ / "OPEN.BMP", "open");
    OFSTRUCT record;
    HFILE open = OpenFile((program_ / "OPEN.BMP").c_str(), &record, OF_READ);
    ASSERT_NE(open, HFILE_ERROR);
    struct Case {
        const char* name;
        int result;
    };
    const Case cases[] = {
        {"MISSING.BMP", ERROR_FILE_NOT_FOUND},
        {"NOWHERE\\MISSING.BMP", ERROR_PATH_NOT_FOUND},
        {"FOLDER.BMP", ERROR_ACCESS_DENIED},
        {"OPEN.BMP", ERROR_SHARING_VIOLATION},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Delete(program_, c.name), c.result);
    }
    _lclose(open);
    EXPECT_TRUE(fs::is_directory(program_ / "FOLDER.BMP"));
    EXPECT_EQ(Read(program_ / "OPEN.BMP"), "open");
    EXPECT_FALSE(fs::exists(trash_ / "files" / "OPEN.BMP"));
    EXPECT_FALSE(fs::exists(trash_ / "info" / "OPEN.BMP.trashinfo"));

    // Only deletion is done.
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE + 1;
    std::string from = (program_ / "OPEN.BMP").string() + '\0';
    operation.pFrom = from.c_str();
    EXPECT_NE(SHFileOperationA(&operation), 0);
    operation.wFunc = FO_DELETE;
    operation.pFrom = "\0";
    EXPECT_NE(SHFileOperationA(&operation), 0);
    EXPECT_NE(SHFileOperationA(nullptr), 0);
    EXPECT_EQ(Read(program_ / "OPEN.BMP"), "open");
}

TEST_F(ShellTrash, AFileOnAnotherFileSystemGoesToTheTrashAtItsTop) {
    SmallDisk disk(directory_ / "disk", 256);
    if (!disk.mounted()) GTEST_SKIP() << disk.why();
    const fs::path top = directory_ / "disk";
    const std::string uid = std::to_string(getuid());
    fs::create_directories(top / "pictures");
    fs::create_directories(top / "shared");
    fs::permissions(top / "shared", fs::perms::all | fs::perms::sticky_bit);
    enum SharedTrash { none, sticky, notSticky, linkToSticky };
    struct Case {
        const char* setup;
        SharedTrash shared;
        fs::path trash;  // relative to the top
    };
    const Case cases[] = {
        {"no .Trash", none, ".Trash-" + uid},
        {"a .Trash for everyone", sticky, fs::path(".Trash") / uid},
        {"a .Trash without the sticky bit", notSticky, ".Trash-" + uid},
        {"a .Trash that is a link", linkToSticky, ".Trash-" + uid},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.setup);
        fs::remove_all(top / ".Trash");
        fs::remove_all(top / (".Trash-" + uid));
        if (c.shared == sticky || c.shared == notSticky) fs::create_directory(top / ".Trash");
        if (c.shared == sticky) fs::permissions(top / ".Trash", fs::perms::all | fs::perms::sticky_bit);
        if (c.shared == notSticky) fs::permissions(top / ".Trash", fs::perms::all);
        if (c.shared == linkToSticky) fs::create_directory_symlink("shared", top / ".Trash");

        Write(top / "pictures" / "HOUSE.BMP", "house");
        EXPECT_EQ(Delete(top / "pictures", "HOUSE.BMP"), 0);
        EXPECT_FALSE(fs::exists(top / "pictures" / "HOUSE.BMP"));
        EXPECT_EQ(Read(top / c.trash / "files" / "HOUSE.BMP"), "house");
        std::map<std::string, std::string> record = Record(top / c.trash / "info" / "HOUSE.BMP.trashinfo");
        EXPECT_EQ(record["Path"], "pictures/HOUSE.BMP");
        EXPECT_EQ(record["DeletionDate"], deletedAt);
        EXPECT_EQ(fs::status(top / c.trash).permissions(), fs::perms::owner_all);
        EXPECT_TRUE(fs::is_empty(top / "shared"));
        EXPECT_FALSE(fs::exists(trash_));
    }
}

}  // namespace
