#include "platform/kernel/open_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <unordered_map>

namespace kernel {
namespace {

struct OpenFiles {
    std::unordered_map<HFILE, int> descriptors;
    HFILE lastHandle = 0;
};

OpenFiles& Files() {
    static OpenFiles files;
    return files;
}

}  // namespace

HFILE AddOpenFile(int descriptor) {
    OpenFiles& files = Files();
    // Windows' file handles are multiples of 4.
    files.lastHandle += 4;
    files.descriptors[files.lastHandle] = descriptor;
    return files.lastHandle;
}

int DescriptorOf(HFILE file) {
    const auto& descriptors = Files().descriptors;
    auto found = descriptors.find(file);
    return found == descriptors.end() ? -1 : found->second;
}

bool CloseOpenFile(HFILE file) {
    auto& descriptors = Files().descriptors;
    auto found = descriptors.find(file);
    if (found == descriptors.end()) return false;
    close(found->second);
    descriptors.erase(found);
    return true;
}

bool IsOpen(dev_t device, ino_t inode) {
    for (const auto& [handle, descriptor] : Files().descriptors) {
        struct stat info;
        if (fstat(descriptor, &info) == 0 && info.st_dev == device && info.st_ino == inode) return true;
    }
    return false;
}

}  // namespace kernel
