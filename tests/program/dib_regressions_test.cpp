// The fuzz target's seeds and every input that ever crashed it, read, drawn and written again without
// sanitizers: a normal test, so a fault they once showed stays caught in every build.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "dib/dib.h"
#include "tests/platform/surfaces.h"
#include "tests/platform/temp_folder.h"

namespace {

const std::filesystem::path kFuzzFolder = std::filesystem::path(__FILE__).parent_path() / "../../fuzz";

std::vector<std::filesystem::path> InputsIn(const char* folder) {
    std::vector<std::filesystem::path> inputs;
    for (const auto& entry : std::filesystem::directory_iterator(kFuzzFolder / folder))
        if (entry.is_regular_file() && entry.path().extension() != ".md") inputs.push_back(entry.path());
    return inputs;
}

bool SameBlocks(HGLOBAL first, HGLOBAL second) {
    if (GlobalSize(first) != GlobalSize(second)) return false;
    bool same = std::memcmp(GlobalLock(first), GlobalLock(second), GlobalSize(first)) == 0;
    GlobalUnlock(first);
    GlobalUnlock(second);
    return same;
}

class DibFuzzInputs : public TempFolder {
protected:
    // Reads the input; a picture taken must lay out as its header says, draw, and come back unchanged.
    bool ReadDrawAndWrite(const std::filesystem::path& input) {
        HGLOBAL block = ReadDibFile(input.c_str());
        if (!block) return false;
        BITMAPINFOHEADER info;
        EXPECT_EQ(GetDibInfo(block, &info), 1);
        EXPECT_EQ(GlobalSize(block), SIZE_T(info.biSize) + DibColourTableSize(&info) + info.biSizeImage);
        StretchDibToDevice(surface.dc, 0, 0, 32, 24, block, 0, 0, -1, -1, SRCCOPY);
        StretchDibToDevice(surface.dc, -3, 2, 20, 15, block, 5, -4, 30, 12, SRCCOPY);
        EXPECT_EQ(WriteDibFile("again.bmp", block), 1);
        HGLOBAL again = ReadDibFile("again.bmp");
        EXPECT_TRUE(again && SameBlocks(block, again));
        GlobalFree(again);
        GlobalFree(block);
        return true;
    }
    MemoryDc surface{32, 24};
};

// Files whose bits are fewer than their rows need are refused since they were seeds.
bool RefusedSeed(const std::string& name) { return name.starts_with("refused-") || name == "short-bits.bmp"; }

TEST_F(DibFuzzInputs, EverySeedIsTakenUnlessItIsMeantToBeRefused) {
    std::vector<std::filesystem::path> seeds = InputsIn("corpus");
    ASSERT_FALSE(seeds.empty()) << (kFuzzFolder / "corpus");
    for (const auto& seed : seeds) {
        SCOPED_TRACE(seed.filename().string());
        bool refused = RefusedSeed(seed.filename().string());
        EXPECT_EQ(ReadDrawAndWrite(seed), !refused);
    }
}

TEST_F(DibFuzzInputs, InputsThatOnceCrashedAreHandled) {
    ASSERT_TRUE(std::filesystem::is_directory(kFuzzFolder / "regressions"));
    for (const auto& input : InputsIn("regressions")) {
        SCOPED_TRACE(input.filename().string());
        ReadDrawAndWrite(input);
    }
}

}  // namespace
