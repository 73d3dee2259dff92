#include "platform/kernel/profile_file.h"

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>

#include "platform/kernel/regular_files.h"

namespace kernel {
namespace {

void AppendUtf8(std::string& text, uint32_t code) {
    if (code < 0x80) {
        text += char(code);
    } else if (code < 0x800) {
        text += char(0xC0 | (code >> 6));
        text += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += char(0xE0 | (code >> 12));
        text += char(0x80 | ((code >> 6) & 0x3F));
        text += char(0x80 | (code & 0x3F));
    } else {
        text += char(0xF0 | (code >> 18));
        text += char(0x80 | ((code >> 12) & 0x3F));
        text += char(0x80 | ((code >> 6) & 0x3F));
        text += char(0x80 | (code & 0x3F));
    }
}

// UTF-16 up to its first zero, pairs joined; a surrogate without its partner is U+FFFD, and an odd last
// byte is dropped.
std::string FromUtf16(std::string_view bytes, bool bigEndian) {
    auto unit = [&](size_t i) -> uint32_t {
        uint8_t a = uint8_t(bytes[i]), b = uint8_t(bytes[i + 1]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    std::string text;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        uint32_t code = unit(i);
        if (code == 0) break;
        if (code >= 0xD800 && code < 0xDC00 && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 &&
            unit(i + 2) < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (code >= 0xD800 && code < 0xE000) {
            code = 0xFFFD;
        }
        AppendUtf8(text, code);
    }
    return text;
}

}  // namespace

std::optional<std::string> ReadProfileFile(const std::string& localPath) {
    int file = OpenRegularFile(localPath, O_RDONLY);
    if (file < 0) return std::nullopt;
    // Read to the end rather than to the size seen, which a growing file or /proc does not keep.
    std::string bytes;
    char chunk[16384];
    while (bytes.size() <= kLargestProfileFile) {
        ssize_t got = read(file, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        bytes.append(chunk, size_t(got));
    }
    close(file);
    if (bytes.size() > kLargestProfileFile) bytes.clear();
    return bytes;
}

std::string ProfileText(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) return FromUtf16(bytes.substr(2), false);
    if (bytes.starts_with("\xFE\xFF")) return FromUtf16(bytes.substr(2), true);
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    return std::string(bytes.substr(0, bytes.find('\0')));
}

}  // namespace kernel
