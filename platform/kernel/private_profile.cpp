#include <cstdint>
#include <string>
#include <vector>

#include "platform/api/kernel.h"
#include "platform/kernel/overlay.h"
#include "platform/kernel/profile_file.h"
#include "platform/kernel/profile_parse.h"
#include "platform/kernel/profile_values.h"

namespace {

// Read at every call: a settings file is small, and a parent's edit counts at once.
std::vector<kernel::ProfileSection> LoadProfile(LPCSTR fileName) {
    std::optional<std::string> bytes = kernel::ReadProfileFile(kernel::ResolvePathForReading(fileName));
    if (!bytes) return {};
    return kernel::ParseProfile(kernel::ProfileText(*bytes));
}

std::vector<std::string> SectionNames(const std::vector<kernel::ProfileSection>& sections) {
    std::vector<std::string> names;
    for (const kernel::ProfileSection& section : sections)
        if (!section.name.empty()) names.push_back(section.name);
    return names;
}

// Only keys with a value are listed, as on Windows.
std::vector<std::string> KeyNames(const kernel::ProfileSection* section) {
    std::vector<std::string> names;
    if (section)
        for (const kernel::ProfileKey& key : section->keys)
            if (key.value) names.push_back(key.name);
    return names;
}

// Windows' reading of a number: blanks, a sign, then 0x, 0o or 0b for another base, and the digits up to
// the first that is not one, kept to 32 bits as they come.
uint32_t LeadingNumber(const char* text) {
    while (*text && uint8_t(*text) <= ' ') text++;
    bool negative = *text == '-';
    if (*text == '-' || *text == '+') text++;
    uint32_t base = 10;
    if (text[0] == '0' && (text[1] == 'x' || text[1] == 'o' || text[1] == 'b')) {
        base = text[1] == 'x' ? 16 : text[1] == 'o' ? 8 : 2;
        text += 2;
    }
    uint32_t total = 0;
    for (;; text++) {
        char c = *text;
        uint32_t digit = c >= '0' && c <= '9'   ? uint32_t(c - '0')
                         : c >= 'a' && c <= 'z' ? uint32_t(c - 'a' + 10)
                         : c >= 'A' && c <= 'Z' ? uint32_t(c - 'A' + 10)
                                                : 99;
        if (digit >= base) break;
        total = total * base + digit;
    }
    return negative ? 0u - total : total;
}

}  // namespace

DWORD WINAPI GetPrivateProfileStringA(LPCSTR appName, LPCSTR keyName, LPCSTR defaultString,
                                      LPSTR returnedString, DWORD size, LPCSTR fileName) {
    if (!returnedString || size == 0) return 0;
    // No file is win.ini, whose one entry GetProfileStringA knows.
    if (!fileName) return GetProfileStringA(appName, keyName, defaultString, returnedString, size);
    std::vector<kernel::ProfileSection> sections = LoadProfile(fileName);
    if (!appName) return kernel::CopyProfileList(SectionNames(sections), returnedString, size);

    // Windows takes the quotes off the default as it does off a value.
    std::string fallback = kernel::ProfileDefault(defaultString);
    const kernel::ProfileSection* section = kernel::FindProfileSection(sections, appName);
    if (!keyName) {
        std::vector<std::string> names = KeyNames(section);
        if (!names.empty()) return kernel::CopyProfileList(names, returnedString, size);
        return kernel::CopyProfileValue(kernel::WithoutQuotes(fallback), returnedString, size);
    }
    const kernel::ProfileKey* key = section ? kernel::FindProfileKey(*section, keyName) : nullptr;
    // The first key of the name counts even without a value: the default stands for it then.
    std::string_view value = key && key->value ? std::string_view(*key->value) : std::string_view(fallback);
    return kernel::CopyProfileValue(kernel::WithoutQuotes(value), returnedString, size);
}

UINT WINAPI GetPrivateProfileIntA(LPCSTR appName, LPCSTR keyName, INT defaultValue, LPCSTR fileName) {
    // As Windows does: the first 29 characters of the value, through the string call.
    char value[30];
    if (GetPrivateProfileStringA(appName, keyName, "", value, sizeof value, fileName) == 0) return UINT(defaultValue);
    return LeadingNumber(value);
}
