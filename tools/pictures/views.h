// PNG views of the written files for a person to look at: the frame at 800 × 600 with the frame and
// chooser bitmaps where the program puts them, those bitmaps at 1× and 3×, and every supplied picture.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "picture_source.h"

namespace pictures {

// Reads the sources' files from the data folder and writes frame.png, frame-parts.png and one PNG per
// picture into the views folder; the names of what could not be read or written go to errors.
void WriteViews(const Sources& sources, const std::filesystem::path& data, const std::filesystem::path& views,
                std::vector<std::string>& errors);

}  // namespace pictures
