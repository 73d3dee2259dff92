#include "platform/backend/web/linux_calls.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

namespace {

statx_timestamp Timestamp(const timespec& time) { return {int64_t(time.tv_sec), uint32_t(time.tv_nsec)}; }

}  // namespace

extern "C" int statx(int directory, const char* path, int flags, unsigned int, struct statx* info) {
    struct stat known;
    if (fstatat(directory, path, &known, flags) != 0) return -1;
    *info = {};
    info->stx_mask = STATX_BASIC_STATS;
    info->stx_blksize = uint32_t(known.st_blksize);
    info->stx_nlink = uint32_t(known.st_nlink);
    info->stx_uid = known.st_uid;
    info->stx_gid = known.st_gid;
    info->stx_mode = uint16_t(known.st_mode);
    info->stx_ino = uint64_t(known.st_ino);
    info->stx_size = uint64_t(known.st_size);
    info->stx_blocks = uint64_t(known.st_blocks);
    info->stx_atime = Timestamp(known.st_atim);
    info->stx_ctime = Timestamp(known.st_ctim);
    info->stx_mtime = Timestamp(known.st_mtim);
    return 0;
}

extern "C" int renameat2(int fromDirectory, const char* from, int toDirectory, const char* to, unsigned int flags) {
    if (flags & ~RENAME_NOREPLACE) {
        errno = EINVAL;
        return -1;
    }
    // The program is the page's only writer: nothing can take the name between this look and the rename.
    struct stat taken;
    if ((flags & RENAME_NOREPLACE) && fstatat(toDirectory, to, &taken, AT_SYMLINK_NOFOLLOW) == 0) {
        errno = EEXIST;
        return -1;
    }
    return renameat(fromDirectory, from, toDirectory, to);
}
