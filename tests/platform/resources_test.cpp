// The program's resources compiled in from resources/dab.rc: its name, icons drawn through their masks,
// cursors with their hot spots, found whatever the case of the name; unknown names give nothing.
#include <gtest/gtest.h>

#include <string>

#include "platform/backend/headless/events.h"
#include "platform/testing.h"
#include "platform/user/cursors.h"
#include "platform/user/resources.h"

namespace {

TEST(Resources, TheProgramsNameIsString1) {
    char buffer[16];
    EXPECT_EQ(LoadStringA(nullptr, 1, buffer, sizeof buffer), 3);
    EXPECT_EQ(std::string(buffer), "dab");
    EXPECT_EQ(LoadStringA(nullptr, 1, buffer, 3), 2);  // cut to fit, with its terminator
    EXPECT_EQ(std::string(buffer), "da");
    EXPECT_EQ(LoadStringA(nullptr, 999, buffer, sizeof buffer), 0);
}

TEST(Resources, CursorsKeepTheirHotSpotsAndShowWhenSet) {
    HCURSOR pencil = LoadCursorA(nullptr, "CURSOR_2");
    ASSERT_NE(pencil, nullptr);
    EXPECT_EQ(LoadCursorA(nullptr, "cursor_2"), pencil);  // the same cursor, whatever the case
    const backend::CursorImage* image = user::FindCursor(pencil);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->hotX, 0);
    EXPECT_EQ(image->hotY, 31);
    SetCursor(pencil);
    EXPECT_EQ(backend::headless::ShownCursor(), image);
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_NE(backend::headless::ShownCursor(), image);
    EXPECT_EQ(LoadCursorA(nullptr, "CURSOR_99"), nullptr);
}

TEST(Resources, IconsDrawTheirImageThroughTheirMask) {
    testing::UseScreen(64, 64);
    HDC dc = GetDC(nullptr);
    PatBlt(dc, 0, 0, 64, 64, BLACKNESS);
    HICON icon = LoadIconA(nullptr, "ICON_168");
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(DrawIcon(dc, 10, 10, icon));
    // The transparent top-left pixel leaves the screen as it was; the inside shows the icon's colour.
    EXPECT_EQ(GetPixel(dc, 10, 10), RGB(0, 0, 0));
    EXPECT_NE(GetPixel(dc, 20, 20), RGB(0, 0, 0));
    PatBlt(dc, 0, 0, 64, 64, WHITENESS);
    DrawIcon(dc, 10, 10, icon);
    EXPECT_EQ(GetPixel(dc, 10, 10), RGB(255, 255, 255));
    COLORREF inside = GetPixel(dc, 20, 20);
    EXPECT_NE(inside, RGB(255, 255, 255));
    EXPECT_FALSE(DrawIcon(dc, 0, 0, nullptr));
    ReleaseDC(nullptr, dc);
    EXPECT_EQ(LoadIconA(nullptr, "ICON_0"), nullptr);
}

// A page loads its icons each time it is drawn and destroys them after: loaded icons and cursors are
// shared, so destroying one leaves it whole for the next load.
TEST(Resources, DestroyingALoadedIconOrCursorKeepsIt) {
    HICON icon = LoadIconA(nullptr, "ICON_9");
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_EQ(LoadIconA(nullptr, "ICON_9"), icon);
    EXPECT_NE(user::FindIcon(icon), nullptr);
    HCURSOR cursor = LoadCursorA(nullptr, "CURSOR_7");
    ASSERT_NE(cursor, nullptr);
    EXPECT_TRUE(DestroyCursor(cursor));
    EXPECT_NE(user::FindCursor(cursor), nullptr);
    // A cursor made by the program is its own, and goes.
    static const uint8_t planes[128] = {};
    HCURSOR made = CreateCursor(nullptr, 0, 0, 32, 32, planes, planes);
    EXPECT_TRUE(DestroyCursor(made));
    EXPECT_EQ(user::FindCursor(made), nullptr);
}

TEST(Resources, BrokenIconAndCursorFilesAreRefused) {
    user::Icon icon;
    backend::CursorImage cursor;
    const uint8_t junk[] = {0, 0, 1, 0, 1, 0, 32, 32, 16, 0, 1, 0, 4, 0, 0xFF, 0xFF, 0, 0, 22, 0, 0, 0};
    EXPECT_FALSE(user::ParseIcon(junk, sizeof junk, icon));
    EXPECT_FALSE(user::ParseCursor(junk, sizeof junk, cursor));
    EXPECT_FALSE(user::ParseIcon(nullptr, 0, icon));
}

}  // namespace
