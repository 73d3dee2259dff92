// icon-art: draws the icons and cursors of assets/ into the program's resources, or onto a contact sheet.
//
//   icon-art [--assets DIR] [--out DIR]
//       checks every source and writes resources/dab.rc with the .ico and .cur files of what they draw;
//       names no source draws yet are listed, and make the exit status 1 like any error
//   icon-art --sheet FILE.png [--assets DIR] [--only SOURCE.art]...
//       writes the contact sheet of every picture, or of those from the sources named
//   icon-art --large FILE.png --icon ICON_N --size PIXELS [--assets DIR]
//       redraws one icon on a larger square, a transparent PNG for the desktop's icon theme
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "art_build.h"
#include "contact_sheet.h"
#include "platform/print/png.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: icon-art [--assets DIR] [--out DIR]\n"
                 "       icon-art --sheet FILE.png [--assets DIR] [--only SOURCE.art]...\n"
                 "       icon-art --large FILE.png --icon ICON_N --size PIXELS [--assets DIR]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::filesystem::path root = DAB_SOURCE_DIR;
    std::filesystem::path assets = root / "assets", out = root / "resources";
    std::string sheet, large, icon;
    int size = 0;
    std::set<std::string> only;
    for (int i = 1; i < argc; i++) {
        std::string option = argv[i];
        if (i + 1 == argc) return Usage();
        std::string value = argv[++i];
        if (option == "--assets") {
            assets = value;
        } else if (option == "--out") {
            out = value;
        } else if (option == "--sheet") {
            sheet = value;
        } else if (option == "--large") {
            large = value;
        } else if (option == "--icon") {
            icon = value;
        } else if (option == "--size") {
            size = std::atoi(value.c_str());
        } else if (option == "--only") {
            only.insert(value);
        } else {
            return Usage();
        }
    }

    art::Art art = art::LoadArt(assets);
    for (const std::string& error : art.errors) std::fprintf(stderr, "%s\n", error.c_str());
    bool ok = art.errors.empty();
    if (!large.empty()) {
        if (size < art::kCell || size > 1024 || size % (art::kCell / 2) != 0) return Usage();
        auto picture = std::ranges::find_if(art.pictures, [&](const art::Picture& p) { return p.Name() == icon; });
        if (picture == art.pictures.end()) {
            std::fprintf(stderr, "no source draws %s\n", icon.c_str());
            return 1;
        }
        std::vector<uint32_t> pixels = art::DrawPictureLarge(*picture, size);
        if (!print::WriteRgbaPng(large, size, size, pixels.data())) {
            std::fprintf(stderr, "%s: cannot be written\n", large.c_str());
            return 1;
        }
        return ok ? 0 : 1;
    }
    if (!sheet.empty()) {
        if (!only.empty()) {
            std::erase_if(art.pictures, [&](const art::Picture& picture) {
                return !only.count(std::filesystem::path(picture.file).filename().string());
            });
        }
        if (!art::WriteContactSheet(art, sheet)) {
            std::fprintf(stderr, "%s: cannot be written\n", sheet.c_str());
            return 1;
        }
        return ok ? 0 : 1;
    }

    std::vector<std::string> errors;
    if (!art::WriteResources(art, out, errors)) ok = false;
    for (const std::string& error : errors) std::fprintf(stderr, "%s\n", error.c_str());
    if (!art.missing.empty()) {
        std::fprintf(stderr, "no source draws %zu names yet:", art.missing.size());
        for (const std::string& name : art.missing) std::fprintf(stderr, " %s", name.c_str());
        std::fprintf(stderr, "\n");
        ok = false;
    }
    return ok ? 0 : 1;
}
