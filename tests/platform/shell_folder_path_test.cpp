// SHGetFolderPathA: the user's settings folder from XDG_CONFIG_HOME or HOME, the system's, and what
// Windows answers for other folders and for a folder that does not exist.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

// HOME and XDG_CONFIG_HOME point into the test's folder while it runs and are put back afterwards.
class ShellFolderPath : public TempFolder {
protected:
    void SetUp() override {
        MakeFolder(false);
        KeepEnvironment({"HOME", "XDG_CONFIG_HOME"});
        fs::create_directories(directory_ / "home" / ".config");
        fs::create_directories(directory_ / "xdg");
        setenv("HOME", (directory_ / "home").c_str(), 1);
    }
    static void SetConfig(const char* value) {
        if (value) setenv("XDG_CONFIG_HOME", value, 1);
        else unsetenv("XDG_CONFIG_HOME");
    }
    // The path given, with the result: "" when the call failed.
    static std::pair<HRESULT, std::string> Folder(int csidl, DWORD type = SHGFP_TYPE_CURRENT) {
        char path[MAX_PATH];
        std::fill(std::begin(path), std::end(path), '#');
        HRESULT result = SHGetFolderPathA(nullptr, csidl, nullptr, type, path);
        return {result, path};
    }
    // A local path in the test's folder as Windows shows it.
    std::string Shown(const std::string& inside) const {
        std::string path = (directory_ / inside).string();
        for (char& c : path)
            if (c == '/') c = '\\';
        return path;
    }
};

TEST_F(ShellFolderPath, TheUsersSettingsFolderFollowsXdgAndTheSystemsIsEtc) {
    const std::string xdg = (directory_ / "xdg").string(), xdgSlash = xdg + "/";
    const struct {
        const char* config;
        int csidl;
        DWORD type;
        std::string folder;
    } cases[] = {
        {nullptr, CSIDL_APPDATA, SHGFP_TYPE_CURRENT, Shown("home/.config")},
        {xdg.c_str(), CSIDL_APPDATA, SHGFP_TYPE_CURRENT, Shown("xdg")},
        {xdgSlash.c_str(), CSIDL_APPDATA, SHGFP_TYPE_CURRENT, Shown("xdg")},
        {"xdg", CSIDL_APPDATA, SHGFP_TYPE_CURRENT, Shown("home/.config")},
        {"", CSIDL_APPDATA, SHGFP_TYPE_CURRENT, Shown("home/.config")},
        {xdg.c_str(), CSIDL_APPDATA, SHGFP_TYPE_DEFAULT, Shown("home/.config")},
        {xdg.c_str(), CSIDL_COMMON_APPDATA, SHGFP_TYPE_CURRENT, "\\etc"},
    };
    for (const auto& c : cases) {
        SetConfig(c.config);
        EXPECT_EQ(Folder(c.csidl, c.type), std::make_pair(S_OK, c.folder))
            << (c.config ? c.config : "(unset)") << " folder " << c.csidl << " type " << c.type;
    }
}

// Windows gives E_INVALIDARG for a folder it does not know and for an unknown type; here every folder but
// the two settings folders is one it does not know.
TEST_F(ShellFolderPath, OtherFoldersAndTypesAreInvalid) {
    const std::pair<int, DWORD> cases[] = {{0x0005, SHGFP_TYPE_CURRENT}, {0x001c, SHGFP_TYPE_CURRENT},
                                           {0x00ff, SHGFP_TYPE_CURRENT}, {CSIDL_APPDATA, 2}};
    for (const auto& [csidl, type] : cases)
        EXPECT_EQ(Folder(csidl, type), std::make_pair(HRESULT(0x80070057), std::string())) << csidl;
}

TEST_F(ShellFolderPath, AMissingFolderIsMadeOnlyWhenAsked) {
    const std::string missing = (directory_ / "missing" / "config").string();
    SetConfig(missing.c_str());
    EXPECT_EQ(Folder(CSIDL_APPDATA), std::make_pair(HRESULT(0x80070003), std::string()));
    EXPECT_EQ(Folder(CSIDL_APPDATA | CSIDL_FLAG_DONT_VERIFY), std::make_pair(S_OK, Shown("missing/config")));
    EXPECT_FALSE(fs::exists(missing));

    EXPECT_EQ(Folder(CSIDL_APPDATA | CSIDL_FLAG_CREATE), std::make_pair(S_OK, Shown("missing/config")));
    struct stat info;
    ASSERT_EQ(stat(missing.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(Folder(CSIDL_APPDATA), std::make_pair(S_OK, Shown("missing/config")));
}

}  // namespace
