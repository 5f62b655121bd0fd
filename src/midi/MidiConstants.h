#pragma once

#include <cstdint>

namespace sonnavet {

constexpr int kMidiChannels = 16;

// Status bytes, channel in the low nibble
constexpr std::uint8_t kNoteOff = 0x80;
constexpr std::uint8_t kNoteOn = 0x90;
constexpr std::uint8_t kControlChange = 0xB0;
constexpr std::uint8_t kProgramChange = 0xC0;

constexpr std::uint8_t kAllSoundOff = 120;   // controller number

}  // namespace sonnavet
