// The browser's font finder: no fontconfig, only the Liberation faces the build puts into /fonts of the
// page's file system. Each stands in for the Windows faces it shares its metrics with, as fontconfig's own
// rules make it do on the desktop.
#include <unistd.h>

#include <cctype>
#include <cstring>
#include <initializer_list>
#include <string>

#include "platform/gdi/font_match.h"

namespace gdi {

namespace {

constexpr const char* kFontFolder = "/fonts/";

// A family's file names are Liberation<Family>-<Style>.ttf.
const struct {
    const char* name;
    const char* family;
} kFaces[] = {
    {"times new roman", "Serif"},
    {"times", "Serif"},
    {"serif", "Serif"},
    {"liberation serif", "Serif"},
    {"arial", "Sans"},
    {"helvetica", "Sans"},
    {"sans", "Sans"},
    {"sans-serif", "Sans"},
    {"ms sans serif", "Sans"},
    {"liberation sans", "Sans"},
    {"courier new", "Mono"},
    {"courier", "Mono"},
    {"monospace", "Mono"},
    {"liberation mono", "Mono"},
};

const char* GenericFamily(BYTE pitchAndFamily) {
    switch (pitchAndFamily & 0xF0) {
        case FF_SWISS:
            return "Sans";
        case FF_MODERN:
            return "Mono";
        default:
            return "Serif";
    }
}

const char* FamilyOf(const LOGFONTA& log) {
    std::string face;
    for (int i = 0; i < LF_FACESIZE && log.lfFaceName[i]; i++)
        face += char(std::tolower(static_cast<unsigned char>(log.lfFaceName[i])));
    for (const auto& known : kFaces)
        if (face == known.name) return known.family;
    return GenericFamily(log.lfPitchAndFamily);
}

const char* StyleName(bool bold, bool italic) {
    if (bold) return italic ? "BoldItalic" : "Bold";
    return italic ? "Italic" : "Regular";
}

std::string FacePath(const char* family, bool bold, bool italic) {
    return std::string(kFontFolder) + "Liberation" + family + "-" + StyleName(bold, italic) + ".ttf";
}

}  // namespace

std::optional<FaceFile> MatchFace(const LOGFONTA& log) {
    // Nearer to bold than to regular from semibold up, as fontconfig's nearest weight is.
    bool bold = log.lfWeight >= FW_SEMIBOLD;
    bool italic = log.lfItalic != 0;
    // The face asked for, else its regular style for FreeType to embolden or slant, else another family.
    for (const char* family : {FamilyOf(log), "Serif", "Sans", "Mono"}) {
        for (bool styled : {true, false}) {
            FaceFile file{FacePath(family, bold && styled, italic && styled), 0, bold && styled, italic && styled};
            if (access(file.path.c_str(), R_OK) == 0) return file;
        }
    }
    return std::nullopt;
}

}  // namespace gdi
