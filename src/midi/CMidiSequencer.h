#pragma once

#include <array>
#include <cstdint>

#include "midi/MidiConstants.h"
#include "midi/PlayedEvent.h"
#include "midi/SequencerEvent.h"
#include "platform/MidiOut.h"

namespace sonnavet {

// Sixteen tracks of timed MIDI events, one per channel, played one
// sixteenth-note step per Tick. About 4 MiB: allocate it once, on the heap.
class CMidiSequencer {
public:
    static constexpr int kSlots = 32768;

    // `midiSystem` closes the device in the destructor; it may be null when no
    // device is ever opened.
    explicit CMidiSequencer(MidiOutSystem* midiSystem = nullptr);
    ~CMidiSequencer();

    CMidiSequencer(const CMidiSequencer&) = delete;
    CMidiSequencer& operator=(const CMidiSequencer&) = delete;

    void Clear();
    void AllNotesOff();
    void AddProgramChange(int channel, std::uint8_t program);
    void AddNote(int channel, std::uint8_t note, int duration);
    void Advance(int steps);

    // Moves the cursor one step, sends what is due there and returns the played
    // events closed by an EndOfList record. The caller frees the list with free().
    PlayedEvent* Tick();

    HMIDIOUT hMidiOut = nullptr;
    std::int32_t tempo = 120;
    std::int32_t position = -1;
    std::array<std::array<SequencerEvent, kSlots>, kMidiChannels> tracks;
    std::array<std::uint8_t, kMidiChannels> muted{};
    std::array<std::uint8_t, kMidiChannels> velocity{};

private:
    int FirstEmptySlot(int channel) const;
    void Send(const SequencerEvent& event);

    MidiOutSystem* midi;
};

}  // namespace sonnavet
