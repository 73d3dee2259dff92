// The module handle and file name, and the current directory as the program finds and sets it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/win32.h"
#include "temp_folder.h"

namespace {

namespace fs = std::filesystem;

std::string WithBackslashes(std::string path) {
    std::ranges::replace(path, '/', '\\');
    return path;
}

TEST(KernelModule, NullNamesTheProgramAsDoesItsOwnFileName) {
    HMODULE program = GetModuleHandleA(nullptr);
    EXPECT_NE(program, nullptr);
    std::string name = fs::read_symlink("/proc/self/exe").filename().string();
    std::string upper = name;
    std::ranges::transform(upper, upper.begin(), ::toupper);
    EXPECT_EQ(GetModuleHandleA(upper.c_str()), program);
    EXPECT_EQ(GetModuleHandleA((name + ".EXE").c_str()), program);
    EXPECT_EQ(GetModuleHandleA("no-such-module.dll"), nullptr);
}

TEST(KernelModule, FileNameIsTheExecutablesFullPath) {
    std::string expected = WithBackslashes(fs::read_symlink("/proc/self/exe").string());
    char buffer[4096];
    DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    EXPECT_EQ(length, expected.size());
    EXPECT_EQ(std::string(buffer), expected);
    EXPECT_EQ(GetModuleFileNameA(GetModuleHandleA(nullptr), buffer, sizeof buffer), length);
    EXPECT_EQ(GetModuleFileNameA(reinterpret_cast<HMODULE>(0x1234), buffer, sizeof buffer), 0u);
}

TEST(KernelModule, TooSmallABufferGetsTheCutNameAndItsWholeSize) {
    std::string expected = WithBackslashes(fs::read_symlink("/proc/self/exe").string());
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(GetModuleFileNameA(nullptr, buffer, 5), 5u);
    EXPECT_EQ(std::string(buffer), expected.substr(0, 4));
    EXPECT_EQ(buffer[5], 'x');
    EXPECT_EQ(GetModuleFileNameA(nullptr, buffer, 0), 0u);
    EXPECT_EQ(GetModuleFileNameA(nullptr, nullptr, 100), 0u);
}

class KernelDirectory : public TempFolder {
protected:
    void SetUp() override { MakeFolder(false); }
};

TEST_F(KernelDirectory, ProgramDirectoryFromTheLastBackslashBecomesCurrent) {
    char name[4096];
    DWORD n = GetModuleFileNameA(GetModuleHandleA("dab32.exe"), name, sizeof name);
    while (n > 0 && name[n] != '\\') --n;
    ASSERT_GT(n, 0u);
    std::string programDirectory(name, n);
    ASSERT_TRUE(SetCurrentDirectoryA(programDirectory.c_str()));
    EXPECT_EQ(fs::current_path(), fs::read_symlink("/proc/self/exe").parent_path());
}

TEST_F(KernelDirectory, SetFindsTheFolderInAnyCaseAndGetReportsIt) {
    fs::create_directories(directory_ / "Data" / "Pictures");
    std::string given = WithBackslashes((directory_ / "DATA" / "pictures").string());
    ASSERT_TRUE(SetCurrentDirectoryA(given.c_str()));
    EXPECT_EQ(fs::current_path(), directory_ / "Data" / "Pictures");

    std::string expected = WithBackslashes((directory_ / "Data" / "Pictures").string());
    char buffer[4096];
    EXPECT_EQ(GetCurrentDirectoryA(sizeof buffer, buffer), expected.size());
    EXPECT_EQ(std::string(buffer), expected);

    ASSERT_TRUE(SetCurrentDirectoryA(".."));
    EXPECT_EQ(fs::current_path(), directory_ / "Data");
}

TEST_F(KernelDirectory, TooSmallABufferIsLeftAloneAndTheNeededSizeReturned) {
    fs::current_path(directory_);
    std::string expected = WithBackslashes(directory_.string());
    char buffer[8] = "unused";
    EXPECT_EQ(GetCurrentDirectoryA(sizeof buffer, buffer), expected.size() + 1);
    EXPECT_STREQ(buffer, "unused");
    EXPECT_EQ(GetCurrentDirectoryA(0, nullptr), expected.size() + 1);
    std::string exact(expected.size() + 1, 'x');
    EXPECT_EQ(GetCurrentDirectoryA(DWORD(exact.size()), exact.data()), expected.size());
    EXPECT_STREQ(exact.c_str(), expected.c_str());
}

TEST_F(KernelDirectory, MissingFoldersLeaveTheCurrentOneAlone) {
    fs::current_path(directory_);
    EXPECT_FALSE(SetCurrentDirectoryA("no such folder"));
    EXPECT_FALSE(SetCurrentDirectoryA(""));
    EXPECT_FALSE(SetCurrentDirectoryA(nullptr));
    std::ofstream("plain.txt") << "x";
    EXPECT_FALSE(SetCurrentDirectoryA("PLAIN.TXT"));
    EXPECT_EQ(fs::current_path(), directory_);
}

}  // namespace
