#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/api/kernel.h"
#include "platform/kernel/paths.h"

namespace {

// Where a 32-bit Windows program's image is loaded, the value its instance handle has there.
const HMODULE programInstance = reinterpret_cast<HMODULE>(0x00400000);

std::filesystem::path ExecutablePath() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error);
}

// A module is named by its file name, with or without ".exe", whatever the case.
bool NamesProgram(std::string_view moduleName) {
    size_t separator = moduleName.find_last_of("/\\");
    if (separator != std::string_view::npos) moduleName.remove_prefix(separator + 1);
    std::string programName = ExecutablePath().filename().string();
    return !programName.empty() &&
           (kernel::EqualIgnoringCase(moduleName, programName) ||
            kernel::EqualIgnoringCase(moduleName, programName + ".exe"));
}

}  // namespace

HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName) {
    if (!moduleName || NamesProgram(moduleName)) return programInstance;
    return nullptr;
}

DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size) {
    if ((module && module != programInstance) || !fileName || size == 0) return 0;
    std::string path = kernel::WindowsPath(ExecutablePath().string());
    if (path.empty()) return 0;
    // Too long a name is cut to fit with its terminating zero, and the result is then the whole size.
    size_t length = std::min(path.size(), size_t(size) - 1);
    std::memcpy(fileName, path.data(), length);
    fileName[length] = '\0';
    return path.size() < size ? DWORD(length) : size;
}
