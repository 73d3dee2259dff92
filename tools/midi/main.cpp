// dab-midi SOURCES OUT: writes every SOURCES/NAME.notes as OUT/NAME.mid, in name order, and says how long
// each tune plays.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/midi/score.h"
#include "tools/midi/smf.h"

namespace fs = std::filesystem;

namespace {

bool WriteTune(const fs::path& source, const fs::path& out) {
    std::ifstream in(source, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    midi::Song song;
    try {
        song = midi::ParseScore(text.str());
    } catch (const midi::ScoreError& e) {
        std::fprintf(stderr, "%s:%d: %s\n", source.string().c_str(), e.line, e.what());
        return false;
    }
    std::vector<uint8_t> bytes = midi::WriteStandardMidiFile(song);
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file) {
        std::fprintf(stderr, "dab-midi: cannot write %s\n", out.string().c_str());
        return false;
    }
    int seconds = int(song.Seconds() + 0.5);
    std::printf("%s: \"%s\", %zu parts, %d:%02d\n", out.filename().string().c_str(), song.title.c_str(),
                song.tracks.size(), seconds / 60, seconds % 60);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: dab-midi SOURCE_FOLDER OUT_FOLDER\n");
        return 2;
    }
    std::vector<fs::path> sources;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(argv[1], error))
        if (entry.path().extension() == ".notes") sources.push_back(entry.path());
    if (error || sources.empty()) {
        std::fprintf(stderr, "dab-midi: no .notes files in %s\n", argv[1]);
        return 1;
    }
    std::sort(sources.begin(), sources.end());
    fs::create_directories(argv[2]);
    bool ok = true;
    for (const fs::path& source : sources)
        ok = WriteTune(source, fs::path(argv[2]) / source.stem().concat(".mid")) && ok;
    return ok ? 0 : 1;
}
