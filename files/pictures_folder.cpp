#include "files/pictures_folder.h"

#include "base/settings.h"
#include "base/state.h"

namespace {

// Each missing folder on the way, from the top; the drive or root is taken as there.
void MakeFolders(const std::string& path) {
    for (size_t at = path.find_first_of("\\/", 1); at != std::string::npos; at = path.find_first_of("\\/", at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    CreateDirectoryA(path.c_str(), nullptr);
}

std::string CurrentFolder() {
    std::string folder(GetCurrentDirectoryA(0, nullptr), '\0');
    if (folder.empty()) return folder;
    folder.resize(GetCurrentDirectoryA(DWORD(folder.size()), folder.data()));
    return folder;
}

}  // namespace

const std::string& PicturesFolder() {
    return PicturesFolderIsSeparate() ? CurrentSettings().pictures : programDirectory;
}

bool PicturesFolderIsSeparate() { return !CurrentSettings().pictures.empty(); }

PicturesFolderEntered::PicturesFolderEntered() : before_(CurrentFolder()) {
    if (PicturesFolderIsSeparate()) MakeFolders(PicturesFolder());
    // The program's folder has always been taken as there.
    entered_ = SetCurrentDirectoryA(PicturesFolder().c_str()) != FALSE || !PicturesFolderIsSeparate();
}

PicturesFolderEntered::~PicturesFolderEntered() {
    if (!before_.empty()) SetCurrentDirectoryA(before_.c_str());
}
