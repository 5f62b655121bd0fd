#include "training/MelodyGenerator.h"

#include <algorithm>

#include "controls/TrainingControls.h"
#include "midi/CMidiSequencer.h"
#include "platform/Controls.h"
#include "training/RandomSource.h"

namespace sonnavet {

namespace {

constexpr StepTable kMajorUpSteps{0, 2, 2, 1, 2, 2, 2};
constexpr StepTable kMajorDownSteps{0, 1, 2, 2, 2, 1, 2};
constexpr StepTable kMinorUpSteps{0, 2, 1, 2, 2, 1, 2};
constexpr StepTable kMinorDownSteps{0, 2, 2, 1, 2, 2, 1};

// A walk whose steps can all be 0 would never reach its bound: it ends once a
// whole table's worth of steps in a row added nothing.
constexpr int kMaxIdleSteps = 7;

template <typename Next>
void Walk(std::vector<std::uint8_t>& candidates, int center, const StepTable& steps, Next next)
{
    int note = center;
    int idle = 0;
    for (int k = 0;; ++k) {
        const int step = steps[k % 7];
        const auto [stop, include] = next(note, step);
        if (!include) return;
        candidates.push_back(static_cast<std::uint8_t>(note));
        if (stop) return;
        idle = step == 0 ? idle + 1 : 0;
        if (idle >= kMaxIdleSteps) return;
    }
}

}  // namespace

void AddCountIn(CMidiSequencer& sequencer, int beats)
{
    sequencer.AddProgramChange(0, kWoodblockProgram);
    auto click = [&](int duration) {
        sequencer.AddNote(0, kClickNote, duration);
        sequencer.Advance(duration);
    };
    for (int i = 0; i < 2; ++i) click(8);
    for (int i = 0; i < 4; ++i) click(4);
    for (int i = 0; i < beats; ++i) click(4);
}

std::vector<std::uint8_t> NextNoteCandidates(int handPosition, std::uint8_t center, const StepTable& upSteps,
                                            const StepTable& downSteps, int range)
{
    const int low = std::max(center - range, handPosition + 40);
    const int high = std::min(center + range, handPosition + 67);

    std::vector<std::uint8_t> candidates{center};
    if (center < high) {
        Walk(candidates, center, upSteps, [&](int& note, int step) {
            note += step;
            return std::pair{note == high, note <= high};
        });
    }
    if (center > low) {
        Walk(candidates, center, downSteps, [&](int& note, int step) {
            note -= step;
            return std::pair{note == low, note >= low};
        });
    }
    return candidates;
}

std::uint8_t ChooseNextNote(RandomSource& random, int handPosition, std::uint8_t center, const StepTable& upSteps,
                            const StepTable& downSteps, int range)
{
    const auto candidates = NextNoteCandidates(handPosition, center, upSteps, downSteps, range);
    return candidates[random.Draw(static_cast<int>(candidates.size()))];
}

int PickRandomSelection(const CListBox& list, RandomSource& random)
{
    const auto selected = list.GetSelItems(list.GetCount());
    if (selected.empty()) return -1;
    return selected[random.Draw(static_cast<int>(selected.size()))];
}

int GenerateMelody(CMidiSequencer& sequencer, RandomSource& random, const MelodyOptions& options,
                   const CListBox& positionsList)
{
    PickRandomSelection(positionsList, random);   // the one position is 2; the draw still happens
    const int string = random.Draw(6);

    StepTable majorUp = kMajorUpSteps, majorDown = kMajorDownSteps;
    StepTable minorUp = kMinorUpSteps, minorDown = kMinorDownSteps;
    for (int i = 0; i < 7; ++i) {
        if (random.Draw(100) < options.randomization) {
            majorUp[i] = static_cast<std::uint8_t>(random.Draw(3));
            minorUp[i] = static_cast<std::uint8_t>(random.Draw(3));
        }
        if (random.Draw(100) < options.randomization) {
            majorDown[i] = static_cast<std::uint8_t>(random.Draw(3));
            minorDown[i] = static_cast<std::uint8_t>(random.Draw(3));
        }
    }
    const bool major = random.Draw(100) > 49;
    const StepTable& upSteps = major ? majorUp : minorUp;
    const StepTable& downSteps = major ? majorDown : minorDown;

    const std::uint8_t program = InstrumentProgram(options.instrument);
    sequencer.Clear();
    AddCountIn(sequencer, 4);

    sequencer.position = -1;
    sequencer.AddProgramChange(1, program);
    sequencer.Advance(kMelodyStart);

    std::uint8_t firstNote = 0;
    bool first = true;
    for (int left = kBarSteps; left > 0;) {
        const int kind = random.Draw(100);
        int duration = kind < 10 ? 8 : kind < 55 ? 4 : 2;
        if (random.Draw(100) > 75 && duration > 2) duration += duration / 2;
        duration = std::min(duration, left);
        std::uint8_t note;
        if (first) {
            firstNote = static_cast<std::uint8_t>(openStringNotes[string] + 2 + random.Draw(4));
            note = firstNote;
            first = false;
        } else {
            note = ChooseNextNote(random, kHandPosition, firstNote, upSteps, downSteps, options.melodyRange);
        }
        sequencer.AddNote(1, note, duration);
        sequencer.Advance(duration);
        left -= duration;
    }

    sequencer.muted[2] = 1;
    sequencer.position = -1;
    sequencer.AddProgramChange(2, program);
    for (int i = 0; i < 4; ++i) {
        sequencer.AddNote(2, firstNote, 4);
        sequencer.Advance(4);
    }
    return kHandPosition;
}

}  // namespace sonnavet
