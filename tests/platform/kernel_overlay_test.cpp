// The user's folder laid over a program folder that cannot be written: writes, renames and deletions go
// to the user's folder, reads and searches see both, and the installation never changes.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "platform/kernel/overlay.h"
#include "platform/kernel/paths.h"
#include "platform/win32.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

// HOME points into the test's folder while it runs, with no XDG_CONFIG_HOME or XDG_DATA_HOME; they are put
// back afterwards.
class KernelOverlay : public TempFolder {
protected:
    void SetUp() override {
        MakeFolder(false);
        KeepEnvironment({"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"});
        setenv("HOME", (directory_ / "home").c_str(), 1);
        unsetenv("XDG_CONFIG_HOME");
        unsetenv("XDG_DATA_HOME");
        installed_ = directory_ / "installed";
        fs::create_directories(installed_);
        Write(installed_ / "SUN.BMP", "supplied sun");
        Write(installed_ / "a1.wav", "sound");
        user_ = directory_ / "home" / "Pictures" / "dab";
        kernel::UseOverlay(kernel::Overlay{installed_.string(), user_.string()});
        fs::current_path(installed_);
    }
    void TearDown() override {
        kernel::UseOverlay(std::nullopt);
        TempFolder::TearDown();
    }
    static std::string ReadThrough(const char* name) {
        OFSTRUCT record;
        HFILE file = OpenFile(name, &record, OF_READ);
        if (file == HFILE_ERROR) return "(not opened)";
        char buffer[64] = {};
        UINT n = _lread(file, buffer, sizeof buffer - 1);
        _lclose(file);
        return std::string(buffer, n);
    }
    static bool Create(const char* name, const std::string& content) {
        OFSTRUCT record;
        HFILE file = OpenFile(name, &record, OF_CREATE | OF_READWRITE);
        if (file == HFILE_ERROR) return false;
        _lwrite(file, content.data(), UINT(content.size()));
        _lclose(file);
        return true;
    }
    std::set<std::string> InstalledFiles() const {
        std::set<std::string> files;
        for (const auto& entry : fs::directory_iterator(installed_))
            files.insert(entry.path().filename().string() + "=" + Read(entry.path()));
        return files;
    }
    fs::path installed_, user_;
};

TEST_F(KernelOverlay, KeepsTheChildsPicturesInTheUsersFolderAndNeverTouchesTheInstallation) {
    const std::set<std::string> installation = InstalledFiles();
    OFSTRUCT record;
    EXPECT_NE(OpenFile("sun.bmp", &record, OF_EXIST), HFILE_ERROR);
    EXPECT_EQ(ReadThrough("Sun.Bmp"), "supplied sun");
    EXPECT_FALSE(fs::exists(user_)) << "reads make no folder";

    // Saving: a temporary file made by bare name, then renamed into place.
    ASSERT_TRUE(Create("DAB.TMP", "house"));
    EXPECT_EQ(Read(user_ / "DAB.TMP"), "house");
    EXPECT_FALSE(MoveFileA("DAB.TMP", "sun.bmp")) << "an installed file's name is taken";
    EXPECT_TRUE(MoveFileA("DAB.TMP", "HOUSE.BMP"));
    EXPECT_EQ(Read(user_ / "HOUSE.BMP"), "house");
    EXPECT_EQ(ReadThrough("house.bmp"), "house");
    EXPECT_FALSE(MoveFileA("SUN.BMP", "MOVED.BMP")) << "an installed file is not moved";

    // A path naming the program's folder in full is overlaid too; paths elsewhere are not.
    std::string full = (installed_ / "TREE.BMP").string();
    ASSERT_TRUE(Create(full.c_str(), "tree"));
    EXPECT_EQ(Read(user_ / "TREE.BMP"), "tree");
    fs::create_directory(directory_ / "elsewhere");
    std::string other = (directory_ / "elsewhere" / "X.BMP").string();
    ASSERT_TRUE(Create(other.c_str(), "x"));
    EXPECT_EQ(Read(directory_ / "elsewhere" / "X.BMP"), "x");

    // The search lists both folders in the order Windows lists one, each name once.
    Write(user_ / "sun.bmp", "the child's own sun");
    EXPECT_EQ(Found("*.BMP"), (std::vector<std::string>{"HOUSE.BMP", "sun.bmp", "TREE.BMP"}));
    EXPECT_EQ(ReadThrough("SUN.BMP"), "the child's own sun");
    EXPECT_TRUE(DeleteFileA("SUN.BMP"));
    EXPECT_EQ(Found("*.bmp"), (std::vector<std::string>{"HOUSE.BMP", "SUN.BMP", "TREE.BMP"}));
    EXPECT_EQ(ReadThrough("SUN.BMP"), "supplied sun");

    // Deleting a supplied picture fails; the child's own are deleted.
    EXPECT_FALSE(DeleteFileA("SUN.BMP"));
    EXPECT_TRUE(DeleteFileA("house.bmp"));
    EXPECT_FALSE(fs::exists(user_ / "HOUSE.BMP"));

    // Changing an installed file in place changes the user's copy of it.
    HFILE file = OpenFile("A1.WAV", &record, OF_READWRITE);
    ASSERT_NE(file, HFILE_ERROR);
    _lwrite(file, "S", 1);
    _lclose(file);
    EXPECT_EQ(Read(user_ / "a1.wav"), "Sound");

    EXPECT_EQ(InstalledFiles(), installation);
}

