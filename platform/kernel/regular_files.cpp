#include "platform/kernel/regular_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace kernel {
namespace {

int RefusalOf(mode_t mode) { return S_ISDIR(mode) ? EISDIR : ENXIO; }

int Refuse(int descriptor, int error) {
    close(descriptor);
    errno = error;
    return -1;
}

}  // namespace

int OpenRegularFile(const std::string& localPath, int flags, mode_t mode) {
    // Opening a device can itself do something, so what the name is now is looked at first. A new file
    // made exclusively cannot take an existing name, which needs no look.
    struct stat info;
    if (!(flags & O_EXCL) && stat(localPath.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        errno = RefusalOf(info.st_mode);
        return -1;
    }
    // Another file may take the name meanwhile: opened without blocking, it is checked again.
    int descriptor = open(localPath.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, mode);
    if (descriptor < 0) return -1;
    if (fstat(descriptor, &info) != 0) return Refuse(descriptor, errno);
    if (!S_ISREG(info.st_mode)) return Refuse(descriptor, RefusalOf(info.st_mode));
    int status = fcntl(descriptor, F_GETFL);
    if (status < 0 || fcntl(descriptor, F_SETFL, status & ~O_NONBLOCK) != 0) return Refuse(descriptor, errno);
    return descriptor;
}

}  // namespace kernel
