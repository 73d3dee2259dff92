// The folder the child's pictures are saved and kept in: a parent's Pictures setting, else the program's
// folder. Between uses the program's folder stays the current one: the sounds and tunes are found there by
// name, and so are the pictures that come with the program.
#pragma once

#include <string>

// The pictures' folder as the current one while it lives, made first when it is missing; the folder current
// before comes back after.
class PicturesFolderEntered {
public:
    PicturesFolderEntered();
    ~PicturesFolderEntered();
    PicturesFolderEntered(const PicturesFolderEntered&) = delete;
    PicturesFolderEntered& operator=(const PicturesFolderEntered&) = delete;

    // False when the folder could not be made or entered: nothing may then be written.
    bool entered() const { return entered_; }

private:
    std::string before_;
    bool entered_;
};

// The pictures' folder, without a trailing separator.
const std::string& PicturesFolder();
// Whether the child's pictures have a folder of their own, apart from the program's.
bool PicturesFolderIsSeparate();
