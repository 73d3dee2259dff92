#include "platform/kernel/profile_parse.h"

#include "platform/kernel/paths.h"

namespace kernel {
namespace {

// Windows' blanks in settings files, ^Z among them: old files end with it.
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::vector<ProfileSection> ParseProfile(std::string_view text) {
    std::vector<ProfileSection> sections;
    while (!text.empty()) {
        size_t end = text.find_first_of("\r\n");
        std::string_view line = Trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.front() == ';') continue;
        size_t close = line.rfind(']');
        if (line.front() == '[' && close != std::string_view::npos) {
            sections.push_back({std::string(Trimmed(line.substr(1, close - 1))), {}});
            continue;
        }
        size_t equals = line.find('=');
        std::string_view name = Trimmed(line.substr(0, equals));
        if (sections.empty() || name.empty()) continue;
        std::optional<std::string> value;
        if (equals != std::string_view::npos) value = std::string(Trimmed(line.substr(equals + 1)));
        sections.back().keys.push_back({std::string(name), std::move(value)});
    }
    return sections;
}

const ProfileSection* FindProfileSection(const std::vector<ProfileSection>& sections, std::string_view name) {
    name = Trimmed(name);
    // "[]" holds its keys away from every other section, and nothing asks for it.
    if (name.empty()) return nullptr;
    for (const ProfileSection& section : sections)
        if (EqualIgnoringCase(section.name, name)) return &section;
    return nullptr;
}

const ProfileKey* FindProfileKey(const ProfileSection& section, std::string_view name) {
    name = Trimmed(name);
    for (const ProfileKey& key : section.keys)
        if (EqualIgnoringCase(key.name, name)) return &key;
    return nullptr;
}

}  // namespace kernel
