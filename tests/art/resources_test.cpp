// The program's own resource script, compiled in as the program compiles it: every name it lists loads,
// every icon has a transparent top-left pixel and something to show, and every cursor has its tool's hot spot
// and both black and white.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/user/cursors.h"
#include "platform/win32.h"

namespace {

// The NAME TYPE "file" lines of resources/dab.rc, by type.
std::map<std::string, std::vector<std::string>> ScriptNames() {
    std::ifstream in(std::string(DAB_SOURCE_DIR) + "/resources/dab.rc");
    std::map<std::string, std::vector<std::string>> names;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string name, type;
        if (words >> name >> type && (type == "ICON" || type == "CURSOR")) names[type].push_back(name);
    }
    return names;
}

TEST(ProgramResources, TheScriptNamesEveryIconAndCursorThatLoad) {
    auto names = ScriptNames();
    ASSERT_EQ(names["ICON"].size(), 211u);
    ASSERT_EQ(names["CURSOR"].size(), 22u);
    for (int n = 1; n <= 211; n++) EXPECT_EQ(names["ICON"][size_t(n - 1)], "ICON_" + std::to_string(n));
    for (int n = 1; n <= 22; n++) EXPECT_EQ(names["CURSOR"][size_t(n - 1)], "CURSOR_" + std::to_string(n));
    for (const std::string& name : names["ICON"]) EXPECT_NE(LoadIconA(nullptr, name.c_str()), nullptr) << name;
    for (const std::string& name : names["CURSOR"]) EXPECT_NE(LoadCursorA(nullptr, name.c_str()), nullptr) << name;
}

TEST(ProgramResources, IconsAreFullSizeWithATransparentCornerAndAPicture) {
    auto names = ScriptNames();
    for (const std::string& name : names["ICON"]) {
        const user::Icon* icon = user::FindIcon(LoadIconA(nullptr, name.c_str()));
        ASSERT_NE(icon, nullptr) << name;
        EXPECT_EQ(icon->width, 32) << name;
        EXPECT_EQ(icon->height, 32) << name;
        ASSERT_EQ(icon->andMask.size(), 128u) << name;
        EXPECT_TRUE(icon->andMask[0] & 0x80) << name << ": the top-left pixel is opaque";
        EXPECT_EQ(icon->colours[0], 0u) << name;
        int opaque = 0;
        for (int i = 0; i < 32 * 32; i++) opaque += !((icon->andMask[size_t(i / 8)] >> (7 - i % 8)) & 1);
        EXPECT_GT(opaque, 32 * 32 / 8) << name << " shows almost nothing";
    }
}

TEST(ProgramResources, CursorsHaveTheHotSpotsOfTheirTools) {
    // The tip, nozzle, mouth or middle of each picture: where the tool acts.
    const std::pair<int, int> hotSpots[22] = {{16, 16}, {0, 31}, {30, 27}, {6, 17}, {5, 26}, {15, 29},
                                              {22, 28}, {16, 16}, {16, 2},  {16, 5}, {9, 28}, {8, 8},
                                              {9, 20},  {3, 29},  {17, 13}, {16, 6}, {2, 16}, {8, 8},
                                              {16, 16}, {16, 16}, {9, 8},   {16, 16}};
    for (int n = 1; n <= 22; n++) {
        std::string name = "CURSOR_" + std::to_string(n);
        const backend::CursorImage* cursor = user::FindCursor(LoadCursorA(nullptr, name.c_str()));
        ASSERT_NE(cursor, nullptr) << name;
        EXPECT_EQ(cursor->width, 32) << name;
        EXPECT_EQ(std::pair(cursor->hotX, cursor->hotY), hotSpots[n - 1]) << name;
        // Black and white both, so that the cursor shows on light and on dark pictures.
        int black = 0, white = 0, inverted = 0;
        for (int i = 0; i < 32 * 32; i++) {
            int bit = 7 - i % 8;
            bool keep = (cursor->andMask[i / 8] >> bit) & 1, flip = (cursor->xorMask[i / 8] >> bit) & 1;
            black += !keep && !flip;
            white += !keep && flip;
            inverted += keep && flip;
        }
        EXPECT_GT(black, 16) << name;
        EXPECT_GT(white, 16) << name;
        // Only the magic wand's sparkles turn the screen over.
        if (n == 21) {
            EXPECT_GT(inverted, 8) << name;
        } else {
            EXPECT_EQ(inverted, 0) << name;
        }
    }
}

}  // namespace
