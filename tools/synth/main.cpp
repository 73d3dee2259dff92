// synth: makes the sound-effect files from their recipes, a listening sheet of them all, and a table of
// their measures.
//   synth render RECIPES OUT      every RECIPES/aNN.txt to OUT/aNN.mub
//   synth sheet RECIPES FILE.wav  all sounds in number order, a second of silence between them
//   synth report RECIPES          length, level, brightness and edges of every sound
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "tools/synth/analysis.h"
#include "tools/synth/catalogue.h"
#include "tools/synth/render.h"
#include "tools/synth/wav_file.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: synth render RECIPES OUT | synth sheet RECIPES FILE.wav | synth report RECIPES\n");
    return 2;
}

void Report(const std::filesystem::path& folder) {
    std::vector<synth::Recipe> recipes;
    std::vector<synth::Measures> measures;
    for (const auto& file : synth::RecipeFiles(folder)) {
        recipes.push_back(synth::LoadRecipe(file));
        measures.push_back(synth::Measure(synth::RenderRecipe(recipes.back()), synth::kRate));
    }
    std::printf("%-5s %6s %6s %6s %6s %6s %6s %5s %6s %5s %4s  %-23s  %s\n", "name", "secs", "sound", "peak", "rms",
                "dBA", "zc/s", "drift", "centr", "edge", "ons", "bands <.5k .5-2k 2-5k >5k", "nearest");
    for (size_t i = 0; i < recipes.size(); ++i) {
        const synth::Measures& m = measures[i];
        size_t nearest = i;
        double difference = 1e9;
        for (size_t j = 0; j < recipes.size(); ++j) {
            double d = synth::Difference(m, measures[j]);
            if (j != i && d < difference) {
                difference = d;
                nearest = j;
            }
        }
        std::printf("%-5s %6.3f %6.2f %6.1f %6.1f %6.1f %6.0f %5.1f %6.0f %5.0f %4d  %5.2f %5.2f %5.2f %5.2f  %s %.2f%s\n",
                    recipes[i].name.c_str(), m.seconds, m.soundingSeconds, m.peakDbfs, m.rmsDbfs, m.loudnessDba,
                    m.crossingsPerSecond, m.drift, m.centroidHz, m.edgeDb, m.onsets, m.bands[0], m.bands[1], m.bands[2],
                    m.bands[3], recipes[nearest].name.c_str(), difference,
                    m.first || m.last || m.clipped ? "  EDGE OR CLIP" : "");
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return Usage();
    std::string mode = argv[1];
    try {
        if (mode == "render" && argc == 4) {
            std::filesystem::create_directories(argv[3]);
            synth::RenderFolder(argv[2], argv[3]);
        } else if (mode == "sheet" && argc == 4) {
            std::vector<int16_t> sheet = synth::ListeningSheet(argv[2]);
            synth::WriteFileBytes(argv[3], synth::EncodeWav(sheet, synth::kRate));
        } else if (mode == "report" && argc == 3) {
            Report(argv[2]);
        } else {
            return Usage();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "synth: %s\n", e.what());
        return 1;
    }
    return 0;
}
