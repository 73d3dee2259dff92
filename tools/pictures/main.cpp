// dab-pictures: the frame and chooser bitmaps and the supplied pictures, drawn from assets/pictures into
// data/ through the program's own bitmap writer.
//
//   dab-pictures [--assets DIR] [--out DIR]
//       writes every picture the sources draw (A1.MUB .. A4.MUB, the CB colouring pictures, the others)
//   dab-pictures --views DIR [--assets DIR] [--data DIR]
//       writes PNG views of the files in the data folder, for a person to look at; never into the repository
//   dab-pictures --areas [--assets DIR]
//       lists the points the sources name inside their closed areas, one "FILE X Y" a line
#include <cstdio>
#include <algorithm>
#include <filesystem>
#include <string>

#include "picture_draw.h"
#include "picture_source.h"
#include "views.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: dab-pictures [--assets DIR] [--out DIR]\n"
                 "       dab-pictures --views DIR [--assets DIR] [--data DIR]\n"
                 "       dab-pictures --areas [--assets DIR]\n");
    return 2;
}

// A folder of the repository's own files: anything inside it but a build folder (build, build-NAME).
bool InsideRepository(const std::filesystem::path& folder, const std::filesystem::path& root) {
    std::filesystem::path a = std::filesystem::weakly_canonical(folder), r = std::filesystem::weakly_canonical(root);
    auto [end, at] = std::mismatch(r.begin(), r.end(), a.begin(), a.end());
    if (end != r.end()) return false;
    return at == a.end() || !at->string().starts_with("build");
}

}  // namespace

int main(int argc, char** argv) {
    std::filesystem::path root = DAB_SOURCE_DIR;
    std::filesystem::path assets = root / "assets" / "pictures", out = root / "data", views;
    bool areas = false;
    for (int i = 1; i < argc; i++) {
        std::string option = argv[i];
        if (option == "--areas") {
            areas = true;
            continue;
        }
        if (i + 1 == argc) return Usage();
        std::string value = argv[++i];
        if (option == "--assets") {
            assets = value;
        } else if (option == "--out" || option == "--data") {
            out = value;
        } else if (option == "--views") {
            views = value;
        } else {
            return Usage();
        }
    }

    pictures::Sources sources = pictures::LoadSources(assets);
    for (const std::string& error : sources.errors) std::fprintf(stderr, "%s\n", error.c_str());
    bool ok = sources.errors.empty() && !sources.sources.empty();
    if (areas) {
        for (const pictures::Source& source : sources.sources)
            for (const pictures::Point& p : source.areas) std::printf("%s %d %d\n", source.file.c_str(), p.x, p.y);
        return ok ? 0 : 1;
    }
    if (!views.empty()) {
        // Only the build folder and the like: the repository holds the pictures, not their views.
        if (InsideRepository(views, root)) {
            std::fprintf(stderr, "%s: views are not written into the repository\n", views.string().c_str());
            return 1;
        }
        std::filesystem::create_directories(views);
        std::vector<std::string> errors;
        pictures::WriteViews(sources, out, views, errors);
        for (const std::string& error : errors) std::fprintf(stderr, "%s\n", error.c_str());
        return ok && errors.empty() ? 0 : 1;
    }
    // A source with a mistake writes nothing, so data/ never holds half of a change.
    if (!ok) return 1;
    for (const pictures::Source& source : sources.sources) {
        if (!pictures::WritePicture(source, out)) {
            std::fprintf(stderr, "%s: cannot be written\n", (out / source.file).string().c_str());
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
