#include "tools/synth/catalogue.h"

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>

#include "tools/synth/render.h"
#include "tools/synth/wav_file.h"

namespace synth {
namespace {

int NumberOf(const std::filesystem::path& file) { return std::stoi(file.stem().string().substr(1)); }

}  // namespace

std::vector<std::filesystem::path> RecipeFiles(const std::filesystem::path& folder) {
    static const std::regex kName("a[0-9]+\\.txt");
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file() && std::regex_match(entry.path().filename().string(), kName))
            files.push_back(entry.path());
    if (files.empty()) throw RecipeError("no recipes (a<number>.txt) in " + folder.string());
    std::sort(files.begin(), files.end(),
              [](const auto& a, const auto& b) { return NumberOf(a) < NumberOf(b); });
    return files;
}

Recipe LoadRecipe(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw RecipeError("cannot read " + file.string());
    std::stringstream text;
    text << in.rdbuf();
    try {
        return ParseRecipe(text.str(), file.stem().string());
    } catch (const RecipeError& e) {
        throw RecipeError(file.filename().string() + ": " + e.what());
    }
}

void RenderFolder(const std::filesystem::path& folder, const std::filesystem::path& outFolder) {
    // Everything is rendered before anything is written, so a bad recipe leaves the old files as they were.
    std::vector<std::pair<std::string, std::vector<uint8_t>>> made;
    for (const auto& file : RecipeFiles(folder)) {
        Recipe recipe = LoadRecipe(file);
        try {
            made.emplace_back(recipe.name + ".mub", EncodeWav(RenderRecipe(recipe), kRate));
        } catch (const RecipeError& e) {
            throw RecipeError(file.filename().string() + ": " + e.what());
        }
    }
    for (const auto& [name, bytes] : made) WriteFileBytes(outFolder / name, bytes);
}

std::vector<int16_t> ListeningSheet(const std::filesystem::path& folder) {
    std::vector<int16_t> sheet;
    bool firstSound = true;
    for (const auto& file : RecipeFiles(folder)) {
        if (!firstSound) sheet.insert(sheet.end(), kRate, 0);
        firstSound = false;
        std::vector<int16_t> sound = RenderRecipe(LoadRecipe(file));
        sheet.insert(sheet.end(), sound.begin(), sound.end());
    }
    return sheet;
}

}  // namespace synth
