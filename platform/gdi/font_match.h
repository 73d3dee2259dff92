// Choosing the font file for a logical font through fontconfig.
#pragma once

#include <optional>
#include <string>

#include "platform/api/text.h"

namespace gdi {

struct FaceFile {
    std::string path;
    int index = 0;        // the face within the file
    bool bold = false;    // the file's own weight is bold
    bool italic = false;  // the file's own slant is italic or oblique
};

// The named face, or one fontconfig treats as the same (Liberation Serif for Times New Roman), else a
// face of the family's generic kind (serif unless the family says otherwise), else any face at all.
// Nothing when no scalable font is installed.
std::optional<FaceFile> MatchFace(const LOGFONTA& log);

}  // namespace gdi
