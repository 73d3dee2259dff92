// The sources' checks: every fault is an error naming the file and the line, and a faulty picture is not
// drawn; names no source draws are listed.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "art_build.h"

namespace {

art::Art Read(const std::string& text) {
    art::Art art;
    std::istringstream in(text);
    art::AddSource(art, "test.art", in);
    art::Finish(art);
    return art;
}

std::string Errors(const art::Art& art) {
    std::string all;
    for (const std::string& error : art.errors) all += error + "\n";
    return all;
}

TEST(Sources, FaultsAreReportedWithFileAndLine) {
    struct Case {
        const char* text;
        const char* error;
        const char* faulty;  // the picture that must not be drawn, if one was started
    } cases[] = {
        {"icon ICON_1 a\nbrush yellow\nsquiggle 1 2\n", "test.art:3: unknown command `squiggle`", "ICON_1"},
        {"icon ICON_1 a\n\n# note\nbrush gold\n", "test.art:4: unknown colour `gold`", "ICON_1"},
        {"icon ICON_1 a\ngrid 1 1\nRRQ\nend\n", "test.art:3: unknown colour letter `Q`", "ICON_1"},
        {"cursor CURSOR_1 hot 2 2 c\npen red\n",
         "test.art:2: a cursor may use only black, white, clear and invert", "CURSOR_1"},
        {"cursor CURSOR_1 hot 2 2 c\ngrid 0 0\nKW\nWY\nend\n", "test.art:4: a cursor may use only", "CURSOR_1"},
        {"icon ICON_1 a\nfill 3 3 invert\n", "test.art:2: invert is for cursors only", "ICON_1"},
        {"cursor CURSOR_1 hot 32 4 c\n", "test.art:1: the hot spot lies outside the cell", nullptr},
        {"cursor CURSOR_1 hot 3 -1 c\n", "test.art:1: the hot spot lies outside the cell", nullptr},
        {"cursor CURSOR_1 c\n", "test.art:1: a cursor line needs `hot X Y`", nullptr},
        {"icon ICON_212 a\n", "test.art:1: `icon` needs a name ICON_1 to ICON_211", nullptr},
        {"cursor CURSOR_23 hot 1 1\n", "test.art:1: `cursor` needs a name CURSOR_1 to CURSOR_22", nullptr},
        {"icon CURSOR_2 a\n", "test.art:1: `icon` needs a name", nullptr},
        {"pen black\nicon ICON_1 a\n", "test.art:1: a command before the first icon or cursor line", nullptr},
        {"icon ICON_1 a\nrect 1 1 33 20\n", "test.art:2: the coordinate 33 lies outside 0..32", "ICON_1"},
        {"icon ICON_1 a\npixel 32 0 red\n", "test.art:2: the coordinate 32 lies outside 0..31", "ICON_1"},
        {"icon ICON_1 a\nline 1 1 x 2\n", "test.art:2: `x` is not a whole number", "ICON_1"},
        {"icon ICON_1 a\nline 1 1 2\n", "test.art:2: `line` takes 2 or more points", "ICON_1"},
        {"icon ICON_1 a\npolygon 1 1 2 2\n", "test.art:2: `polygon` takes 3 or more points", "ICON_1"},
        {"icon ICON_1 a\nellipse 1 1 2\n", "test.art:2: `ellipse` takes L T R B", "ICON_1"},
        {"icon ICON_1 a\npen red 0\n", "test.art:2: the pen's width must be 1 to 32", "ICON_1"},
        {"icon ICON_1 a\ngrid 30 0\nRRR\nend\n", "test.art:3: the grid row runs outside the cell", "ICON_1"},
        {"icon ICON_1 a\ngrid 1 1\nRR\n", "test.art:2: the grid has no `end` line", "ICON_1"},
        {"icon ICON_1 a\nbrush red\nrect 0 0 4 4\n",
         "test.art:1: ICON_1's top-left pixel is not transparent", "ICON_1"},
        {"icon ICON_1 a\nicon ICON_2 b\n\nicon ICON_1 c\n",
         "test.art:4: ICON_1 is drawn twice, first at test.art:1", nullptr},
    };
    for (const Case& c : cases) {
        art::Art art = Read(c.text);
        EXPECT_NE(Errors(art).find(c.error), std::string::npos) << c.text << "gave:\n" << Errors(art);
        if (c.faulty) {
            EXPECT_FALSE(art.cells.count(c.faulty)) << c.text;
        }
    }
}

TEST(Sources, AFaultyPictureIsLeftOutAndTheOthersAreDrawn) {
    art::Art art = Read("icon ICON_1 bad\nbrush gold\nicon ICON_2 good\nbrush red\nrect 2 2 9 9\n");
    EXPECT_EQ(art.errors.size(), 1u);
    EXPECT_FALSE(art.cells.count("ICON_1"));
    ASSERT_TRUE(art.cells.count("ICON_2"));
    EXPECT_EQ(art::At(art.cells["ICON_2"], 5, 5), *art::InkByName("red"));
}

TEST(Sources, AFaultyHeaderSkipsItsCommandsWithoutMoreErrors) {
    art::Art art = Read("icon ICON_0 bad\npen black\nrect 1 1 5 5\nicon ICON_3 fine\n");
    EXPECT_EQ(art.errors.size(), 1u) << Errors(art);
    EXPECT_TRUE(art.cells.count("ICON_3"));
}

TEST(Sources, HeadersKeepTheirDescriptionAndHotSpot) {
    art::Art art = Read("icon ICON_9  yellow   circle\r\ncursor CURSOR_4 hot 6 17 paint roller\n");
    ASSERT_EQ(art.pictures.size(), 2u);
    EXPECT_EQ(art.pictures[0].description, "yellow circle");
    EXPECT_EQ(art.pictures[0].Name(), "ICON_9");
    EXPECT_EQ(art.pictures[1].Name(), "CURSOR_4");
    EXPECT_EQ(art.pictures[1].hotX, 6);
    EXPECT_EQ(art.pictures[1].hotY, 17);
    EXPECT_EQ(art.pictures[1].line, 2);
    EXPECT_TRUE(art.errors.empty()) << Errors(art);
}

TEST(Sources, NamesWithoutASourceAreListed) {
    art::Art art = Read("icon ICON_2 a\ncursor CURSOR_22 hot 0 0 b\n");
    EXPECT_EQ(art.missing.size(), size_t(art::kIconCount + art::kCursorCount - 2));
    EXPECT_EQ(art.missing.front(), "ICON_1");
    EXPECT_EQ(art.missing.back(), "CURSOR_21");
    EXPECT_EQ(std::count(art.missing.begin(), art.missing.end(), "ICON_2"), 0);
}

}  // namespace
