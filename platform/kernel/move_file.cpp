#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/api/kernel.h"
#include "platform/kernel/overlay.h"
#include "platform/kernel/paths.h"

namespace {

// For file systems without an atomic rename that refuses to replace: a second name made where the link
// call itself refuses a taken one, then the old name dropped. Folders cannot be linked.
bool LinkThenUnlink(const std::string& from, const std::string& to) {
    struct stat info;
    if (lstat(from.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
    if (link(from.c_str(), to.c_str()) != 0) return false;
    return unlink(from.c_str()) == 0;
}

}  // namespace

BOOL WINAPI MoveFileA(LPCSTR existingFileName, LPCSTR newFileName) {
    if (!existingFileName || !*existingFileName || !newFileName || !*newFileName) return FALSE;
    std::string from = kernel::ResolvePathForReading(existingFileName);
    if (kernel::IsInstalledFile(from)) return FALSE;
    // A name taken by an installed file is taken, though the rename itself would go to the user's folder.
    std::string taken = kernel::ResolvePathForReading(newFileName);
    struct stat info;
    if (kernel::IsInstalledFile(taken) && lstat(taken.c_str(), &info) == 0) return FALSE;
    // A name taken in another case resolves to the file that has it, which the rename then refuses.
    std::string to = kernel::ResolvePathForWriting(newFileName);
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return TRUE;
    if (errno != EINVAL && errno != ENOSYS) return FALSE;
    return LinkThenUnlink(from, to);
}
