#include "font.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "font_builtin.h"
#include "font_match.h"

static_assert(sizeof(LOGFONTA) == 60, "LOGFONTA has Windows' layout");
static_assert(sizeof(TEXTMETRICA) == 56, "TEXTMETRICA has Windows' layout");

namespace gdi {

namespace {

// What makes two logical fonts draw alike: faces are shared between them, as the text tool makes
// the same font again for every key pressed.
std::string FaceKey(const LOGFONTA& log) {
    std::string key = std::to_string(log.lfHeight) + ' ' + std::to_string(log.lfWidth) + ' ' +
                      std::to_string(log.lfWeight) + ' ' + std::to_string(log.lfItalic != 0) +
                      std::to_string(log.lfUnderline != 0) + std::to_string(log.lfStrikeOut != 0) + ' ' +
                      std::to_string(log.lfPitchAndFamily & 0xF0) + ' ';
    for (int i = 0; i < LF_FACESIZE && log.lfFaceName[i]; i++)
        key += char(std::tolower(static_cast<unsigned char>(log.lfFaceName[i])));
    return key;
}

// Said once: without it a parent would not know why the letters look so plain.
void SayFontsAreMissing() {
    static bool said = false;
    if (said) return;
    said = true;
    std::fprintf(stderr, "dab: no fonts found; text is drawn in the built-in font\n");
}

std::shared_ptr<FontFace> OpenFace(const LOGFONTA& log) {
    static std::map<std::string, std::shared_ptr<FontFace>> faces;
    const size_t kKept = 16;
    std::string key = FaceKey(log);
    if (auto found = faces.find(key); found != faces.end()) return found->second;
    std::optional<FaceFile> file = MatchFace(log);
    std::shared_ptr<FontFace> face = file ? OpenFaceFile(*file, log) : nullptr;
    if (!face) {
        SayFontsAreMissing();
        face = OpenBuiltInFace(log);
    }
    if (faces.size() >= kKept) faces.clear();
    faces[key] = face;
    return face;
}

HFONT AddFont(const LOGFONTA& log) {
    auto font = std::make_unique<Font>();
    font->log = log;
    return static_cast<HFONT>(AddObject(std::move(font)));
}

}  // namespace

FontFace* FaceOf(Font& font) {
    if (!font.faceLookedUp) {
        font.face = OpenFace(font.log);
        font.faceLookedUp = true;
    }
    return font.face.get();
}

std::unique_ptr<Font> MakeStockFont(int index) {
    auto font = std::make_unique<Font>();
    LOGFONTA& log = font->log;
    log.lfCharSet = ANSI_CHARSET;
    if (index == SYSTEM_FONT) {
        log.lfHeight = 16;
        log.lfWeight = FW_BOLD;
        log.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
        std::strcpy(log.lfFaceName, "System");
    } else {
        log.lfHeight = -11;
        log.lfWeight = FW_NORMAL;
        log.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
        std::strcpy(log.lfFaceName, "MS Shell Dlg");
    }
    return font;
}

}  // namespace gdi

using namespace gdi;

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* log) { return log ? AddFont(*log) : nullptr; }

HFONT WINAPI CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                         DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                         DWORD quality, DWORD pitchAndFamily, LPCSTR faceName) {
    LOGFONTA log{height,
                 width,
                 escapement,
                 orientation,
                 weight,
                 BYTE(italic),
                 BYTE(underline),
                 BYTE(strikeOut),
                 BYTE(charSet),
                 BYTE(outPrecision),
                 BYTE(clipPrecision),
                 BYTE(quality),
                 BYTE(pitchAndFamily),
                 {}};
    // Windows keeps at most 31 characters of the name and always its terminating zero.
    if (faceName) std::strncpy(log.lfFaceName, faceName, LF_FACESIZE - 1);
    return AddFont(log);
}
