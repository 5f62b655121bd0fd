#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace sonnavet {

class CListBox;
class CMidiSequencer;
class RandomSource;

using StepTable = std::array<std::uint8_t, 7>;

constexpr int kHandPosition = 2;
constexpr std::uint8_t kWoodblockProgram = 115;
constexpr std::uint8_t kClickNote = 78;
constexpr int kMelodyStart = 32;   // the melody begins after six clicks
constexpr int kBarSteps = 16;

// What the generator reads from the option controls.
struct MelodyOptions {
    int randomization = 0;   // percent, 0 to 100
    int melodyRange = 0;     // semitones, 0 to 13
    int instrument = 0;      // selected index of the instrument list
};

// The count-in on track 0 from the current cursor: two half-note clicks, four
// quarter-note clicks, then `beats` clicks through the melody's bar.
void AddCountIn(CMidiSequencer& sequencer, int beats);

// The notes a scale walk around `center` offers within the range, in the order
// the draw indexes them: the center, the upward walk, the downward walk.
std::vector<std::uint8_t> NextNoteCandidates(int handPosition, std::uint8_t center, const StepTable& upSteps,
                                            const StepTable& downSteps, int range);

std::uint8_t ChooseNextNote(RandomSource& random, int handPosition, std::uint8_t center, const StepTable& upSteps,
                            const StepTable& downSteps, int range);

// One selected entry drawn at random, or -1 (without a draw) when none is selected.
int PickRandomSelection(const CListBox& list, RandomSource& random);

// Composes one exercise into the sequencer and returns the hand position.
int GenerateMelody(CMidiSequencer& sequencer, RandomSource& random, const MelodyOptions& options,
                   const CListBox& positionsList);

}  // namespace sonnavet
