#include "art_build.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "image_files.h"

namespace art {

namespace {

std::string Where(const Picture& picture) { return picture.file + ":" + std::to_string(picture.line); }

bool WriteIfChanged(const std::filesystem::path& path, const std::string& bytes, std::vector<std::string>& errors) {
    {
        std::ifstream in(path, std::ios::binary);
        if (in && std::string(std::istreambuf_iterator<char>(in), {}) == bytes) return true;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    if (!out) errors.push_back(path.string() + ": cannot be written");
    return bool(out);
}

std::string Bytes(const std::vector<uint8_t>& data) { return std::string(data.begin(), data.end()); }

}  // namespace

void AddSource(Art& art, const std::string& file, std::istream& in) {
    ParseArt(file, in, art.pictures, art.errors);
}

void Finish(Art& art) {
    std::map<std::string, const Picture*> first;
    for (Picture& picture : art.pictures) {
        auto [seen, added] = first.emplace(picture.Name(), &picture);
        if (!added) {
            art.errors.push_back(Where(picture) + ": " + picture.Name() + " is drawn twice, first at " +
                                 Where(*seen->second));
            picture.broken = true;
        }
    }
    for (const Picture& picture : art.pictures) {
        if (picture.broken) continue;
        Cell cell = DrawPicture(picture);
        if (picture.kind == Kind::Icon && At(cell, 0, 0) != kClear) {
            art.errors.push_back(Where(picture) + ": " + picture.Name() + "'s top-left pixel is not transparent");
            continue;
        }
        art.cells[picture.Name()] = cell;
    }
    art.missing.clear();
    for (auto [prefix, count] : {std::pair{"ICON_", kIconCount}, std::pair{"CURSOR_", kCursorCount}}) {
        for (int n = 1; n <= count; n++) {
            std::string name = prefix + std::to_string(n);
            if (!first.count(name)) art.missing.push_back(name);
        }
    }
}

Art LoadArt(const std::filesystem::path& assets) {
    std::vector<std::filesystem::path> files;
    std::error_code fault;
    for (const auto& entry : std::filesystem::directory_iterator(assets / "icons", fault))
        if (entry.path().extension() == ".art") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    files.push_back(assets / "cursors" / "cursors.art");
    Art art;
    for (const auto& path : files) {
        std::ifstream in(path);
        std::string name = path.string();
        if (!in) {
            art.errors.push_back(name + ": cannot be read");
            continue;
        }
        AddSource(art, name, in);
    }
    Finish(art);
    return art;
}

std::string ResourceScript() {
    std::string script = "// The program's resources: its name, the option and stamp icons, the tool cursors.\n\n";
    for (int n = 1; n <= kIconCount; n++) {
        std::string number = std::to_string(n);
        script += "ICON_" + number + " ICON \"icons/icon_" + number + ".ico\"\n";
    }
    script += "\n";
    for (int n = 1; n <= kCursorCount; n++) {
        std::string number = std::to_string(n);
        script += "CURSOR_" + number + " CURSOR \"cursors/cursor_" + number + ".cur\"\n";
    }
    script += "\nSTRINGTABLE\nBEGIN\n    1, \"dab\"\nEND\n";
    return script;
}

bool WriteResources(const Art& art, const std::filesystem::path& out, std::vector<std::string>& errors) {
    std::error_code fault;
    std::filesystem::create_directories(out / "icons", fault);
    std::filesystem::create_directories(out / "cursors", fault);
    bool ok = WriteIfChanged(out / "dab.rc", ResourceScript(), errors);
    for (const Picture& picture : art.pictures) {
        auto drawn = art.cells.find(picture.Name());
        if (picture.broken || drawn == art.cells.end()) continue;
        std::string number = std::to_string(picture.number);
        if (picture.kind == Kind::Icon) {
            ok &= WriteIfChanged(out / "icons" / ("icon_" + number + ".ico"), Bytes(IconFile(drawn->second)), errors);
        } else {
            ok &= WriteIfChanged(out / "cursors" / ("cursor_" + number + ".cur"),
                                 Bytes(CursorFile(drawn->second, picture.hotX, picture.hotY)), errors);
        }
    }
    return ok;
}

}  // namespace art
