// kernel::ResolvePath, which the file, sound and music calls share: Windows names on a case-sensitive disk.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/kernel/paths.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

class KernelPaths : public TempFolder {
protected:
    void SetUp() override {
        TempFolder::SetUp();
        fs::create_directories("Data/Sounds");
        std::ofstream("Data/Sounds/A10.MUB") << "x";
    }
};

TEST_F(KernelPaths, EveryPartIsFoundInAnyCase) {
    EXPECT_EQ(kernel::ResolvePath("data\\sounds\\a10.mub"), "Data/Sounds/A10.MUB");
    EXPECT_EQ(kernel::ResolvePath("DATA/Sounds\\A10.mub"), "Data/Sounds/A10.MUB");
    EXPECT_EQ(kernel::ResolvePath("Data/Sounds/A10.MUB"), "Data/Sounds/A10.MUB");
    EXPECT_EQ(kernel::ResolvePath(".\\data\\..\\DATA\\sounds\\"), "./Data/../Data/Sounds/");
    std::string absolute = directory_.string();
    std::ranges::replace(absolute, '/', '\\');
    EXPECT_EQ(kernel::ResolvePath(absolute + "\\DATA\\SOUNDS\\a10.mub"), (directory_ / "Data/Sounds/A10.MUB").string());
}

TEST_F(KernelPaths, MissingPartsStayAsWritten) {
    EXPECT_EQ(kernel::ResolvePath("data\\sounds\\NEW.BMP"), "Data/Sounds/NEW.BMP");
    EXPECT_EQ(kernel::ResolvePath("data\\Missing\\a10.mub"), "Data/Missing/a10.mub");
    EXPECT_EQ(kernel::ResolvePath("data\\\\sounds"), "Data/Sounds");
    EXPECT_EQ(kernel::ResolvePath(""), "");
}

TEST_F(KernelPaths, AnExactNameWinsAndOtherwiseTheFirstInByteOrder) {
    std::ofstream("Data/pic.bmp") << "x";
    std::ofstream("Data/PIC.BMP") << "x";
    std::ofstream("Data/Pic.Bmp") << "x";
    EXPECT_EQ(kernel::ResolvePath("data\\pic.bmp"), "Data/pic.bmp");
    EXPECT_EQ(kernel::ResolvePath("data\\Pic.Bmp"), "Data/Pic.Bmp");
    EXPECT_EQ(kernel::ResolvePath("data\\pIC.bmp"), "Data/PIC.BMP");
}

TEST(KernelPathNames, WindowsFormHasBackslashes) {
    EXPECT_EQ(kernel::WindowsPath("/usr/share/dab/A1.MUB"), "\\usr\\share\\dab\\A1.MUB");
    EXPECT_TRUE(kernel::EqualIgnoringCase("dab32.EXE", "DAB32.exe"));
    EXPECT_FALSE(kernel::EqualIgnoringCase("dab32.exe", "dab32.ex"));
    EXPECT_FALSE(kernel::EqualIgnoringCase("a_b", "a\x7f" "b"));
}

}  // namespace
