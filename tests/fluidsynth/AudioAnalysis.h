#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace sonnavet::test {

// Left and right of interleaved stereo averaged into one channel.
std::vector<float> Mono(const std::vector<float>& stereo);

// Root mean square of samples [begin, end) (clamped to the buffer).
double Rms(const std::vector<float>& samples, std::size_t begin = 0, std::size_t end = static_cast<std::size_t>(-1));

// The fundamental frequency of a steady tone between 40 Hz and 1000 Hz, by
// normalised autocorrelation: the shortest lag whose correlation comes close
// to the best one, so octave-down lags do not win. 0 when nothing repeats.
double EstimatePitch(const std::vector<float>& samples, int sampleRate);

struct WavFile {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<float> samples;  // interleaved, scaled to -1..1
};

// Reads a 16-bit PCM WAV file; false when it is not one.
bool ReadWav(const std::string& path, WavFile* wav);

}  // namespace sonnavet::test
