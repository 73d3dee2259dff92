#include "art_source.h"

#include <charconv>
#include <sstream>

namespace art {

std::string Picture::Name() const { return (kind == Kind::Icon ? "ICON_" : "CURSOR_") + std::to_string(number); }

namespace {

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

std::optional<int> Integer(const std::string& word) {
    int value = 0;
    auto [end, fault] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (fault != std::errc() || end != word.data() + word.size()) return std::nullopt;
    return value;
}

class Parser {
public:
    Parser(const std::string& file, std::vector<Picture>& pictures, std::vector<std::string>& errors)
        : file_(file), pictures_(pictures), errors_(errors) {}

    void Line(int number, const std::string& text) {
        line_ = number;
        if (grid_) return GridRow(text);
        std::vector<std::string> words = Words(text);
        if (words.empty() || words[0][0] == '#') return;
        if (words[0] == "icon" || words[0] == "cursor") return Header(words);
        if (skipping_) return;
        if (!picture_) return Error("a command before the first icon or cursor line");
        Command(words);
    }

    void End() {
        if (grid_) {
            line_ = gridLine_;
            Error("the grid has no `end` line");
        }
    }

private:
    void Error(const std::string& what) {
        errors_.push_back(file_ + ":" + std::to_string(line_) + ": " + what);
        if (picture_) Current().broken = true;
    }

    Picture& Current() { return pictures_.back(); }

    // A faulty header is reported once; its commands are skipped up to the next header.
    void Header(const std::vector<std::string>& words) {
        picture_ = false;
        skipping_ = true;
        bool icon = words[0] == "icon";
        std::string prefix = icon ? "ICON_" : "CURSOR_";
        int count = icon ? kIconCount : kCursorCount;
        std::optional<int> number;
        if (words.size() > 1 && words[1].rfind(prefix, 0) == 0) number = Integer(words[1].substr(prefix.size()));
        if (!number || *number < 1 || *number > count)
            return Error("`" + words[0] + "` needs a name " + prefix + "1 to " + prefix + std::to_string(count));
        Picture picture{icon ? Kind::Icon : Kind::Cursor, *number, 0, 0, "", file_, line_, {}};
        size_t described = 2;
        if (!icon) {
            std::optional<int> x, y;
            if (words.size() > 4 && words[2] == "hot") x = Integer(words[3]), y = Integer(words[4]);
            if (!x || !y) return Error("a cursor line needs `hot X Y` after its name");
            if (*x < 0 || *x >= kCell || *y < 0 || *y >= kCell) return Error("the hot spot lies outside the cell");
            picture.hotX = *x;
            picture.hotY = *y;
            described = 5;
        }
        for (size_t i = described; i < words.size(); i++)
            picture.description += (picture.description.empty() ? "" : " ") + words[i];
        pictures_.push_back(std::move(picture));
        picture_ = true;
        skipping_ = false;
    }

    std::optional<Ink> Colour(const std::string& word) {
        std::optional<Ink> ink = InkByName(word);
        if (!ink) {
            Error("unknown colour `" + word + "`");
        } else if (!Allowed(*ink)) {
            ink.reset();
        }
        return ink;
    }

    bool Allowed(Ink ink) {
        if (Current().kind == Kind::Cursor && ink != kBlack && ink != kWhite && ink != kClear && ink != kInvert) {
            Error("a cursor may use only black, white, clear and invert, not " + std::string(InkName(ink)));
            return false;
        }
        if (Current().kind == Kind::Icon && ink == kInvert) {
            Error("invert is for cursors only");
            return false;
        }
        return true;
    }

    // The numbers of words[first..], each within 0..limit; nullopt after an error.
    std::optional<std::vector<int>> Numbers(const std::vector<std::string>& words, size_t first, size_t last,
                                            int limit) {
        std::vector<int> numbers;
        for (size_t i = first; i < last; i++) {
            std::optional<int> value = Integer(words[i]);
            if (!value) {
                Error("`" + words[i] + "` is not a whole number");
                return std::nullopt;
            }
            if (*value < 0 || *value > limit) {
                Error("the coordinate " + words[i] + " lies outside 0.." + std::to_string(limit));
                return std::nullopt;
            }
            numbers.push_back(*value);
        }
        return numbers;
    }

