// The pictures' text sources: one file holds several pictures, each a header line (`icon ICON_N words` or
// `cursor CURSOR_N hot X Y words`) and the drawing commands up to the next header.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "palette.h"

namespace art {

constexpr int kCell = 32;
constexpr int kIconCount = 211;
constexpr int kCursorCount = 22;

enum class Kind { Icon, Cursor };
enum class Op { Pen, Brush, Line, Rect, Ellipse, Polygon, Fill, Pixel, Grid };

struct Command {
    Op op;
    int line;
    std::vector<int> numbers;       // coordinates, and the pen's width last for `pen`
    std::optional<Ink> ink;         // none for `pen none` and `brush none`
    std::vector<std::string> rows;  // a grid's rows of colour letters
};

struct Picture {
    Kind kind;
    int number;
    int hotX = 0, hotY = 0;
    std::string description;
    std::string file;
    int line;
    std::vector<Command> commands;
    bool broken = false;  // an error was found in it: it is not written

    std::string Name() const;
};

// Reads one source file, adding its pictures; each fault is an error "file:line: what".
void ParseArt(const std::string& file, std::istream& in, std::vector<Picture>& pictures,
              std::vector<std::string>& errors);

}  // namespace art
