#include "platform/kernel/open_files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <unordered_map>

namespace kernel {
namespace {

struct OpenFile {
    int descriptor;
    bool sharesDeletion;
};

struct OpenFiles {
    std::unordered_map<HFILE, OpenFile> files;
    HFILE lastHandle = 0;
};

OpenFiles& Files() {
    static OpenFiles files;
    return files;
}

}  // namespace

HFILE AddOpenFile(int descriptor, bool sharesDeletion) {
    OpenFiles& files = Files();
    // Windows' file handles are multiples of 4.
    files.lastHandle += 4;
    files.files[files.lastHandle] = {descriptor, sharesDeletion};
    return files.lastHandle;
}

int DescriptorOf(HFILE file) {
    const auto& files = Files().files;
    auto found = files.find(file);
    return found == files.end() ? -1 : found->second.descriptor;
}

bool CloseOpenFile(HFILE file) {
    auto& files = Files().files;
    auto found = files.find(file);
    if (found == files.end()) return false;
    close(found->second.descriptor);
    files.erase(found);
    return true;
}

bool IsHeldAgainstDeletion(dev_t device, ino_t inode) {
    for (const auto& [handle, file] : Files().files) {
        struct stat info;
        if (!file.sharesDeletion && fstat(file.descriptor, &info) == 0 && info.st_dev == device &&
            info.st_ino == inode)
            return true;
    }
    return false;
}

}  // namespace kernel
