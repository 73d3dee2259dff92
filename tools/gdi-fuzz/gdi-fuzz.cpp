// gdi-fuzz: random replay scripts and their reduction.
//
//   gdi-fuzz write SEED FIRST COUNT DIR   writes the run's pictures and scripts FIRST .. FIRST+COUNT-1 of the
//                                          seed into DIR as fuzz_SEED_NNNN.gdi
//   gdi-fuzz reduce SCRIPT OUT CHECK...   shortens SCRIPT to a minimal one for which the command CHECK...,
//                                          given a script's path as its last argument, still exits 0 (the
//                                          pictures still differ), and writes it to OUT
//
// The same seed gives the same scripts on every machine. tools/gdi-fuzz/gdi-fuzz runs them.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "generate.h"
#include "reduce.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: gdi-fuzz write SEED FIRST COUNT DIR\n"
                 "       gdi-fuzz reduce SCRIPT OUT CHECK...\n");
    return 2;
}

bool writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return bool(out.flush());
}

bool parseCount(const char* text, long long& out) {
    char* end;
    out = std::strtoll(text, &end, 10);
    return *end == '\0' && out >= 0;
}

int write(const char* seedText, const char* firstText, const char* countText, const std::string& dir) {
    long long seed, first, count;
    if (!parseCount(seedText, seed) || !parseCount(firstText, first) || !parseCount(countText, count)) return usage();
    std::vector<fuzz::Picture> pictures = fuzz::MakePictures(uint64_t(seed));
    for (const fuzz::Picture& p : pictures) {
        if (!writeFile(dir + "/" + p.name, std::string(p.bytes.begin(), p.bytes.end()))) {
            std::fprintf(stderr, "gdi-fuzz: cannot write %s/%s\n", dir.c_str(), p.name.c_str());
            return 1;
        }
    }
    for (long long i = first; i < first + count; i++) {
        char name[64];
        std::snprintf(name, sizeof name, "fuzz_%lld_%04lld.gdi", seed, i);
        if (!writeFile(dir + "/" + name, fuzz::MakeScript(uint64_t(seed), int(i), pictures))) {
            std::fprintf(stderr, "gdi-fuzz: cannot write %s/%s\n", dir.c_str(), name);
            return 1;
        }
    }
    return 0;
}

std::string quoted(const std::string& word) {
    std::string out = "'";
    for (char c : word) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

int reduce(const std::string& scriptPath, const std::string& outPath, const std::vector<std::string>& check) {
    std::ifstream in(scriptPath);
    if (!in) {
        std::fprintf(stderr, "gdi-fuzz: cannot read %s\n", scriptPath.c_str());
        return 1;
    }
    std::stringstream text;
    text << in.rdbuf();
    // Candidates lie beside the script, where the pictures it names are.
    std::string trial = scriptPath + ".try.gdi";
    std::string command;
    for (const std::string& word : check) command += quoted(word) + " ";
    command += quoted(trial) + " >/dev/null 2>&1";
    int runs = 0;
    auto stillDiffers = [&](const std::string& candidate) {
        runs++;
        return writeFile(trial, candidate) && std::system(command.c_str()) == 0;
    };
    if (!stillDiffers(text.str())) {
        std::fprintf(stderr, "gdi-fuzz: %s does not differ to begin with\n", scriptPath.c_str());
        std::remove(trial.c_str());
        return 1;
    }
    std::string minimal = fuzz::Reduce(text.str(), stillDiffers);
    std::remove(trial.c_str());
    if (!writeFile(outPath, minimal)) {
        std::fprintf(stderr, "gdi-fuzz: cannot write %s\n", outPath.c_str());
        return 1;
    }
    std::printf("reduced in %d runs\n", runs);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 5 && args[0] == "write") return write(argv[2], argv[3], argv[4], args[4]);
    if (args.size() >= 4 && args[0] == "reduce")
        return reduce(args[1], args[2], std::vector<std::string>(args.begin() + 3, args.end()));
    return usage();
}
