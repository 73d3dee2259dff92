#include "platform/kernel/rename.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace kernel {
namespace {

// For file systems without an atomic rename that refuses to replace: a second name made where the link
// call itself refuses a taken one, then the old name dropped. Folders cannot be linked.
bool LinkThenUnlink(const std::string& from, const std::string& to) {
    struct stat info;
    if (lstat(from.c_str(), &info) != 0) return false;
    if (S_ISDIR(info.st_mode)) {
        errno = EINVAL;
        return false;
    }
    if (link(from.c_str(), to.c_str()) != 0) return false;
    return unlink(from.c_str()) == 0;
}

}  // namespace

bool RenameWithoutReplacing(const std::string& from, const std::string& to) {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    return LinkThenUnlink(from, to);
}

bool SyncFolderOf(const std::string& path) {
    std::string folder = std::filesystem::path(path).parent_path().string();
    int descriptor = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) return false;
    bool synced = fsync(descriptor) == 0;
    int error = errno;
    close(descriptor);
    errno = error;
    return synced;
}

}  // namespace kernel
