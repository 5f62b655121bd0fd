#include "tests/fluidsynth/AudioAnalysis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

namespace sonnavet::test {

std::vector<float> Mono(const std::vector<float>& stereo)
{
    std::vector<float> mono(stereo.size() / 2);
    for (std::size_t i = 0; i < mono.size(); ++i) mono[i] = 0.5f * (stereo[2 * i] + stereo[2 * i + 1]);
    return mono;
}

double Rms(const std::vector<float>& samples, std::size_t begin, std::size_t end)
{
    end = std::min(end, samples.size());
    if (begin >= end) return 0.0;
    double sum = 0.0;
    for (std::size_t i = begin; i < end; ++i) sum += static_cast<double>(samples[i]) * samples[i];
    return std::sqrt(sum / static_cast<double>(end - begin));
}

double EstimatePitch(const std::vector<float>& samples, int sampleRate)
{
    const int minLag = sampleRate / 1000;
    const int maxLag = sampleRate / 40;
    const int n = static_cast<int>(samples.size()) - maxLag - 1;
    if (n <= maxLag) return 0.0;

    std::vector<double> correlation(maxLag + 2, 0.0);
    double energy0 = 0.0;
    for (int i = 0; i < n; ++i) energy0 += static_cast<double>(samples[i]) * samples[i];
    for (int lag = minLag; lag <= maxLag + 1; ++lag) {
        double cross = 0.0, energyLag = 0.0;
        for (int i = 0; i < n; ++i) {
            cross += static_cast<double>(samples[i]) * samples[i + lag];
            energyLag += static_cast<double>(samples[i + lag]) * samples[i + lag];
        }
        correlation[lag] = (energy0 > 0 && energyLag > 0) ? cross / std::sqrt(energy0 * energyLag) : 0.0;
    }
    const double best = *std::max_element(correlation.begin() + minLag, correlation.begin() + maxLag + 1);
    if (best < 0.5) return 0.0;
    for (int lag = minLag + 1; lag <= maxLag; ++lag) {
        const double c = correlation[lag];
        if (c >= 0.9 * best && c >= correlation[lag - 1] && c >= correlation[lag + 1]) {
            // Parabolic interpolation around the peak for a fraction of a sample.
            const double a = correlation[lag - 1], b = c, d = correlation[lag + 1];
            const double denominator = a - 2 * b + d;
            const double shift = denominator != 0 ? 0.5 * (a - d) / denominator : 0.0;
            return sampleRate / (lag + shift);
        }
    }
    return 0.0;
}

namespace {

std::uint32_t Le32(const unsigned char* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t Le16(const unsigned char* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

}  // namespace

bool ReadWav(const std::string& path, WavFile* wav)
{
    std::ifstream file(path, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        return false;
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::uint32_t size = Le32(&bytes[at + 4]);
        const std::size_t body = at + 8;
        const std::size_t available = std::min<std::size_t>(size, bytes.size() - body);
        if (std::memcmp(&bytes[at], "fmt ", 4) == 0 && available >= 16) {
            if (Le16(&bytes[body]) != 1) return false;  // PCM only
            wav->channels = Le16(&bytes[body + 2]);
            wav->sampleRate = static_cast<int>(Le32(&bytes[body + 4]));
            wav->bitsPerSample = Le16(&bytes[body + 14]);
            haveFormat = true;
        } else if (std::memcmp(&bytes[at], "data", 4) == 0) {
            // The file driver may leave the size unset when it is not closed
            // cleanly; read what is there.
            if (!haveFormat || wav->bitsPerSample != 16) return false;
            for (std::size_t i = 0; i + 1 < available; i += 2)
                wav->samples.push_back(static_cast<std::int16_t>(Le16(&bytes[body + i])) / 32768.0f);
            return true;
        }
        at = body + size + (size & 1);
    }
    return false;
}

}  // namespace sonnavet::test
