// The folder of recipes: one file a sound, "a10.txt" giving "a10.mub", read and rendered in number order.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "tools/synth/recipe.h"

namespace synth {

// The recipe files of a folder ("a" and a number, ".txt"), by number; a folder without any is an error.
std::vector<std::filesystem::path> RecipeFiles(const std::filesystem::path& folder);

// Reads and parses one file; errors name the file.
Recipe LoadRecipe(const std::filesystem::path& file);

// Renders every recipe of the folder into outFolder as "<name>.mub"; nothing is written if one fails.
void RenderFolder(const std::filesystem::path& folder, const std::filesystem::path& outFolder);

// Every sound of the folder in number order with a second of silence between them, for listening.
std::vector<int16_t> ListeningSheet(const std::filesystem::path& folder);

}  // namespace synth
