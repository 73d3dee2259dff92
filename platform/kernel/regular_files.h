// Opening a file the program names. Only a regular file opens: a pipe, a socket or a device under a
// picture's or a setting's name would stall the program in open() or read(), where nothing interrupts it.
#pragma once

#include <sys/types.h>

#include <string>

namespace kernel {

// A descriptor on the regular file at the path (links followed), opened with open()'s flags and mode, in
// blocking mode; -1 with errno set otherwise: EISDIR for a folder, ENXIO for anything else that is no
// regular file. Neither is opened in a way that can block.
int OpenRegularFile(const std::string& localPath, int flags, mode_t mode = 0666);

}  // namespace kernel