    void Add(Op op, std::vector<int> numbers, std::optional<Ink> ink = std::nullopt) {
        Current().commands.push_back({op, line_, std::move(numbers), ink, {}});
    }

    void Command(const std::vector<std::string>& words) {
        const std::string& verb = words[0];
        size_t count = words.size() - 1;
        if (verb == "pen" || verb == "brush") {
            if (count < 1 || count > (verb == "pen" ? 2u : 1u))
                return Error(verb == "pen" ? "`pen` takes a colour and a width" : "`brush` takes a colour");
            Op op = verb == "pen" ? Op::Pen : Op::Brush;
            int width = 1;
            if (count == 2) {
                std::optional<int> w = Integer(words[2]);
                if (!w || *w < 1 || *w > kCell) return Error("the pen's width must be 1 to 32");
                width = *w;
            }
            if (words[1] == "none") return Add(op, {width});
            if (std::optional<Ink> ink = Colour(words[1])) Add(op, {width}, ink);
        } else if (verb == "line" || verb == "polygon") {
            size_t least = verb == "line" ? 4 : 6;
            if (count < least || count % 2)
                return Error("`" + verb + "` takes " + std::to_string(least / 2) + " or more points");
            if (auto numbers = Numbers(words, 1, words.size(), kCell))
                Add(verb == "line" ? Op::Line : Op::Polygon, *numbers);
        } else if (verb == "rect" || verb == "ellipse") {
            if (count != 4) return Error("`" + verb + "` takes L T R B");
            if (auto numbers = Numbers(words, 1, words.size(), kCell))
                Add(verb == "rect" ? Op::Rect : Op::Ellipse, *numbers);
        } else if (verb == "fill" || verb == "pixel") {
            if (count != 3) return Error("`" + verb + "` takes X Y COLOUR");
            auto numbers = Numbers(words, 1, 3, kCell - 1);
            if (!numbers) return;
            if (std::optional<Ink> ink = Colour(words[3])) Add(verb == "fill" ? Op::Fill : Op::Pixel, *numbers, ink);
        } else if (verb == "grid") {
            if (count != 2) return Error("`grid` takes X Y");
            auto numbers = Numbers(words, 1, 3, kCell - 1);
            if (!numbers) return;
            Add(Op::Grid, *numbers);
            grid_ = true;
            gridLine_ = line_;
        } else {
            Error("unknown command `" + verb + "`");
        }
    }

    void GridRow(const std::string& text) {
        if (Words(text) == std::vector<std::string>{"end"}) {
            grid_ = false;
            return;
        }
        art::Command& grid = Current().commands.back();
        grid.rows.push_back(text);  // even when faulty, so that the rows after it keep their places
        int y = grid.numbers[1] + int(grid.rows.size()) - 1;
        for (size_t i = 0; i < text.size(); i++) {
            char letter = text[i];
            if (letter == ' ') continue;
            std::optional<Ink> ink = InkByLetter(letter);
            if (!ink) return Error(std::string("unknown colour letter `") + letter + "`");
            if (!Allowed(*ink)) return;
            if (grid.numbers[0] + int(i) >= kCell || y >= kCell) return Error("the grid row runs outside the cell");
        }
    }

    const std::string& file_;
    std::vector<Picture>& pictures_;
    std::vector<std::string>& errors_;
    int line_ = 0;
    bool picture_ = false;   // commands go to the last picture
    bool skipping_ = false;  // after a faulty header
    bool grid_ = false;     // the lines are grid rows up to `end`
    int gridLine_ = 0;
};

}  // namespace

void ParseArt(const std::string& file, std::istream& in, std::vector<Picture>& pictures,
              std::vector<std::string>& errors) {
    Parser parser(file, pictures, errors);
    std::string text;
    for (int number = 1; std::getline(in, text); number++) {
        if (!text.empty() && text.back() == '\r') text.pop_back();
        parser.Line(number, text);
    }
    parser.End();
}

}  // namespace art
