// Drawing the commands: GDI's pixel rules through the engine, the current pen and brush, flood fills,
// grids, and the two inks that are no colour.
#include <gtest/gtest.h>

#include <sstream>

#include "art_build.h"

namespace {

using art::At;

art::Cell Draw(const std::string& commands, const std::string& header = "icon ICON_1 test") {
    art::Art art;
    std::istringstream in(header + "\n" + commands);
    art::AddSource(art, "test.art", in);
    art::Finish(art);
    EXPECT_TRUE(art.errors.empty()) << art.errors.front();
    EXPECT_EQ(art.cells.size(), 1u);
    return art.cells.empty() ? art::Cell{} : art.cells.begin()->second;
}

art::Ink Ink(const char* name) { return *art::InkByName(name); }

TEST(Drawing, TheCellStartsClearAndShapesLeaveOutTheirRightAndBottomEdge) {
    art::Cell cell = Draw("pen red\nbrush yellow\nrect 4 4 10 8\nellipse 12 12 20 20\n");
    EXPECT_EQ(At(cell, 0, 0), art::kClear);
    EXPECT_EQ(At(cell, 31, 31), art::kClear);
    EXPECT_EQ(At(cell, 4, 4), Ink("red"));
    EXPECT_EQ(At(cell, 9, 7), Ink("red"));
    EXPECT_EQ(At(cell, 10, 7), art::kClear);
    EXPECT_EQ(At(cell, 9, 8), art::kClear);
    EXPECT_EQ(At(cell, 6, 6), Ink("yellow"));
    EXPECT_EQ(At(cell, 16, 16), Ink("yellow"));
    EXPECT_EQ(At(cell, 16, 12), Ink("red"));
    EXPECT_EQ(At(cell, 16, 20), art::kClear);
    EXPECT_EQ(At(cell, 12, 12), art::kClear);  // outside the ellipse's curve
}

TEST(Drawing, LinesLeaveOutTheirEndPointAndFollowEveryPoint) {
    art::Cell cell = Draw("pen blue\nline 2 2 10 2 10 6\n");
    EXPECT_EQ(At(cell, 2, 2), Ink("blue"));
    EXPECT_EQ(At(cell, 10, 2), Ink("blue"));  // the corner, drawn by the second segment
    EXPECT_EQ(At(cell, 10, 5), Ink("blue"));
    EXPECT_EQ(At(cell, 10, 6), art::kClear);
    EXPECT_EQ(At(cell, 1, 2), art::kClear);
}

TEST(Drawing, PensKeepTheirWidthAndNoneDrawsNoOutline) {
    art::Cell wide = Draw("pen green 3\nline 4 10 20 10\n");
    EXPECT_EQ(At(wide, 10, 9), Ink("green"));
    EXPECT_EQ(At(wide, 10, 11), Ink("green"));
    EXPECT_EQ(At(wide, 10, 13), art::kClear);
    art::Cell bare = Draw("pen none\nbrush lime\nrect 4 4 12 12\n");
    EXPECT_EQ(At(bare, 4, 4), Ink("lime"));  // the fill reaches the edge where no outline is
    EXPECT_EQ(At(bare, 8, 8), Ink("lime"));
    art::Cell hollow = Draw("brush red\nbrush none\nrect 4 4 12 12\n");
    EXPECT_EQ(At(hollow, 4, 4), Ink("black"));  // the default pen
    EXPECT_EQ(At(hollow, 8, 8), art::kClear);
}

TEST(Drawing, PolygonsFillAlternatelyInsideTheirOutline) {
    // A five-pointed star: its middle is crossed twice and stays clear.
    art::Cell cell = Draw("pen black\nbrush red\npolygon 16 2 24 28 3 11 29 11 8 28\n");
    EXPECT_EQ(At(cell, 16, 17), art::kClear);
    EXPECT_EQ(At(cell, 16, 8), Ink("red"));
    EXPECT_EQ(At(cell, 16, 2), Ink("black"));
}

TEST(Drawing, FillsRepaintOnlyTheConnectedAreaOfOneColour) {
    art::Cell cell = Draw("pen black\nrect 2 2 14 14\nfill 6 6 aqua\nfill 0 0 silver\nfill 0 0 clear\n"
                          "pixel 20 20 fuchsia\n");
    EXPECT_EQ(At(cell, 6, 6), Ink("aqua"));
    EXPECT_EQ(At(cell, 13, 13), Ink("black"));
    EXPECT_EQ(At(cell, 14, 14), art::kClear);
    EXPECT_EQ(At(cell, 20, 20), Ink("fuchsia"));
    // A fill inside a shape's brush, with the brush kept for the shapes after it.
    art::Cell kept = Draw("brush yellow\nrect 2 2 8 8\nfill 4 4 red\nrect 10 10 16 16\n");
    EXPECT_EQ(At(kept, 4, 4), Ink("red"));
    EXPECT_EQ(At(kept, 12, 12), Ink("yellow"));
}

TEST(Drawing, GridsPlaceTheirLettersAndSpacesKeepWhatIsThere) {
    art::Cell cell = Draw("brush red\npen none\nrect 3 3 9 9\ngrid 4 4\nKW Y\n.\n\n  W\nend\n");
    EXPECT_EQ(At(cell, 4, 4), art::kBlack);
    EXPECT_EQ(At(cell, 5, 4), art::kWhite);
    EXPECT_EQ(At(cell, 6, 4), Ink("red"));
    EXPECT_EQ(At(cell, 7, 4), Ink("yellow"));
    EXPECT_EQ(At(cell, 4, 5), art::kClear);
    EXPECT_EQ(At(cell, 4, 6), Ink("red"));  // an empty row keeps its whole line
    EXPECT_EQ(At(cell, 6, 7), art::kWhite);
}

TEST(Drawing, CursorsDrawInBlackWhiteClearAndInvert) {
    art::Cell cell = Draw("brush white\nrect 2 2 10 10\ngrid 3 3\n~.\nend\nfill 20 20 invert\n",
                          "cursor CURSOR_1 hot 4 4 test");
    EXPECT_EQ(At(cell, 2, 2), art::kBlack);
    EXPECT_EQ(At(cell, 5, 5), art::kWhite);
    EXPECT_EQ(At(cell, 3, 3), art::kInvert);
    EXPECT_EQ(At(cell, 4, 3), art::kClear);
    EXPECT_EQ(At(cell, 0, 0), art::kInvert);
    EXPECT_EQ(At(cell, 31, 31), art::kInvert);
}

}  // namespace
