#include "font_match.h"

#include <fontconfig/fontconfig.h>

#include <cstring>

namespace gdi {

namespace {

const char* GenericFamily(BYTE pitchAndFamily) {
    switch (pitchAndFamily & 0xF0) {
        case FF_SWISS: return "sans-serif";
        case FF_MODERN: return "monospace";
        default: return "serif";
    }
}

}  // namespace

std::optional<FaceFile> MatchFace(const LOGFONTA& log) {
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) return std::nullopt;
    char face[LF_FACESIZE + 1] = {};
    std::memcpy(face, log.lfFaceName, LF_FACESIZE);
    // Listed in order of preference: fontconfig tries the later families only when the earlier are missing.
    if (face[0]) FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(face));
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(GenericFamily(log.lfPitchAndFamily)));
    int weight = log.lfWeight <= 0 ? FW_NORMAL : log.lfWeight > 1000 ? 1000 : int(log.lfWeight);
    FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight));
    FcPatternAddInteger(pattern, FC_SLANT, log.lfItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return std::nullopt;
    std::optional<FaceFile> file;
    FcChar8* path = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path) {
        file.emplace();
        file->path = reinterpret_cast<const char*>(path);
        FcPatternGetInteger(match, FC_INDEX, 0, &file->index);
        int matchedWeight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
        FcPatternGetInteger(match, FC_WEIGHT, 0, &matchedWeight);
        FcPatternGetInteger(match, FC_SLANT, 0, &slant);
        file->bold = matchedWeight >= FC_WEIGHT_DEMIBOLD;
        file->italic = slant != FC_SLANT_ROMAN;
    }
    FcPatternDestroy(match);
    return file;
}

}  // namespace gdi
