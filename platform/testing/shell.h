// The shell's folders from tests: the settings folders SHGetFolderPathA gives, set to folders of the test's.
#pragma once

#include <string>

namespace testing {

// From now on SHGetFolderPathA gives this local folder for the CSIDL (CSIDL_APPDATA, CSIDL_COMMON_APPDATA).
void SetKnownFolder(int csidl, const std::string& localPath);
// Back to the user's and the machine's own.
void UseSystemKnownFolders();

}  // namespace testing
