#include "picture_source.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <map>
#include <sstream>

namespace pictures {

namespace {

constexpr int kTableSize = 181;
constexpr int kBlack = 180;
constexpr std::array<const char*, 16> kFamilies = {"violet", "magenta", "cyan",  "blue",  "brown", "peach",
                                                   "grey",   "olive",   "yellow", "red",  "rose",  "green",
                                                   "teal",   "azure",   "orange", "lime"};

struct Shape {
    Op op;
    int numbers;   // how many numbers it takes; -1 for an even count of at least four
    bool colour;   // a colour follows the numbers
};

const std::map<std::string, Shape>& Shapes() {
    static const std::map<std::string, Shape> shapes = {
        {"rect", {Op::Rect, 4, false}},    {"ellipse", {Op::Ellipse, 4, false}}, {"polygon", {Op::Polygon, -1, false}},
        {"line", {Op::Line, -1, false}},   {"arc", {Op::Arc, 6, false}},         {"fill", {Op::Fill, 2, true}},
        {"pixel", {Op::Pixel, 2, true}},   {"seal", {Op::Seal, 1, false}},
    };
    return shapes;
}

bool ReadNumber(const std::string& word, int& value) {
    size_t used = 0;
    try {
        value = std::stoi(word, &used);
    } catch (const std::exception&) {
        return false;
    }
    return used == word.size();
}

}  // namespace

int ColourByName(const std::string& word) {
    if (word == "black") return kBlack;
    int entry = 0;
    if (ReadNumber(word, entry)) return entry >= 0 && entry < kTableSize ? entry : -1;
    if (word.size() < 2 || word.back() < '0' || word.back() > '9') return -1;
    auto family = std::find(kFamilies.begin(), kFamilies.end(), word.substr(0, word.size() - 1));
    if (family == kFamilies.end()) return -1;
    return int(family - kFamilies.begin()) * 10 + (word.back() - '0');
}

Source ParseSource(const std::string& text, const std::string& path, std::vector<std::string>& errors) {
    Source source;
    source.path = path;
    std::istringstream lines(text);
    std::string line;
    Point origin{0, 0};
    for (int number = 1; std::getline(lines, line); number++) {
        line = line.substr(0, line.find('#'));
        std::istringstream in(line);
        std::vector<std::string> words;
        for (std::string word; in >> word;) words.push_back(word);
        if (words.empty()) continue;
        std::string where = path + ":" + std::to_string(number) + ": ";
        auto fail = [&](const std::string& why) { errors.push_back(where + why); };
        const std::string& name = words[0];
        std::vector<std::string> rest(words.begin() + 1, words.end());
        if (name == "file") {
            if (rest.size() != 3 || !ReadNumber(rest[1], source.width) || !ReadNumber(rest[2], source.height) ||
                source.width <= 0 || source.height <= 0) {
                fail("file takes a name, a width and a height");
                continue;
            }
            source.file = rest[0];
            continue;
        }
        if (source.file.empty()) {
            fail("the source must begin with file");
            continue;
        }
        if (name == "paper" || name == "pen" || name == "brush") {
            Command c{name == "paper" ? Op::Paper : name == "pen" ? Op::Pen : Op::Brush, {}, -1};
            size_t want = name == "pen" ? 2 : 1;
            bool none = name != "paper" && rest.size() == 1 && rest[0] == "none";
            int width = 0;
            if (!none && (rest.size() != want || (c.colour = ColourByName(rest[0])) < 0 ||
                          (want == 2 && (!ReadNumber(rest[1], width) || width < 1)))) {
                fail(name + " takes a colour" + (want == 2 ? " and a width" : "") +
                     (name != "paper" ? ", or none" : ""));
                continue;
            }
            if (name == "pen") c.numbers.push_back(none ? 0 : width);
            source.commands.push_back(c);
            continue;
        }
        if (name == "area" || name == "origin") {
            Point p{};
            if (rest.size() != 2 || !ReadNumber(rest[0], p.x) || !ReadNumber(rest[1], p.y)) {
                fail(name + " takes a point");
                continue;
            }
            if (name == "origin")
                origin = p;
            else
                source.areas.push_back({origin.x + p.x, origin.y + p.y});
            continue;
        }
        auto shape = Shapes().find(name);
        if (shape == Shapes().end()) {
            fail("no command " + name);
            continue;
        }
        Command c{shape->second.op, {}, -1};
        if (shape->second.colour) {
            if (rest.empty() || (c.colour = ColourByName(rest.back())) < 0) {
                fail(name + " ends with a colour");
                continue;
            }
            rest.pop_back();
        }
        bool ok = true;
        for (const std::string& word : rest) {
            int value = 0;
            ok = ok && ReadNumber(word, value);
            c.numbers.push_back(value);
        }
        int count = int(c.numbers.size()), wanted = shape->second.numbers;
        if (!ok || (wanted >= 0 ? count != wanted : count < 4 || count % 2 != 0)) {
            fail(name + (wanted >= 0 ? " takes " + std::to_string(wanted) + " numbers" : " takes two points or more"));
            continue;
        }
        // Points are given from the origin; an arc's radii and angles and a seal's size are not points.
        int points = c.op == Op::Arc ? 2 : c.op == Op::Seal ? 0 : count;
        for (int i = 0; i < points; i++) c.numbers[size_t(i)] += i % 2 ? origin.y : origin.x;
        source.commands.push_back(c);
    }
    if (source.file.empty()) errors.push_back(path + ": names no file");
    return source;
}

Sources LoadSources(const std::filesystem::path& folder) {
    Sources all;
    std::vector<std::filesystem::path> paths;
    std::error_code failure;
    for (const auto& entry : std::filesystem::directory_iterator(folder, failure))
        if (entry.path().extension() == ".pic") paths.push_back(entry.path());
    if (failure) all.errors.push_back(folder.string() + ": cannot be read");
    std::sort(paths.begin(), paths.end());
    for (const auto& path : paths) {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        all.sources.push_back(ParseSource(text.str(), path.string(), all.errors));
    }
    std::sort(all.sources.begin(), all.sources.end(),
              [](const Source& a, const Source& b) { return a.file < b.file; });
    return all;
}

}  // namespace pictures
