#include <errno.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "platform/api/kernel.h"
#include "platform/api/shell.h"
#include "platform/kernel/overlay.h"
#include "platform/kernel/paths.h"
#include "platform/testing/shell.h"

namespace {

// The part of a CSIDL that names the folder, below its flags.
constexpr int kFolderMask = 0x00ff;

std::string WithoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.ends_with('/')) path.pop_back();
    return path;
}

// The folders tests have set in place of the user's and the machine's, by CSIDL.
std::map<int, std::string>& FoldersSetByTests() {
    static std::map<int, std::string> folders;
    return folders;
}

// The local folder of a CSIDL; nothing for the folders no caller asks for.
std::optional<std::string> LocalFolder(int folder, DWORD type) {
    auto set = FoldersSetByTests().find(folder);
    if (set != FoldersSetByTests().end()) return set->second;
    switch (folder) {
        case CSIDL_APPDATA: {
            // XDG's base directories: a relative XDG_CONFIG_HOME is to be ignored.
            const char* config = getenv("XDG_CONFIG_HOME");
            if (type == SHGFP_TYPE_CURRENT && config && *config == '/') return WithoutTrailingSlashes(config);
            std::string home = WithoutTrailingSlashes(kernel::HomeFolder());
            return (home == "/" ? "" : home) + "/.config";
        }
        case CSIDL_COMMON_APPDATA: return "/etc";
        default: return std::nullopt;
    }
}

bool IsFolder(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Each missing level only its user may enter, as XDG asks of the folders it names.
bool MakeFolders(const std::string& path) {
    std::filesystem::path made;
    for (const std::filesystem::path& part : std::filesystem::path(path)) {
        made /= part;
        if (mkdir(made.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return IsFolder(path);
}

}  // namespace

HRESULT WINAPI SHGetFolderPathA(HWND, int csidl, HANDLE, DWORD flags, LPSTR path) {
    // Windows leaves the path ended whatever happens, and empty when the call fails.
    if (path) path[0] = '\0';
    if (flags != SHGFP_TYPE_CURRENT && flags != SHGFP_TYPE_DEFAULT) return E_INVALIDARG;
    std::optional<std::string> folder = LocalFolder(csidl & kFolderMask, flags);
    if (!folder) return E_INVALIDARG;
    std::string shown = kernel::WindowsPath(*folder);
    if (shown.size() >= MAX_PATH) return HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
    if (!(csidl & CSIDL_FLAG_DONT_VERIFY) && !IsFolder(*folder)) {
        if (!(csidl & CSIDL_FLAG_CREATE)) return HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND);
        if (!MakeFolders(*folder)) return E_FAIL;
    }
    if (path) std::memcpy(path, shown.c_str(), shown.size() + 1);
    return S_OK;
}

namespace testing {

void SetKnownFolder(int csidl, const std::string& localPath) { FoldersSetByTests()[csidl & kFolderMask] = localPath; }

void UseSystemKnownFolders() { FoldersSetByTests().clear(); }

}  // namespace testing
