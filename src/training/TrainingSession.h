#pragma once

#include <cstdint>
#include <string>

namespace sonnavet {

enum TrainingPhase : std::int32_t {
    Idle = 1,
    GetReady = 2,
    Listen = 3,
    SingAlong = 4,
    SingAlone = 5,
    FirstNote = 6,
    Play = 7,
    PlayWithComputer = 8,
    BetweenMelodies = 9,
};

constexpr std::int32_t kFirstNoteTempo = 120;

inline constexpr char kStartText[] = "Click the Start Ear Training button to begin";
inline constexpr char kGetReadyText[] = "Get ready...";
inline constexpr char kListenText[] = "Listen carefully!";
inline constexpr char kSingAlongText[] = "Sing the melody with the computer.";
inline constexpr char kSingAloneText[] = "Now sing the melody alone.";
inline constexpr char kFirstNoteText[] = "Here's the first note.";
inline constexpr char kPlayText[] = "Play it now. Try not to hunt for notes.";
inline constexpr char kPlayWithComputerText[] = "Play it again, this time with the computer.";

// The options the session reads, taken from the controls at each tick.
struct StepOptions {
    bool getReady = true;
    bool singAlong = true;
    bool singAlone = true;
    bool playFirstNote = true;
    bool play = true;
    bool playWithComputer = true;
    int pause = 2;     // seconds before each step
    int between = 2;   // seconds between melodies
    int tempo = 120;
};

// What the phase machine asks of the dialog.
class SessionActions {
public:
    virtual ~SessionActions() = default;
    virtual void BeginStep(const std::string& text, int tempo, std::uint8_t mute0, std::uint8_t mute1,
                           std::uint8_t mute2) = 0;
    virtual void SetStatusText(const std::string& text) = 0;   // and repaint
    virtual void ComposeMelody() = 0;
};

struct SessionState {
    std::int32_t& trainingPhase;
    std::int32_t& phaseSeconds;
    bool sequencePlaying;
};

// One tick of the one-second timer: begins due steps, passes over unticked
// ones, starts the next melody after the pause between melodies.
void RunPhaseMachine(SessionState state, const StepOptions& options, SessionActions& actions);

// After a playback ends: the next step, with its pause counted from now.
void AdvanceAfterSequence(std::int32_t& trainingPhase, std::int32_t& phaseSeconds);

// Whether a played note-on becomes a marker in this phase.
bool IsMarkedNoteOn(std::int32_t channel, std::int32_t trainingPhase);

}  // namespace sonnavet
