#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/MidiOut.h"
#include "platform/fluidsynth/SynthInput.h"
#include "platform/fluidsynth/SynthSetup.h"

namespace sonnavet {

// The synthesizer of the MIDI device without an audio driver: it renders only
// when asked, so tests can listen to exactly what a sequence of messages
// produces. Same settings and message handling as the real device.
class OfflineSynth : public MidiOutDevice {
public:
    static constexpr int kSampleRate = static_cast<int>(kSynthSampleRate);

    // Null when the soundfont cannot be loaded.
    static std::unique_ptr<OfflineSynth> Create(const std::string& soundFontPath);

    void ShortMsg(std::uint32_t message) override;

    // The next `frames` frames of stereo output, interleaved left, right.
    std::vector<float> Render(int frames);

private:
    OfflineSynth(FluidSettingsPtr settings, FluidSynthPtr synth);

    FluidSettingsPtr settings;
    FluidSynthPtr synth;
    SynthInput input;
};

}  // namespace sonnavet
