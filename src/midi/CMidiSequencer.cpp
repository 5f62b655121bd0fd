#include "midi/CMidiSequencer.h"

#include <cstdlib>
#include <new>

namespace sonnavet {

namespace {

// The played-event list grows in blocks of this many records.
constexpr std::size_t kListBlock = 10;

class PlayedList {
public:
    PlayedList() { Grow(); }

    void Append(const PlayedEvent& record)
    {
        items[count++] = record;
        if (count == capacity) Grow();
    }

    // The closing record: there is always room for it.
    PlayedEvent* Close()
    {
        items[count++] = PlayedEvent{0, 0, 0, EndOfList};
        return items;
    }

private:
    void Grow()
    {
        auto* grown = static_cast<PlayedEvent*>(std::realloc(items, (capacity + kListBlock) * sizeof(PlayedEvent)));
        if (!grown) {
            std::free(items);
            throw std::bad_alloc();
        }
        items = grown;
        capacity += kListBlock;
    }

    PlayedEvent* items = nullptr;
    std::size_t capacity = 0;
    std::size_t count = 0;
};

}  // namespace

CMidiSequencer::CMidiSequencer(MidiOutSystem* midiSystem) : midi(midiSystem)
{
    hMidiOut = nullptr;
    Clear();
    tempo = 120;
    for (int t = 0; t < kMidiChannels; ++t) {
        muted[t] = 0;
        velocity[t] = 127;
    }
}

CMidiSequencer::~CMidiSequencer()
{
    if (hMidiOut) {
        AllNotesOff();
        if (midi) midi->Close(hMidiOut);
        hMidiOut = nullptr;
    }
}

void CMidiSequencer::Clear()
{
    for (int t = 0; t < kMidiChannels; ++t) {
        muted[t] = 0;
        for (auto& slot : tracks[t]) slot.tick = -1;
    }
    position = -1;
}

void CMidiSequencer::AllNotesOff()
{
    for (int channel = 0; channel < kMidiChannels; ++channel)
        if (hMidiOut)
            hMidiOut->ShortMsg(PackShortMsg(static_cast<std::uint8_t>(kControlChange + channel), kAllSoundOff, 0));
}

int CMidiSequencer::FirstEmptySlot(int channel) const
{
    const auto& track = tracks[channel];
    for (int i = 0; i < kSlots; ++i)
        if (track[i].tick == -1) return i;
    return -1;
}

void CMidiSequencer::AddProgramChange(int channel, std::uint8_t program)
{
    const int slot = FirstEmptySlot(channel);
    if (slot < 0) return;
    if (position == -1) position = 0;
    tracks[channel][slot] = {position, static_cast<std::uint8_t>(kProgramChange + channel), program, 0};
}

void CMidiSequencer::AddNote(int channel, std::uint8_t note, int duration)
{
    const int slot = FirstEmptySlot(channel);
    if (slot < 0 || slot == kSlots - 1) return;
    if (position == -1) position = 0;
    tracks[channel][slot] = {position, static_cast<std::uint8_t>(kNoteOn + channel), note, 0};
    tracks[channel][slot + 1] = {position + duration, static_cast<std::uint8_t>(kNoteOff + channel), note, 0};
}

void CMidiSequencer::Advance(int steps)
{
    if (position == -1) position = 0;
    position += steps;
}

void CMidiSequencer::Send(const SequencerEvent& event)
{
    if (hMidiOut) hMidiOut->ShortMsg(PackShortMsg(event.status, event.data1, event.data2));
}

PlayedEvent* CMidiSequencer::Tick()
{
    PlayedList list;
    ++position;

    for (int t = 0; t < kMidiChannels; ++t) {
        if (muted[t] == 1) continue;
        for (auto& event : tracks[t]) {
            if (event.tick == -1) break;
            if (event.tick != position) continue;
            const int high = event.status & 0xF0;
            if (high == kNoteOff || high == kNoteOn) event.data2 = velocity[t];
            list.Append({t, event.data1, event.data2, high});
            Send(event);
        }
    }

    bool later = false;
    for (int t = 0; t < kMidiChannels && !later; ++t) {
        if (muted[t] != 0) continue;
        for (const auto& event : tracks[t]) {
            if (event.tick == -1) break;
            if (event.tick > position) {
                later = true;
                break;
            }
        }
    }
    if (!later) list.Append({0, 0, 0, EndOfSequence});
    return list.Close();
}

}  // namespace sonnavet
