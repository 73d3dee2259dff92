// wav-levels SECONDS FILE.wav...: cuts each 16-bit PCM WAV down to its first SECONDS and measures it, since
// no one here can listen: length, loudness (RMS and peak, dB below full scale), clipped samples, and the
// longest near-silent stretch and the quietest second before the end. Fails when a file clips, falls
// silent or is short.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr double kSilentDb = -55;      // a tenth of a second quieter than this counts as silence
constexpr double kLongestSilence = 1;  // seconds

struct Wave {
    int channels = 0;
    int rate = 0;
    std::vector<int16_t> samples;  // interleaved
};

uint32_t Little(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[at + size_t(i)];
    return v;
}

bool ReadWave(const std::string& path, Wave& wave) {
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string_view text(reinterpret_cast<const char*>(b.data()), b.size());
    if (b.size() < 12 || !text.starts_with("RIFF") || text.substr(8, 4) != "WAVE") return false;
    int bits = 0;
    for (size_t at = 12; at + 8 <= b.size();) {
        std::string id(b.begin() + long(at), b.begin() + long(at) + 4);
        size_t size = std::min<size_t>(Little(b, at + 4, 4), b.size() - at - 8);
        if (id == "fmt " && size >= 16) {
            wave.channels = int(Little(b, at + 10, 2));
            wave.rate = int(Little(b, at + 12, 4));
            bits = int(Little(b, at + 22, 2));
        } else if (id == "data" && bits == 16) {
            for (size_t i = 0; i + 1 < size; i += 2) wave.samples.push_back(int16_t(Little(b, at + 8 + i, 2)));
        }
        at += 8 + size + (size & 1);
    }
    return bits == 16 && wave.channels > 0 && wave.rate > 0;
}

void PutLittle(std::vector<uint8_t>& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

bool WriteWave(const std::string& path, const Wave& wave) {
    uint32_t dataBytes = uint32_t(wave.samples.size() * 2);
    std::vector<uint8_t> out = {'R', 'I', 'F', 'F'};
    PutLittle(out, 36 + dataBytes, 4);
    for (char c : std::string("WAVEfmt ")) out.push_back(uint8_t(c));
    PutLittle(out, 16, 4);
    PutLittle(out, 1, 2);
    PutLittle(out, uint32_t(wave.channels), 2);
    PutLittle(out, uint32_t(wave.rate), 4);
    PutLittle(out, uint32_t(wave.rate * wave.channels * 2), 4);
    PutLittle(out, uint32_t(wave.channels * 2), 2);
    PutLittle(out, 16, 2);
    for (char c : std::string("data")) out.push_back(uint8_t(c));
    PutLittle(out, dataBytes, 4);
    for (int16_t s : wave.samples) PutLittle(out, uint16_t(s), 2);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), std::streamsize(out.size()));
    return bool(file);
}

double Decibels(double meanSquare) { return meanSquare > 0 ? 10 * std::log10(meanSquare) : -120; }

double MeanSquare(const std::vector<int16_t>& s, size_t from, size_t to) {
    double sum = 0;
    for (size_t i = from; i < to; ++i) sum += (s[i] / 32768.0) * (s[i] / 32768.0);
    return to > from ? sum / double(to - from) : 0;
}

// The longest run of silent tenths of a second, and the quietest whole second, both up to the last sound:
// the stillness after a tune's last note is its end, not a gap.
void Quietest(const Wave& w, double& longestSilence, double& quietestSecondDb) {
    size_t tenth = size_t(w.rate / 10 * w.channels), second = tenth * 10;
    std::vector<bool> silent;
    for (size_t at = 0; at + tenth <= w.samples.size(); at += tenth)
        silent.push_back(Decibels(MeanSquare(w.samples, at, at + tenth)) < kSilentDb);
    while (!silent.empty() && silent.back()) silent.pop_back();
    int run = 0, longest = 0;
    for (bool quiet : silent) {
        run = quiet ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    longestSilence = longest / 10.0;
    quietestSecondDb = 0;
    size_t end = silent.size() * tenth;
    for (size_t at = 0; at + second <= end; at += second)
        quietestSecondDb = std::min(quietestSecondDb, Decibels(MeanSquare(w.samples, at, at + second)));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: wav-levels SECONDS FILE.wav...\n");
        return 2;
    }
    double keep = std::atof(argv[1]);
    bool allGood = true;
    std::printf("%-12s %8s %8s %9s %9s %7s %9s %10s  %s\n", "file", "rendered", "kept", "RMS dB", "peak dB",
                "clipped", "silence", "quietest", "verdict");
    for (int i = 2; i < argc; ++i) {
        Wave w;
        if (!ReadWave(argv[i], w)) {
            std::printf("%-12s not a 16-bit PCM WAV\n", argv[i]);
            allGood = false;
            continue;
        }
        double rendered = double(w.samples.size()) / w.channels / w.rate;
        size_t kept = std::min(w.samples.size(), size_t(keep * w.rate) * size_t(w.channels));
        w.samples.resize(kept);
        if (!WriteWave(argv[i], w)) allGood = false;

        int peak = 0, clipped = 0;
        for (int16_t s : w.samples) {
            peak = std::max(peak, std::abs(int(s)));
            clipped += std::abs(int(s)) >= 32767;
        }
        double silence = 0, quietest = 0;
        Quietest(w, silence, quietest);
        double length = double(kept) / w.channels / w.rate;
        bool good = clipped == 0 && silence <= kLongestSilence && length >= keep - 0.01;
        allGood = allGood && good;
        std::string name = std::string(argv[i]).substr(std::string(argv[i]).find_last_of('/') + 1);
        std::printf("%-12s %7.1fs %7.1fs %9.1f %9.1f %7d %8.1fs %10.1f  %s\n", name.c_str(), rendered, length,
                    Decibels(MeanSquare(w.samples, 0, kept)), Decibels(double(peak) * peak / 32768.0 / 32768.0),
                    clipped, silence, quietest, good ? "ok" : "CHECK");
    }
    return allGood ? 0 : 1;
}
