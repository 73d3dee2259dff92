// The maker run as a person would run it: it remakes the committed files byte for byte from their recipes,
// writes the listening sheet, and stops with an error, writing nothing, on a bad recipe.
#include <gtest/gtest.h>

#include <set>

#include "platform/media/wav.h"
#include "tests/sounds/sound_files.h"

namespace sounds_test {
namespace {

class Regeneration : public ScratchFolder {
protected:
    std::string Errors() {
        std::vector<uint8_t> bytes = ReadBytes(folder_ / "errors");
        return {bytes.begin(), bytes.end()};
    }
};

TEST_F(Regeneration, RemakesEveryCommittedFileByteForByte) {
    ASSERT_EQ(RunSynth("render " + Quoted(kRecipes) + " " + Quoted(folder_ / "out")), 0)
        << Errors();
    std::set<std::string> made;
    for (const auto& entry : std::filesystem::directory_iterator(folder_ / "out")) made.insert(entry.path().filename());
    std::set<std::string> expected;
    for (const std::string& name : SoundNames()) expected.insert(name + ".mub");
    EXPECT_EQ(made, expected) << "one recipe for each sound, and no others";
    for (const std::string& file : expected) {
        std::vector<uint8_t> committed = ReadBytes(kData / file);
        EXPECT_FALSE(committed.empty()) << file << " is not committed";
        EXPECT_TRUE(committed == ReadBytes(folder_ / "out" / file))
            << file << " is out of date: remake it with the sounds target";
    }
}

TEST_F(Regeneration, ListeningSheetHasEverySoundInOrderASecondApart) {
    std::filesystem::path sheetFile = folder_ / "sheet.wav";
    ASSERT_EQ(RunSynth("sheet " + Quoted(kRecipes) + " " + Quoted(sheetFile)), 0);
    std::optional<backend::Pcm> sheet = media::ParseWav(ReadBytes(sheetFile));
    ASSERT_TRUE(sheet);
    ASSERT_EQ(sheet->rate, 22050);
    size_t at = 0;
    std::vector<std::string> names = SoundNames();
    for (size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i]);
        if (i > 0) {
            ASSERT_LE(at + 22050, sheet->samples.size());
            EXPECT_TRUE(std::all_of(sheet->samples.begin() + long(at), sheet->samples.begin() + long(at + 22050),
                                    [](int16_t s) { return s == 0; }));
            at += 22050;
        }
        std::optional<backend::Pcm> sound = media::ParseWav(ReadBytes(kData / (names[i] + ".mub")));
        ASSERT_TRUE(sound);
        ASSERT_LE(at + sound->samples.size(), sheet->samples.size());
        EXPECT_TRUE(std::equal(sound->samples.begin(), sound->samples.end(), sheet->samples.begin() + long(at)));
        at += sound->samples.size();
    }
    EXPECT_EQ(at, sheet->samples.size());
}

TEST_F(Regeneration, StopsOnABadRecipeNamingIt) {
    std::filesystem::create_directory(folder_ / "recipes");
    WriteText(folder_ / "recipes" / "a10.txt", "sine dur=0.2\n");
    WriteText(folder_ / "recipes" / "a11.txt", "sine dur=0.2 freq=loud\n");
    EXPECT_EQ(RunSynth("render " + Quoted(folder_ / "recipes") + " " + Quoted(folder_ / "out")), 1);
    EXPECT_NE(Errors().find("a11.txt: line 1"), std::string::npos) << Errors();
    EXPECT_TRUE(std::filesystem::is_empty(folder_ / "out")) << "not even the good recipe's file";
    EXPECT_NE(RunSynth("render"), 0) << "usage";
}

}  // namespace
}  // namespace sounds_test
