#include "platform/shell/trash_info.h"

#include <cstdio>

#include "platform/api/kernel.h"

namespace shell {
namespace {

// Escaped as in a URL: all but the unreserved characters and the separators.
std::string Escaped(const std::string& path) {
    std::string escaped;
    for (unsigned char c : path) {
        bool kept = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                    c == '_' || c == '.' || c == '~' || c == '/';
        if (kept) {
            escaped += char(c);
        } else {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", c);
            escaped += code;
        }
    }
    return escaped;
}

}  // namespace

std::string TrashInfo(const std::string& path) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char date[64];
    std::snprintf(date, sizeof date, "%04u-%02u-%02uT%02u:%02u:%02u", now.wYear, now.wMonth, now.wDay, now.wHour,
                  now.wMinute, now.wSecond);
    return "[Trash Info]\nPath=" + Escaped(path) + "\nDeletionDate=" + date + "\n";
}

}  // namespace shell
