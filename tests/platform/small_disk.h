// A tiny file system of its own, mounted in a test's folder: a disk that fills up, and a file system other
// than the home folder's. Mounting needs root; a test without it says so and is skipped.
#pragma once

#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

class SmallDisk {
public:
    SmallDisk(const std::filesystem::path& folder, int kilobytes) : folder_(folder) {
        std::filesystem::create_directories(folder);
        std::string options = "size=" + std::to_string(kilobytes) + "k,mode=0755";
        mounted_ = mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) == 0;
        if (!mounted_) why_ = std::string("mounting a tmpfs needs root: ") + std::strerror(errno);
    }
    ~SmallDisk() {
        if (mounted_) umount2(folder_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    // Takes every byte left with one file, so that the next write to any file fails for want of room.
    void Fill() const {
        std::ofstream filler(folder_ / "filler", std::ios::binary);
        const std::string block(4096, 'f');
        while (filler.write(block.data(), std::streamsize(block.size())) && filler.flush()) {
        }
    }
    const std::string& why() const { return why_; }

private:
    std::filesystem::path folder_;
    bool mounted_ = false;
    std::string why_;
};
