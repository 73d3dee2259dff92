// An installed program's folder cannot be written: a folder of the user's is laid over it, as Windows
// redirects an old program's writes. Files made, renamed or deleted in the program's folder live in the
// user's folder; reads find the user's file first, then the installed one. Nothing installed is written.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kernel {

struct Overlay {
    std::string installed;  // the program's own folder, never written
    std::string user;       // where its writes go, made at the first write
};

// The overlay in force: none while the program's folder can be written.
const std::optional<Overlay>& ProgramOverlay();

// Replaces the overlay found from the program's path (tests lay one over a temporary folder).
void UseOverlay(std::optional<Overlay> overlay);

// The user's home: HOME, else the one the user database gives.
std::string HomeFolder();

// The user's pictures folder: XDG_PICTURES_DIR of the user's user-dirs.dirs, else ~/Pictures.
std::string UserPicturesFolder();

// Where a file of the program's folder is read: the user's copy if there is one, else the installed file.
// Other paths are only resolved.
std::string ResolvePathForReading(std::string_view windowsPath);

// Where a file of the program's folder is written, created or renamed to: in the user's folder, made
// first. Other paths are only resolved.
std::string ResolvePathForWriting(std::string_view windowsPath);

// Where a file of the program's folder is opened to be changed: the user's file, made first as a copy of
// the installed one when its content is kept, as Windows copies a redirected file. Other paths are only
// resolved.
std::string ResolvePathForChanging(std::string_view windowsPath, bool keepContent);

// A file of the installation under the overlay, which must not be written, renamed or deleted.
bool IsInstalledFile(const std::string& localPath);

}  // namespace kernel
