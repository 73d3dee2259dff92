#include "platform/media/files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "platform/kernel/regular_files.h"

namespace media {
namespace {

using File = std::unique_ptr<FILE, int (*)(FILE*)>;

File Open(const std::string& localPath) {
    int descriptor = kernel::OpenRegularFile(localPath, O_RDONLY);
    if (descriptor < 0) return File(nullptr, &std::fclose);
    FILE* file = fdopen(descriptor, "rb");
    if (!file) close(descriptor);
    return File(file, &std::fclose);
}

std::optional<std::vector<uint8_t>> ReadAtMost(FILE* file, size_t count) {
    std::vector<uint8_t> bytes(count);
    size_t got = std::fread(bytes.data(), 1, count, file);
    if (std::ferror(file)) return std::nullopt;
    bytes.resize(got);
    return bytes;
}

}  // namespace

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& localPath, size_t limit) {
    File file = Open(localPath);
    if (!file) return std::nullopt;
    if (std::fseek(file.get(), 0, SEEK_END) != 0) return std::nullopt;
    long size = std::ftell(file.get());
    if (size < 0 || size_t(size) > limit || std::fseek(file.get(), 0, SEEK_SET) != 0) return std::nullopt;
    return ReadAtMost(file.get(), size_t(size));
}

std::optional<std::vector<uint8_t>> ReadFileStart(const std::string& localPath, size_t count) {
    File file = Open(localPath);
    if (!file) return std::nullopt;
    return ReadAtMost(file.get(), count);
}

}  // namespace media
