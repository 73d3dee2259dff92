// Linux calls the platform makes that the browser's file system (emscripten's) does not have, declared as
// Linux declares them and made in linux_calls.cpp from the calls it has. The browser build includes this
// header ahead of every source of the platform.
#pragma once

#include <cstdint>

struct statx_timestamp {
    int64_t tv_sec;
    uint32_t tv_nsec;
};

struct statx {
    uint32_t stx_mask;
    uint32_t stx_blksize;
    uint64_t stx_attributes;
    uint32_t stx_nlink;
    uint32_t stx_uid;
    uint32_t stx_gid;
    uint16_t stx_mode;
    uint64_t stx_ino;
    uint64_t stx_size;
    uint64_t stx_blocks;
    statx_timestamp stx_atime, stx_btime, stx_ctime, stx_mtime;
};

#define STATX_BASIC_STATS 0x7FFu
#define STATX_BTIME 0x800u
#define RENAME_NOREPLACE 1u

extern "C" {
// What stat knows; the file system keeps no birth time, so STATX_BTIME is never in the mask.
int statx(int directory, const char* path, int flags, unsigned int mask, struct statx* info);
// Only RENAME_NOREPLACE, or no flag.
int renameat2(int fromDirectory, const char* from, int toDirectory, const char* to, unsigned int flags);
}
