#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace sonnavet {

class CMidiSequencer;

// Ranges of the option sliders.
struct SliderRange {
    int minimum;
    int maximum;
};
constexpr SliderRange kSecondsRange{1, 10};       // time between melodies, pause duration
constexpr SliderRange kTempoRange{50, 200};
constexpr SliderRange kRandomizationRange{0, 100};
constexpr SliderRange kMelodyRangeRange{0, 13};
constexpr SliderRange kVolumeRange{0, 127};

constexpr int kInstrumentCount = 128;
constexpr int kDefaultInstrument = 26;   // "Electric Guitar(jazz)"

// The open strings in standard tuning, low E to high E.
constexpr std::array<std::uint8_t, 6> openStringNotes{40, 45, 50, 55, 59, 64};

// General MIDI program names; index n is program n.
extern const std::array<const char*, kInstrumentCount> kInstrumentNames;

std::string SecondsLabel(int position);        // "(%ds)"
std::string TempoLabel(int position);          // "(%d)"
std::string RandomizationLabel(int position);  // "(%d%%)"
std::string IntervalName(int position);        // "Unison" .. "Octave", empty outside 0..13
// The value label of option slider `sliderId` at a position; empty for a slider without one.
std::string SliderLabelText(int sliderId, int position);

// The program to send for a drop-down selection; with no valid selection the
// default instrument, since 255 is no MIDI data byte.
std::uint8_t InstrumentProgram(int selectedIndex);

// Channel velocities from the volume: the count-in on channel 0 plays 20 softer.
void ApplyVolume(CMidiSequencer& sequencer, int volume);

// Loads one tuning note: the open string for two sixteenth notes at tempo 120.
void PlayTuningNote(CMidiSequencer& sequencer, std::uint8_t note, int selectedInstrument, int volume);

}  // namespace sonnavet
