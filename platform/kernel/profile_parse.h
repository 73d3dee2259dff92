// The sections and keys of a settings file's text, as Windows reads them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kernel {

struct ProfileKey {
    std::string name;
    std::optional<std::string> value;  // nothing for a line without '='
};

struct ProfileSection {
    std::string name;
    std::vector<ProfileKey> keys;
};

// Every section in the file's order, repeated ones too, each with its keys in order. Lines end at CR or
// LF; blanks around a line, a section's name, a key's name and its value are dropped. A section line is
// '[' up to the line's last ']'; a line starting with ';' is a comment; lines before the first section and
// keys with no name belong to nothing.
std::vector<ProfileSection> ParseProfile(std::string_view text);

// The first section of that name and the first key of that name in it, ignoring case and blanks around
// the names asked for; later sections of the same name are not looked at, as on Windows.
const ProfileSection* FindProfileSection(const std::vector<ProfileSection>& sections, std::string_view name);
const ProfileKey* FindProfileKey(const ProfileSection& section, std::string_view name);

}  // namespace kernel
