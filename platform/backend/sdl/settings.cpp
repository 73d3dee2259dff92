#include "platform/backend/sdl/settings.h"

#include <cstring>
#include <string>

#include "platform/win32.h"

namespace backend::sdl {
namespace {

// No line of a settings file can give this value, so it tells a missing key from an empty one.
constexpr const char* kMissing = "\n";

std::optional<std::string> SettingValue(const char* key) {
    for (int folder : {CSIDL_APPDATA, CSIDL_COMMON_APPDATA}) {
        char path[MAX_PATH];
        if (SHGetFolderPathA(nullptr, folder, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK) continue;
        std::string file = std::string(path) + "\\dab\\dab.ini";
        char value[64];
        GetPrivateProfileStringA("dab", key, kMissing, value, sizeof value, file.c_str());
        if (std::strcmp(value, kMissing) != 0) return value;
    }
    return std::nullopt;
}

}  // namespace

DisplaySettings ReadDisplaySettings() {
    DisplaySettings settings;
    if (std::optional<std::string> scale = SettingValue("Scale")) settings.scale = ParseScaleSetting(*scale);
    if (std::optional<std::string> window = SettingValue("Window")) settings.window = ParseScreenSize(*window);
    return settings;
}

}  // namespace backend::sdl
