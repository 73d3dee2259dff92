// The pictures' text sources: one file of drawing commands for each picture of the program directory.
//
//   file NAME WIDTH HEIGHT      the file written and its size (first command of a source)
//   paper COLOUR                the whole picture in one colour (white unless said)
//   pen COLOUR WIDTH | pen none the outline of what follows
//   brush COLOUR | brush none   the inside of what follows (none: hollow)
//   rect L T R B                rectangle, right and bottom excluded
//   ellipse L T R B             ellipse in that box
//   polygon X Y X Y ...         closed shape
//   line X Y X Y ...            open line through the points
//   arc CX CY RX RY FROM TO     open line along an ellipse, angles in degrees, anticlockwise from the right
//   fill X Y COLOUR             the area of the colour found at the point takes the colour
//   pixel X Y COLOUR
//   seal N                      white areas of fewer than N pixels turn black: the specks and slivers left
//                               where bold outlines cross, too small for a child to fill
//   area X Y                    a point inside an area a child fills alone (colouring pictures)
//   origin X Y                  the point that the points of the commands after it are measured from
//
// A colour is a family name with its shade (red5, grey0 is white), black (pure black, entry 180) or an
// entry number of the program's table. Everything after # is a comment.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace pictures {

enum class Op { Paper, Pen, Brush, Rect, Ellipse, Polygon, Line, Arc, Fill, Pixel, Seal };

struct Command {
    Op op;
    std::vector<int> numbers;
    int colour = -1;  // entry of the colour table; -1 for none
};

struct Point {
    int x, y;
};

struct Source {
    std::string path;  // the source file, for messages
    std::string file;  // the picture's file name in the program directory
    int width = 0, height = 0;
    std::vector<Command> commands;
    std::vector<Point> areas;
};

struct Sources {
    std::vector<Source> sources;  // in the order of their file names
    std::vector<std::string> errors;
};

// Every *.pic file of the folder.
Sources LoadSources(const std::filesystem::path& folder);
// One source's text; errors name the path and line.
Source ParseSource(const std::string& text, const std::string& path, std::vector<std::string>& errors);

// The table entry a colour word names, or -1.
int ColourByName(const std::string& word);

}  // namespace pictures
