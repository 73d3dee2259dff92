#include <unistd.h>

#include <cerrno>
#include <climits>

#include "platform/api/kernel.h"
#include "platform/kernel/open_files.h"

namespace {

const UINT transferError = UINT(HFILE_ERROR);

}  // namespace

UINT WINAPI _lread(HFILE file, LPVOID buffer, UINT bytes) {
    int descriptor = kernel::DescriptorOf(file);
    if (descriptor < 0 || (!buffer && bytes > 0)) return transferError;
    auto* target = static_cast<char*>(buffer);
    UINT done = 0;
    while (done < bytes) {
        ssize_t count = read(descriptor, target + done, bytes - done);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return done > 0 ? done : transferError;
        if (count == 0) break;
        done += UINT(count);
    }
    return done;
}

UINT WINAPI _lwrite(HFILE file, LPCCH buffer, UINT bytes) {
    int descriptor = kernel::DescriptorOf(file);
    if (descriptor < 0 || (!buffer && bytes > 0)) return transferError;
    // Writing nothing cuts or extends the file at the current position.
    if (bytes == 0) {
        off_t position = lseek(descriptor, 0, SEEK_CUR);
        return position >= 0 && ftruncate(descriptor, position) == 0 ? 0 : transferError;
    }
    UINT done = 0;
    while (done < bytes) {
        ssize_t count = write(descriptor, buffer + done, bytes - done);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return done > 0 ? done : transferError;
        done += UINT(count);
    }
    return done;
}

LONG WINAPI _llseek(HFILE file, LONG offset, int origin) {
    int descriptor = kernel::DescriptorOf(file);
    if (descriptor < 0) return HFILE_ERROR;
    int whence;
    switch (origin) {
        case FILE_BEGIN: whence = SEEK_SET; break;
        case FILE_CURRENT: whence = SEEK_CUR; break;
        case FILE_END: whence = SEEK_END; break;
        default: return HFILE_ERROR;
    }
    off_t position = lseek(descriptor, offset, whence);
    if (position < 0 || position > LONG_MAX) return HFILE_ERROR;
    return LONG(position);
}

HFILE WINAPI _lclose(HFILE file) { return kernel::CloseOpenFile(file) ? 0 : HFILE_ERROR; }
