#include "platform/kernel/profile_values.h"

#include <algorithm>
#include <cstring>

namespace kernel {

std::string ProfileDefault(LPCSTR defaultString) {
    std::string value = defaultString ? defaultString : "";
    value.erase(value.find_last_not_of(' ') + 1);
    return value;
}

std::string_view WithoutQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

DWORD CopyProfileValue(std::string_view value, LPSTR buffer, DWORD size) {
    if (!buffer || size == 0) return 0;
    size_t length = std::min(value.size(), size_t(size) - 1);
    std::memcpy(buffer, value.data(), length);
    buffer[length] = '\0';
    return DWORD(length);
}

DWORD CopyProfileList(const std::vector<std::string>& names, LPSTR buffer, DWORD size) {
    if (!buffer || size == 0) return 0;
    std::string list;
    for (const std::string& name : names) list.append(name).push_back('\0');
    // Windows counts a list that fills the buffer exactly as cut short too.
    if (list.size() + 2 <= size || list.empty()) {
        std::memcpy(buffer, list.data(), list.size());
        buffer[list.size()] = '\0';
        return DWORD(list.size());
    }
    if (size < 2) {
        buffer[0] = '\0';
        return 0;
    }
    std::memcpy(buffer, list.data(), size - 2);
    buffer[size - 2] = buffer[size - 1] = '\0';
    return size - 2;
}

}  // namespace kernel
