#include "tools/synth/analysis.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace synth {
namespace {

constexpr size_t kFrame = 1024;
constexpr std::array<double, 3> kBandEdges = {500, 2000, 5000};

double Db(double amplitude) { return amplitude > 0 ? 20 * std::log10(amplitude) : -200; }

void Fft(std::vector<std::complex<double>>& a) {
    size_t n = a.size();
    for (size_t i = 1, j = 0; i < n; ++i) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (size_t len = 2; len <= n; len <<= 1) {
        std::complex<double> w = std::polar(1.0, -2 * std::numbers::pi / double(len));
        for (size_t i = 0; i < n; i += len) {
            std::complex<double> wk = 1;
            for (size_t k = 0; k < len / 2; ++k, wk *= w) {
                std::complex<double> u = a[i + k], v = a[i + k + len / 2] * wk;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
            }
        }
    }
}

// Power by frequency bin, summed over half-overlapping Hann-windowed frames.
std::vector<double> PowerSpectrum(std::span<const int16_t> samples) {
    std::vector<double> power(kFrame / 2, 0.0);
    std::vector<std::complex<double>> frame(kFrame);
    for (size_t start = 0; start < samples.size(); start += kFrame / 2) {
        for (size_t i = 0; i < kFrame; ++i) {
            double window = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * double(i) / kFrame);
            double s = start + i < samples.size() ? samples[start + i] / 32768.0 : 0;
            frame[i] = s * window;
        }
        Fft(frame);
        for (size_t k = 0; k < kFrame / 2; ++k) power[k] += std::norm(frame[k]);
    }
    return power;
}

// The A-weighting curve as a power gain: the ear hears 1 to 5 kHz best, the low and the very high less.
double AWeight(double hz) {
    double f2 = hz * hz;
    double r = 12194.0 * 12194.0 * f2 * f2 /
               ((f2 + 20.6 * 20.6) * std::sqrt((f2 + 107.7 * 107.7) * (f2 + 737.9 * 737.9)) * (f2 + 12194.0 * 12194.0));
    return r * r * std::pow(10.0, 0.2);  // +2 dB puts 1 kHz at 0 dB
}

// After MeasureLevels, which finds the level the weighting applies to.
void MeasureSpectrum(std::span<const int16_t> samples, int rate, Measures& m) {
    std::vector<double> power = PowerSpectrum(samples);
    double total = 0, byPitch = 0, heard = 0;
    for (size_t k = 1; k < power.size(); ++k) {
        double hz = double(k) * rate / kFrame;
        size_t band = size_t(std::upper_bound(kBandEdges.begin(), kBandEdges.end(), hz) - kBandEdges.begin());
        m.bands[band] += power[k];
        total += power[k];
        byPitch += power[k] * hz;
        heard += power[k] * AWeight(hz);
    }
    if (total <= 0) return;
    for (double& b : m.bands) b /= total;
    m.centroidHz = byPitch / total;
    m.loudnessDba = m.rmsDbfs + 10 * std::log10(std::max(heard, 1e-30) / total);
}

void MeasureLevels(std::span<const int16_t> samples, int rate, Measures& m) {
    size_t window = size_t(rate / 100);
    std::vector<double> levels;  // mean square of each 10 ms
    std::vector<int> crossings;  // and its zero crossings
    for (size_t start = 0; start < samples.size(); start += window) {
        double sum = 0;
        int crossed = 0;
        size_t end = std::min(samples.size(), start + window);
        for (size_t i = start; i < end; ++i) {
            sum += double(samples[i]) * samples[i];
            if (i > 0 && (samples[i] >= 0) != (samples[i - 1] >= 0)) ++crossed;
        }
        levels.push_back(sum / double(end - start) / (32768.0 * 32768.0));
        crossings.push_back(crossed);
    }
    double loudest = *std::max_element(levels.begin(), levels.end());
    double floor = loudest * 1e-3, sum = 0;
    int sounding = 0;
    for (double l : levels) {
        if (l < floor) continue;
        sum += l;
        ++sounding;
    }
    m.soundingSeconds = sounding * 0.01;
    double earlier = 0, later = 0;
    for (int seen = 0, i = 0; i < int(levels.size()); ++i) {
        if (levels[size_t(i)] < floor) continue;
        (seen++ < sounding / 2 ? earlier : later) += crossings[size_t(i)];
    }
    if (earlier > 0 && later > 0) m.drift = std::log2(later / earlier);
    m.rmsDbfs = sounding ? 10 * std::log10(sum / sounding) : -200;
    bool rising = false;
    for (size_t i = 3; i < levels.size(); ++i) {
        double before = std::min({levels[i - 1], levels[i - 2], levels[i - 3]});
        bool jump = levels[i] > floor && levels[i] > 8 * std::max(before, floor * 0.1);
        if (jump && !rising) ++m.onsets;
        rising = jump;
    }
    if (levels[0] > floor || (levels.size() > 1 && levels[1] > floor)) ++m.onsets;
}

}  // namespace

Measures Measure(std::span<const int16_t> samples, int rate) {
    Measures m;
    if (samples.empty()) return m;
    m.seconds = double(samples.size()) / rate;
    m.first = samples.front();
    m.last = samples.back();
    int peak = 0, crossings = 0;
    for (size_t i = 0; i < samples.size(); ++i) {
        peak = std::max(peak, std::abs(int(samples[i])));
        if (samples[i] == 32767 || samples[i] == -32768) m.clipped = true;
        if (i > 0 && (samples[i] >= 0) != (samples[i - 1] >= 0)) ++crossings;
    }
    m.peakDbfs = Db(peak / 32768.0);
    m.crossingsPerSecond = crossings / m.seconds;
    size_t edge = std::min(samples.size(), size_t(rate / 1000));
    int edgePeak = 0;
    for (size_t i = 0; i < edge; ++i)
        edgePeak = std::max({edgePeak, std::abs(int(samples[i])), std::abs(int(samples[samples.size() - 1 - i]))});
    m.edgeDb = edgePeak && peak ? 20 * std::log10(double(edgePeak) / peak) : -200;
    MeasureLevels(samples, rate, m);
    MeasureSpectrum(samples, rate, m);
    return m;
}

double Difference(const Measures& a, const Measures& b) {
    double d = 0;
    for (size_t i = 0; i < a.bands.size(); ++i) d += std::abs(a.bands[i] - b.bands[i]);
    auto logRatio = [](double x, double y) { return std::abs(std::log2(std::max(x, 1e-3) / std::max(y, 1e-3))); };
    d += 0.5 * logRatio(a.centroidHz, b.centroidHz);
    d += 0.5 * logRatio(a.soundingSeconds, b.soundingSeconds);
    d += 0.1 * std::min(5, std::abs(a.onsets - b.onsets));
    d += 0.3 * std::min(2.0, std::abs(a.drift - b.drift));
    return d;
}

}  // namespace synth
