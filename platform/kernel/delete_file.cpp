#include <sys/stat.h>
#include <unistd.h>

#include "platform/api/kernel.h"
#include "platform/kernel/open_files.h"
#include "platform/kernel/overlay.h"

BOOL WINAPI DeleteFileA(LPCSTR fileName) {
    if (!fileName || !*fileName) return FALSE;
    std::string path = kernel::ResolvePathForReading(fileName);
    // An installed file stays: its deletion fails as any refused deletion does.
    if (kernel::IsInstalledFile(path)) return FALSE;
    struct stat info;
    if (lstat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return FALSE;
    // OpenFile shares a file for reading and writing but not for deletion, so an open file stays.
    if (kernel::IsOpen(info.st_dev, info.st_ino)) return FALSE;
    return unlink(path.c_str()) == 0;
}
