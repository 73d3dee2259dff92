#include <unistd.h>

#include <cerrno>

#include "platform/api/kernel.h"
#include "platform/kernel/open_files.h"
#include "platform/kernel/windows_error.h"

BOOL WINAPI WriteFile(HANDLE file, LPCVOID buffer, DWORD bytesToWrite, LPDWORD bytesWritten,
                      LPOVERLAPPED overlapped) {
    if (bytesWritten) *bytesWritten = 0;
    int descriptor = kernel::DescriptorOf(kernel::FileOf(file));
    if (descriptor < 0) return kernel::Fail(ERROR_INVALID_HANDLE);
    if (overlapped || (!buffer && bytesToWrite > 0)) return kernel::Fail(ERROR_INVALID_PARAMETER);
    const auto* bytes = static_cast<const char*>(buffer);
    DWORD done = 0;
    while (done < bytesToWrite) {
        ssize_t count = write(descriptor, bytes + done, bytesToWrite - done);
        if (count < 0 && errno == EINTR) continue;
        if (bytesWritten) *bytesWritten = done;
        // Nothing written with no error is a full disk too; a handle not opened for writing is refused.
        if (count == 0) return kernel::Fail(ERROR_DISK_FULL);
        if (count < 0) return kernel::Fail(errno == EBADF ? ERROR_ACCESS_DENIED : kernel::WindowsError(errno, ""));
        done += DWORD(count);
    }
    if (bytesWritten) *bytesWritten = done;
    return TRUE;
}

BOOL WINAPI FlushFileBuffers(HANDLE file) {
    int descriptor = kernel::DescriptorOf(kernel::FileOf(file));
    if (descriptor < 0) return kernel::Fail(ERROR_INVALID_HANDLE);
    if (fsync(descriptor) != 0) return kernel::Fail(kernel::WindowsError(errno, ""));
    return TRUE;
}

BOOL WINAPI CloseHandle(HANDLE object) {
    return kernel::CloseOpenFile(kernel::FileOf(object)) ? TRUE : kernel::Fail(ERROR_INVALID_HANDLE);
}
