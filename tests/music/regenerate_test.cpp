// dab-midi run on assets/music into a fresh folder gives the committed files byte for byte, and refuses a
// broken note list by its file and line.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "tests/music/music_files.h"

namespace {

namespace fs = std::filesystem;

class Regenerate : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "dab-music-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }

    // The tool's exit status, and what it printed on both streams.
    int RunTool(const fs::path& sources, const fs::path& out, std::string& printed) {
        std::string command = "'" DAB_MIDI_TOOL "' '" + sources.string() + "' '" + out.string() + "' 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) return -1;
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe)) printed += buffer;
        int status = pclose(pipe);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    fs::path folder;
};

TEST_F(Regenerate, GivesTheCommittedFilesByteForByte) {
    std::string printed;
    ASSERT_EQ(RunTool(SourceFolder() / "assets" / "music", folder, printed), 0) << printed;
    for (int n = 1; n <= 5; ++n) {
        std::string name = "dab" + std::to_string(n) + ".mid";
        std::vector<uint8_t> made = ReadBytes(folder / name);
        ASSERT_FALSE(made.empty()) << name << " was not written";
        EXPECT_TRUE(made == ReadBytes(TuneFile(n)))
            << "data/" << name << " is out of date: cmake --build BUILD --target music-files";
    }
}

TEST_F(Regenerate, RefusesABrokenListByFileAndLine) {
    fs::path sources = folder / "sources";
    fs::create_directories(sources);
    std::ofstream(sources / "tune.notes") << "tempo 100\ntrack Tune\nchannel 1\nprogram 1\nnotes\n| C4:h |\n";
    std::string printed;
    EXPECT_EQ(RunTool(sources, folder / "out", printed), 1);
    EXPECT_NE(printed.find("tune.notes:6: bar line"), std::string::npos) << printed;
    EXPECT_FALSE(fs::exists(folder / "out" / "tune.mid"));
}

}  // namespace
