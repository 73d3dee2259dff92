// CreateDirectoryA: one folder, whose parent must exist, as on Windows; an existing one is an error of its own.
#include <sys/stat.h>

#include <cerrno>

#include "platform/api/kernel.h"
#include "platform/kernel/overlay.h"
#include "platform/kernel/windows_error.h"

BOOL WINAPI CreateDirectoryA(LPCSTR pathName, LPSECURITY_ATTRIBUTES) {
    if (!pathName || !*pathName) return kernel::Fail(ERROR_PATH_NOT_FOUND);
    std::string path = kernel::ResolvePathForWriting(pathName);
    if (mkdir(path.c_str(), 0777) == 0) return TRUE;
    return kernel::Fail(errno == EEXIST ? ERROR_ALREADY_EXISTS : kernel::WindowsError(errno, path));
}
