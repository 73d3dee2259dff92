// A fresh folder for each test, removed afterwards; the current directory is put back as it was.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

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
    void SetUp() override { MakeFolder(true); }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(directory_);
    }
    std::filesystem::path directory_, previous_;
};
