// A fresh folder for each test, its files written, read and listed, and removed afterwards; the current
// directory and the environment variables the test chose to keep are put back as they were.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32.h"

class TempFolder : public ::testing::Test {
protected:
    // enter: make the folder the current directory while the test runs.
    void MakeFolder(bool enter) {
        std::string pattern = (std::filesystem::temp_directory_path() / "dab-kernel-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        directory_ = pattern;
        previous_ = std::filesystem::current_path();
        if (enter) std::filesystem::current_path(directory_);
    }
    // The variables' values now, to be put back after the test.
    void KeepEnvironment(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            const char* value = getenv(name);
            kept_.push_back({name, value ? std::optional<std::string>(value) : std::nullopt});
        }
    }
    void SetUp() override { MakeFolder(true); }
    void TearDown() override {
        for (const auto& [name, value] : kept_) {
            if (value) setenv(name.c_str(), value->c_str(), 1);
            else unsetenv(name.c_str());
        }
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(directory_);
    }
    static void Write(const std::filesystem::path& path, const std::string& content) { std::ofstream(path) << content; }
    static std::string Read(const std::filesystem::path& path) {
        std::ifstream in(path);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    // Writes the bytes to a file of that name in the folder, and gives its path.
    std::string WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes) const {
        std::ofstream file(directory_ / name, std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return (directory_ / name).string();
    }
    // The names _findfirst and _findnext give for the pattern, in their order.
    static std::vector<std::string> Found(const char* pattern) {
        std::vector<std::string> names;
        _finddata_t entry;
        intptr_t search = _findfirst(pattern, &entry);
        if (search == -1) return names;
        do names.push_back(entry.name);
        while (_findnext(search, &entry) == 0);
        EXPECT_EQ(_findclose(search), 0);
        return names;
    }
    std::filesystem::path directory_, previous_;
    std::vector<std::pair<std::string, std::optional<std::string>>> kept_;
};
