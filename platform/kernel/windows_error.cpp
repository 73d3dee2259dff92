#include "platform/kernel/windows_error.h"

#include <cerrno>
#include <filesystem>

namespace kernel {

DWORD WindowsError(int error, const std::string& path) {
    switch (error) {
        case ENOENT: {
            std::filesystem::path parent = std::filesystem::path(path).parent_path();
            std::error_code missing;
            if (!parent.empty() && !std::filesystem::is_directory(parent, missing)) return ERROR_PATH_NOT_FOUND;
            return ERROR_FILE_NOT_FOUND;
        }
        case ENOTDIR: return ERROR_PATH_NOT_FOUND;
        case EACCES:
        case EPERM:
        case EISDIR:
        case ENXIO:
        case EROFS: return ERROR_ACCESS_DENIED;
        case EMFILE:
        case ENFILE: return ERROR_TOO_MANY_OPEN_FILES;
        case EEXIST: return ERROR_FILE_EXISTS;
        case ENOSPC:
        case EDQUOT: return ERROR_DISK_FULL;
        case EXDEV: return ERROR_NOT_SAME_DEVICE;
        case EBADF: return ERROR_INVALID_HANDLE;
        default: return ERROR_GEN_FAILURE;
    }
}

BOOL Fail(DWORD error) {
    SetLastError(error);
    return FALSE;
}

}  // namespace kernel
