#include "platform/fluidsynth/SynthInput.h"

namespace sonnavet {

namespace {

constexpr std::uint32_t kNoteOff = 0x80;
constexpr std::uint32_t kNoteOn = 0x90;
constexpr std::uint32_t kControlChange = 0xB0;
constexpr std::uint32_t kProgramChange = 0xC0;
constexpr int kPowerOnProgram = 0;

}  // namespace

SynthInput::SynthInput(fluid_synth_t* synth) : synth(synth) {}

void SynthInput::Send(std::uint32_t message)
{
    const std::uint32_t kind = message & 0xF0;
    const int channel = static_cast<int>(message & 0x0F);
    const int data1 = static_cast<int>((message >> 8) & 0x7F);
    const int data2 = static_cast<int>((message >> 16) & 0x7F);

    switch (kind) {
    case kNoteOn:
        if (data2 == 0) {
            fluid_synth_noteoff(synth, channel, data1);
            break;
        }
        if (!programSelected[channel]) SelectProgram(channel, kPowerOnProgram);
        fluid_synth_noteon(synth, channel, data1, data2);
        break;
    case kNoteOff:
        fluid_synth_noteoff(synth, channel, data1);
        break;
    case kControlChange:
        // FluidSynth handles All Sound Off (120) itself by cutting the
        // channel's voices without a release phase.
        fluid_synth_cc(synth, channel, data1, data2);
        break;
    case kProgramChange:
        SelectProgram(channel, data1);
        break;
    default:
        break;
    }
}

void SynthInput::SelectProgram(int channel, int program)
{
    programSelected[channel] = true;
    fluid_synth_program_change(synth, channel, program);
}

}  // namespace sonnavet
