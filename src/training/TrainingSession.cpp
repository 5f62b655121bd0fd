#include "training/TrainingSession.h"

namespace sonnavet {

namespace {

struct PlaybackStep {
    TrainingPhase phase;
    bool StepOptions::*ticked;
    const char* text;
    bool fixedTempo;   // the first note always plays at 120
    std::uint8_t mute0, mute1, mute2;
};

constexpr PlaybackStep kSteps[] = {
    {SingAlong, &StepOptions::singAlong, kSingAlongText, false, 0, 0, 1},
    {SingAlone, &StepOptions::singAlone, kSingAloneText, false, 0, 1, 1},
    {FirstNote, &StepOptions::playFirstNote, kFirstNoteText, true, 1, 1, 0},
    {Play, &StepOptions::play, kPlayText, false, 0, 1, 1},
    {PlayWithComputer, &StepOptions::playWithComputer, kPlayWithComputerText, false, 0, 0, 1},
};

}  // namespace

void RunPhaseMachine(SessionState state, const StepOptions& options, SessionActions& actions)
{
    std::int32_t& phase = state.trainingPhase;
    std::int32_t& seconds = state.phaseSeconds;

    if (phase == GetReady && seconds == options.pause) {
        phase = Listen;
        seconds = -1;
    }
    if (phase == Listen && seconds == 0)
        actions.BeginStep(kListenText, options.tempo, 0, 0, 1);

    for (const PlaybackStep& step : kSteps) {
        if (phase != step.phase) continue;
        if (options.*step.ticked) {
            // A step never begins over a sequence that still plays (its box was
            // unticked while it played); the end of that sequence passes it over.
            if (seconds == options.pause && !state.sequencePlaying)
                actions.BeginStep(step.text, step.fixedTempo ? kFirstNoteTempo : options.tempo, step.mute0,
                                  step.mute1, step.mute2);
        } else {
            phase = step.phase + 1;
        }
    }

    // The pause between melodies also ends when it was entered already longer
    // than it should last (steps unticked late); it never cuts into playback.
    if (phase == BetweenMelodies && seconds >= options.between && !state.sequencePlaying) {
        seconds = -1;
        if (options.getReady) {
            phase = GetReady;
            actions.SetStatusText(kGetReadyText);
        } else {
            phase = Listen;
        }
        actions.ComposeMelody();
    }

    ++seconds;
}

void AdvanceAfterSequence(std::int32_t& trainingPhase, std::int32_t& phaseSeconds)
{
    if (trainingPhase >= Listen && trainingPhase <= PlayWithComputer) {
        ++trainingPhase;
        phaseSeconds = 0;
    }
}

bool IsMarkedNoteOn(std::int32_t channel, std::int32_t trainingPhase)
{
    return (channel == 1 && trainingPhase == PlayWithComputer) || (channel == 2 && trainingPhase == FirstNote);
}

}  // namespace sonnavet