TEST_F(KernelOverlay, SavesDurablyAndTrashesOnlyTheUsersPictures) {
    const std::set<std::string> installation = InstalledFiles();
    // A save: a new file by bare name, flushed, renamed over the name in one step.
    EXPECT_EQ(CreateFileA("SUN.BMP", GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr),
              INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_EXISTS)) << "an installed file's name is taken";
    HANDLE file = CreateFileA("DAB.TMP", GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(file, "house", 5, &written, nullptr));
    EXPECT_TRUE(FlushFileBuffers(file));
    EXPECT_TRUE(CloseHandle(file));
    EXPECT_FALSE(MoveFileExA("DAB.TMP", "sun.bmp", MOVEFILE_WRITE_THROUGH));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ALREADY_EXISTS));
    EXPECT_TRUE(MoveFileExA("DAB.TMP", "HOUSE.BMP", MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    EXPECT_EQ(Read(user_ / "HOUSE.BMP"), "house");
    EXPECT_FALSE(MoveFileExA("SUN.BMP", "MOVED.BMP", MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED)) << "an installed file is not moved";

    // Deleting by the program's folder's full name reaches what DeleteFileA would: the installed sun is
    // refused, the child's house goes to the trash.
    std::string programFolder = kernel::WindowsPath(installed_.string());
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    std::string sun = programFolder + "\\SUN.BMP" + '\0';
    operation.pFrom = sun.c_str();
    EXPECT_NE(SHFileOperationA(&operation), 0);
    std::string house = programFolder + "\\house.bmp" + '\0';
    operation.pFrom = house.c_str();
    EXPECT_EQ(SHFileOperationA(&operation), 0);
    EXPECT_FALSE(fs::exists(user_ / "HOUSE.BMP"));
    fs::path trash = directory_ / "home" / ".local" / "share" / "Trash";
    EXPECT_EQ(Read(trash / "files" / "HOUSE.BMP"), "house");
    EXPECT_NE(Read(trash / "info" / "HOUSE.BMP.trashinfo").find("\nPath=" + (user_ / "HOUSE.BMP").string() + "\n"),
              std::string::npos);
    EXPECT_EQ(InstalledFiles(), installation);
}

TEST_F(KernelOverlay, FindsTheUsersPicturesFolder) {
    fs::path config = directory_ / "config";
    fs::create_directories(config);
    struct Case {
        const char* dirs;  // user-dirs.dirs, or none
        fs::path folder;
    };
    const Case cases[] = {
        {nullptr, directory_ / "home" / "Pictures"},
        {"# written by xdg-user-dirs-update\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n", directory_ / "home" / "Bilder"},
        {"XDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_PICTURES_DIR=\"/srv/pictures\"\n", "/srv/pictures"},
        {"XDG_PICTURES_DIR=\"relative/is/ignored\"\n", directory_ / "home" / "Pictures"},
    };
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dirs ? c.dirs : "none");
        fs::remove(config / "user-dirs.dirs");
        if (c.dirs) Write(config / "user-dirs.dirs", c.dirs);
        EXPECT_EQ(kernel::UserPicturesFolder(), c.folder.string());
    }
    // Without XDG_CONFIG_HOME the file is looked for in ~/.config.
    unsetenv("XDG_CONFIG_HOME");
    fs::create_directories(directory_ / "home" / ".config");
    Write(directory_ / "home" / ".config" / "user-dirs.dirs", "XDG_PICTURES_DIR=\"$HOME/Photos\"\n");
    EXPECT_EQ(kernel::UserPicturesFolder(), (directory_ / "home" / "Photos").string());
}

}  // namespace
