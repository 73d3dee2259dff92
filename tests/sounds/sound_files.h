// What the sound tests share: where the recipes, the committed files and the maker are, reading a file,
// and a scratch folder removed after each test.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace sounds_test {

inline const std::filesystem::path kRecipes = DAB_SOUND_RECIPES;
inline const std::filesystem::path kData = DAB_DATA;
inline const std::string kSynth = DAB_SYNTH;

// The start-up sound, the stamp, and sounds 2 to 45: a10 to a55.
inline std::vector<std::string> SoundNames() {
    std::vector<std::string> names;
    for (int n = 10; n <= 55; ++n) names.push_back("a" + std::to_string(n));
    return names;
}

inline std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class ScratchFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "dab-sounds-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    // Runs the maker with these arguments; its exit status.
    int RunSynth(const std::string& arguments) {
        std::string command = "'" + kSynth + "' " + arguments + " 2>'" + (folder_ / "errors").string() + "'";
        int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Quoted(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

    std::filesystem::path folder_;
};

}  // namespace sounds_test
