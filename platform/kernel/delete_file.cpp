#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/api/kernel.h"
#include "platform/kernel/deletion.h"
#include "platform/kernel/open_files.h"
#include "platform/kernel/overlay.h"
#include "platform/kernel/windows_error.h"

namespace kernel {

DWORD DeletionRefusal(const std::string& path) {
    // An installed file stays: its deletion fails as any refused deletion does.
    if (IsInstalledFile(path)) return ERROR_ACCESS_DENIED;
    struct stat info;
    if (lstat(path.c_str(), &info) != 0) return WindowsError(errno, path);
    if (S_ISDIR(info.st_mode)) return ERROR_ACCESS_DENIED;
    // OpenFile shares a file for reading and writing but not for deletion, so an open file stays.
    if (IsHeldAgainstDeletion(info.st_dev, info.st_ino)) return ERROR_SHARING_VIOLATION;
    return 0;
}

}  // namespace kernel

BOOL WINAPI DeleteFileA(LPCSTR fileName) {
    if (!fileName || !*fileName) return kernel::Fail(ERROR_INVALID_PARAMETER);
    std::string path = kernel::ResolvePathForReading(fileName);
    if (DWORD refusal = kernel::DeletionRefusal(path)) return kernel::Fail(refusal);
    if (unlink(path.c_str()) != 0) return kernel::Fail(kernel::WindowsError(errno, path));
    return TRUE;
}
