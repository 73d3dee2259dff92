#include "platform/shell/trash_folder.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/kernel/overlay.h"

namespace shell {
namespace {

namespace fs = std::filesystem;

std::string HomeTrash() {
    const char* data = getenv("XDG_DATA_HOME");
    if (data && *data == '/') return std::string(data) + "/Trash";
    return kernel::HomeFolder() + "/.local/share/Trash";
}

// A folder yet to be made lies on the file system of its nearest ancestor that exists.
std::optional<dev_t> DeviceOf(fs::path path) {
    struct stat info;
    while (stat(path.c_str(), &info) != 0) {
        if (path == path.root_path() || path.empty()) return std::nullopt;
        path = path.parent_path();
    }
    return info.st_dev;
}

// The highest folder above the file still on its file system.
fs::path TopOf(fs::path folder, dev_t device) {
    struct stat info;
    while (folder != folder.root_path() && stat(folder.parent_path().c_str(), &info) == 0 && info.st_dev == device)
        folder = folder.parent_path();
    return folder;
}

// A folder of the user's only, made with its missing parents; an existing link or file in its place fails.
bool MakeOwnFolder(const fs::path& folder) {
    if (mkdir(folder.c_str(), 0700) != 0 && errno == ENOENT && folder.has_parent_path() &&
        folder.parent_path() != folder) {
        if (!MakeOwnFolder(folder.parent_path())) return false;
        mkdir(folder.c_str(), 0700);
    }
    struct stat info;
    return lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid();
}

std::optional<TrashFolder> Made(const fs::path& folder, const fs::path& top) {
    if (!MakeOwnFolder(folder / "files") || !MakeOwnFolder(folder / "info")) return std::nullopt;
    return TrashFolder{folder.string(), top.string()};
}

// $top/.Trash/$uid when an administrator made $top/.Trash for everyone (a real folder with the sticky bit),
// else $top/.Trash-$uid.
std::optional<TrashFolder> TopTrash(const fs::path& top) {
    std::string uid = std::to_string(getuid());
    struct stat shared;
    fs::path sharedTrash = top / ".Trash";
    if (lstat(sharedTrash.c_str(), &shared) == 0 && S_ISDIR(shared.st_mode) && (shared.st_mode & S_ISVTX)) {
        if (auto trash = Made(sharedTrash / uid, top)) return trash;
    }
    return Made(top / (".Trash-" + uid), top);
}

}  // namespace

std::optional<TrashFolder> TrashFolderFor(const std::string& file) {
    struct stat info;
    if (lstat(file.c_str(), &info) != 0) return std::nullopt;
    fs::path home = HomeTrash();
    if (DeviceOf(home) == info.st_dev) return Made(home, "");
    std::error_code error;
    fs::path folder = fs::canonical(fs::absolute(file, error).parent_path(), error);
    if (error) return std::nullopt;
    return TopTrash(TopOf(folder, info.st_dev));
}

}  // namespace shell
