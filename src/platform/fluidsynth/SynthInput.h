#pragma once

#include <array>
#include <cstdint>

#include <fluidsynth.h>

namespace sonnavet {

// Turns packed short MIDI messages (status in bits 0-7, data1 in 8-15, data2
// in 16-23) into FluidSynth calls. Shared by the audio device and the offline
// renderer so both decode messages the same way. Messages other than note-on,
// note-off, controller and program change are ignored.
//
// A channel that plays a note before any program change gets program 0, as a
// General MIDI synthesizer does at power-on. The soundfont is loaded without
// selecting presets, and selecting them lazily keeps the samples of unused
// instruments (the piano on every channel) out of memory.
class SynthInput {
public:
    static constexpr int kChannels = 16;

    explicit SynthInput(fluid_synth_t* synth);

    void Send(std::uint32_t message);

private:
    void SelectProgram(int channel, int program);

    fluid_synth_t* synth;
    std::array<bool, kChannels> programSelected{};
};

}  // namespace sonnavet
