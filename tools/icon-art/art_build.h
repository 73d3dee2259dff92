// From the sources to the resources: every picture read, checked and drawn, then the .ico and .cur files
// and the resource script written.
#pragma once

#include <filesystem>
#include <istream>
#include <map>
#include <string>
#include <vector>

#include "art_draw.h"

namespace art {

struct Art {
    std::vector<Picture> pictures;   // as read, in file order
    std::map<std::string, Cell> cells;  // the pictures drawn without fault, by name
    std::vector<std::string> errors;
    std::vector<std::string> missing;  // names the program has that no source draws
};

// One source file, read into art.
void AddSource(Art& art, const std::string& file, std::istream& in);
// After the last source: the checks across pictures, the drawing, and the names still missing.
void Finish(Art& art);
// Every assets/icons/*.art in name order, then assets/cursors/cursors.art, finished.
Art LoadArt(const std::filesystem::path& assets);

// The resource script: string 1, then every icon and cursor by name and file.
std::string ResourceScript();
// Writes dab.rc and the files of the drawn pictures into out (icons/, cursors/), leaving files whose bytes
// are already right untouched; false with an error when a file can't be written.
bool WriteResources(const Art& art, const std::filesystem::path& out, std::vector<std::string>& errors);

}  // namespace art
