#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "platform/api/kernel.h"
#include "platform/kernel/paths.h"

BOOL WINAPI SetCurrentDirectoryA(LPCSTR pathName) {
    if (!pathName || !*pathName) return FALSE;
    return chdir(kernel::ResolvePath(pathName).c_str()) == 0;
}

DWORD WINAPI GetCurrentDirectoryA(DWORD bufferLength, LPSTR buffer) {
    std::error_code error;
    std::string path = kernel::WindowsPath(std::filesystem::current_path(error).string());
    if (error) return 0;
    // A buffer too small is left alone, and the result is the size it would need.
    if (!buffer || bufferLength <= path.size()) return DWORD(path.size() + 1);
    std::memcpy(buffer, path.c_str(), path.size() + 1);
    return DWORD(path.size());
}
