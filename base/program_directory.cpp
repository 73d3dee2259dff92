#include "base/program_directory.h"

#include <string>
#include <vector>

#include "base/state.h"

namespace {

// The whole module file name, however long: the buffer grows until the name fits.
std::string ModuleFileName(HMODULE module) {
    std::vector<char> name(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameA(module, name.data(), DWORD(name.size()));
        if (n < name.size()) return std::string(name.data(), n);
        name.resize(name.size() * 2);
    }
}

}  // namespace

void FindProgramDirectory() {
    std::string file = ModuleFileName(GetModuleHandleA("dab32.exe"));
    // Without the trailing separator; a root gives just its drive, a bare name nothing.
    size_t last = file.find_last_of("\\/");
    programDirectory = last == std::string::npos ? std::string() : file.substr(0, last);
}
