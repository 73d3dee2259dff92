// How the profile calls hand their answers back, shared by the win.ini and the settings-file calls.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/api/kernel.h"

namespace kernel {

// The caller's default without its trailing blanks, as Windows drops them; NULL is empty.
std::string ProfileDefault(LPCSTR defaultString);

// A value inside one pair of matching single or double quotes loses them.
std::string_view WithoutQuotes(std::string_view value);

// Copies as much of the value as fits with its ending zero; gives the characters copied.
DWORD CopyProfileValue(std::string_view value, LPSTR buffer, DWORD size);

// Copies the names, each ended by a zero and the list by a second one. A list that does not fit is cut to
// size - 2 characters and two zeros, and gives size - 2; an empty list is a single zero.
DWORD CopyProfileList(const std::vector<std::string>& names, LPSTR buffer, DWORD size);

}  // namespace kernel
