#include "platform/kernel/overlay.h"

#include <pwd.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "platform/kernel/paths.h"
#include "platform/kernel/profile_file.h"

namespace kernel {
namespace {

namespace fs = std::filesystem;

std::optional<Overlay>& CurrentOverlay() {
    static std::optional<Overlay> overlay = []() -> std::optional<Overlay> {
        std::error_code error;
        fs::path program = fs::read_symlink("/proc/self/exe", error);
        if (error) return std::nullopt;
        std::string installed = program.parent_path().string();
        // A read-only mount refuses even root, which the access check reports.
        if (access(installed.c_str(), W_OK) == 0) return std::nullopt;
        return Overlay{installed, UserPicturesFolder() + "/dab"};
    }();
    return overlay;
}

// The value of XDG_PICTURES_DIR="..." in user-dirs.dirs: "$HOME/..." or an absolute path.
std::optional<std::string> XdgPicturesFolder(const std::string& home) {
    const char* config = getenv("XDG_CONFIG_HOME");
    std::string folder = config && *config == '/' ? config : home + "/.config";
    std::istringstream dirs(ReadProfileFile(folder + "/user-dirs.dirs").value_or(""));
    std::string line;
    const std::string_view key = "XDG_PICTURES_DIR=\"";
    while (std::getline(dirs, line)) {
        if (!line.starts_with(key) || !line.ends_with('"')) continue;
        std::string value = line.substr(key.size(), line.size() - key.size() - 1);
        if (value.starts_with("$HOME")) value = home + value.substr(5);
        if (value.starts_with('/')) return value;
    }
    return std::nullopt;
}

// The name a path gives in the installed folder, when that is where the path points.
std::optional<std::string> NameInInstalledFolder(const Overlay& overlay, const std::string& localPath) {
    std::error_code error;
    fs::path path = fs::absolute(localPath, error).lexically_normal();
    std::string name = path.filename().string();
    if (error || name.empty() || name == "." || name == "..") return std::nullopt;
    if (!fs::equivalent(path.parent_path(), overlay.installed, error) || error) return std::nullopt;
    return name;
}

bool Exists(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

}  // namespace

const std::optional<Overlay>& ProgramOverlay() { return CurrentOverlay(); }

void UseOverlay(std::optional<Overlay> overlay) { CurrentOverlay() = std::move(overlay); }

std::string HomeFolder() {
    const char* home = getenv("HOME");
    if (home && *home) return home;
    const passwd* user = getpwuid(getuid());
    return user && user->pw_dir ? user->pw_dir : "/";
}

std::string UserPicturesFolder() {
    std::string home = HomeFolder();
    return XdgPicturesFolder(home).value_or(home + "/Pictures");
}

std::string ResolvePathForReading(std::string_view windowsPath) {
    std::string path = ResolvePath(windowsPath);
    const std::optional<Overlay>& overlay = ProgramOverlay();
    if (!overlay) return path;
    std::optional<std::string> name = NameInInstalledFolder(*overlay, path);
    if (!name) return path;
    std::string own = ResolvePath(overlay->user + "/" + *name);
    return Exists(own) ? own : path;
}

std::string ResolvePathForWriting(std::string_view windowsPath) {
    std::string path = ResolvePath(windowsPath);
    const std::optional<Overlay>& overlay = ProgramOverlay();
    if (!overlay) return path;
    std::optional<std::string> name = NameInInstalledFolder(*overlay, path);
    if (!name) return path;
    std::error_code error;
    fs::create_directories(overlay->user, error);
    return ResolvePath(overlay->user + "/" + *name);
}

std::string ResolvePathForChanging(std::string_view windowsPath, bool keepContent) {
    std::string installed = ResolvePathForReading(windowsPath);
    std::string own = ResolvePathForWriting(windowsPath);
    if (keepContent && own != installed && IsInstalledFile(installed)) {
        std::error_code error;
        fs::copy_file(installed, own, error);
    }
    return own;
}

bool IsInstalledFile(const std::string& localPath) {
    const std::optional<Overlay>& overlay = ProgramOverlay();
    return overlay && NameInInstalledFolder(*overlay, localPath).has_value();
}

}  // namespace kernel
