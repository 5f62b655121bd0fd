#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "midi/CMidiSequencer.h"
#include "tests/support/RecordingMidiOut.h"

namespace sonnavet {
namespace {

using test::RecordingMidiOut;

struct Ev {
    int tick, status, data1, data2;
    bool operator==(const Ev&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Ev& e)
{
    return os << "{" << e.tick << ", 0x" << std::hex << e.status << std::dec << ", " << e.data1 << ", " << e.data2
              << "}";
}

std::vector<Ev> Track(const CMidiSequencer& s, int t)
{
    std::vector<Ev> events;
    for (const auto& e : s.tracks[t]) {
        if (e.tick == -1) break;
        events.push_back({e.tick, e.status, e.data1, e.data2});
    }
    return events;
}

struct Rec {
    int channel, data1, data2, kind;
    bool operator==(const Rec&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Rec& r)
{
    return os << "{" << r.channel << ", " << r.data1 << ", " << r.data2 << ", " << r.kind << "}";
}

// Runs one Tick and returns its records, the closing EndOfList included.
std::vector<Rec> TickOnce(CMidiSequencer& s)
{
    PlayedEvent* list = s.Tick();
    std::vector<Rec> records;
    for (const PlayedEvent* e = list;; ++e) {
        records.push_back({e->channel, e->data1, e->data2, e->kind});
        if (e->kind == EndOfList) break;
    }
    std::free(list);
    return records;
}

const Rec kEnd{0, 0, 0, EndOfSequence};
const Rec kClose{0, 0, 0, EndOfList};

struct SequencerTest : ::testing::Test {
    RecordingMidiOut midi;
    std::unique_ptr<CMidiSequencer> seq = std::make_unique<CMidiSequencer>(&midi);

    void OpenDevice() { ASSERT_EQ(midi.Open(&seq->hMidiOut, 0), 0); }
};

TEST_F(SequencerTest, NewSequencerIsClearedWithDefaults)
{
    EXPECT_EQ(seq->hMidiOut, nullptr);
    EXPECT_EQ(seq->tempo, 120);
    EXPECT_EQ(seq->position, -1);
    for (int t = 0; t < kMidiChannels; ++t) {
        EXPECT_TRUE(Track(*seq, t).empty());
        EXPECT_EQ(seq->tracks[t][CMidiSequencer::kSlots - 1].tick, -1);
        EXPECT_EQ(seq->muted[t], 0);
        EXPECT_EQ(seq->velocity[t], 127);
    }
}

TEST_F(SequencerTest, ClearKeepsTempoAndVelocityUnmutesAndEmpties)
{
    seq->tempo = 150;
    seq->velocity[1] = 90;
    seq->muted[2] = 1;
    seq->AddNote(1, 60, 4);
    seq->Advance(4);
    seq->AddNote(2, 62, 4);
    seq->Clear();
    EXPECT_EQ(seq->tempo, 150);
    EXPECT_EQ(seq->velocity[1], 90);
    EXPECT_EQ(seq->muted[2], 0);
    EXPECT_EQ(seq->position, -1);
    EXPECT_TRUE(Track(*seq, 1).empty());
    EXPECT_TRUE(Track(*seq, 2).empty());
}

TEST_F(SequencerTest, ComposingExamples)
{
    // The tuning buttons' composition.
    seq->AddProgramChange(1, 24);
    seq->AddNote(1, 40, 2);
    EXPECT_EQ(Track(*seq, 1), (std::vector<Ev>{{0, 0xC1, 24, 0}, {0, 0x91, 40, 0}, {2, 0x81, 40, 0}}));
    EXPECT_EQ(seq->position, 0);

    seq->Clear();
    seq->AddProgramChange(2, 24);
    EXPECT_EQ(Track(*seq, 2), (std::vector<Ev>{{0, 0xC2, 24, 0}}));
    EXPECT_EQ(seq->position, 0);

    seq->Clear();
    seq->position = 10;
    seq->AddNote(0, 78, 8);
    EXPECT_EQ(Track(*seq, 0), (std::vector<Ev>{{10, 0x90, 78, 0}, {18, 0x80, 78, 0}}));
    EXPECT_EQ(seq->position, 10);

    // Note-offs sit right behind their note-ons, not in time order.
    seq->Clear();
    seq->AddNote(1, 64, 4);
    seq->Advance(4);
    seq->AddNote(1, 67, 2);
    seq->Advance(2);
    EXPECT_EQ(Track(*seq, 1),
              (std::vector<Ev>{{0, 0x91, 64, 0}, {4, 0x81, 64, 0}, {4, 0x91, 67, 0}, {6, 0x81, 67, 0}}));
    EXPECT_EQ(seq->position, 6);
}

TEST_F(SequencerTest, AdvanceFromBeforeTheStart)
{
    seq->Advance(32);
    EXPECT_EQ(seq->position, 32);
    seq->position = 5;
    seq->Advance(32);
    EXPECT_EQ(seq->position, 37);
}

TEST_F(SequencerTest, FullTracks)
{
    auto& track = seq->tracks[3];
    for (int i = 0; i < CMidiSequencer::kSlots - 1; ++i) track[i] = {0, 0x93, 1, 0};

    // One slot left: no room for a note, room for a program change.
    seq->AddNote(3, 60, 4);
    EXPECT_EQ(track[CMidiSequencer::kSlots - 1].tick, -1);
    EXPECT_EQ(seq->position, -1);
    seq->AddProgramChange(3, 5);
    EXPECT_EQ(track[CMidiSequencer::kSlots - 1].status, 0xC3);
    EXPECT_EQ(track[CMidiSequencer::kSlots - 1].tick, 0);
    EXPECT_EQ(seq->position, 0);

    // No slot left: neither writes, the cursor stays.
    seq->position = -1;
    seq->AddProgramChange(3, 6);
    seq->AddNote(3, 60, 4);
    EXPECT_EQ(track[CMidiSequencer::kSlots - 1].data1, 5);
    EXPECT_EQ(seq->position, -1);
}

TEST_F(SequencerTest, AllNotesOffWithAndWithoutDevice)
{
    seq->AllNotesOff();
    EXPECT_TRUE(midi.Messages().empty());

    OpenDevice();
    seq->AllNotesOff();
    std::vector<std::uint32_t> expected;
    for (std::uint32_t c = 0; c < 16; ++c) expected.push_back(0x78B0 + c);
    EXPECT_EQ(midi.Messages(), expected);
}

TEST_F(SequencerTest, DestructionSilencesThenCloses)
{
    OpenDevice();
    midi.log.clear();
    seq.reset();
    ASSERT_EQ(midi.log.size(), 17u);
    EXPECT_EQ(midi.log.back(), "close");
    EXPECT_EQ(midi.Messages().size(), 16u);
    EXPECT_EQ(midi.Messages().back(), 0x78BFu);
}

TEST_F(SequencerTest, DestructionWithoutDeviceDoesNothing)
{
    seq.reset();
    EXPECT_TRUE(midi.log.empty());
}

TEST_F(SequencerTest, TuningNoteThreeTicks)
{
    OpenDevice();
    seq->AddProgramChange(1, 24);
    seq->AddNote(1, 40, 2);
    seq->velocity[1] = 100;
    seq->position = -1;

    EXPECT_EQ(TickOnce(*seq), (std::vector<Rec>{{1, 24, 0, 0xC0}, {1, 40, 100, 0x90}, kClose}));
    EXPECT_EQ(midi.Messages(), (std::vector<std::uint32_t>{0x18C1, 0x642891}));
    EXPECT_EQ(TickOnce(*seq), (std::vector<Rec>{kClose}));
    EXPECT_EQ(midi.Messages().size(), 2u);
    EXPECT_EQ(TickOnce(*seq), (std::vector<Rec>{{1, 40, 100, 0x80}, kEnd, kClose}));
    EXPECT_EQ(midi.Messages().back(), 0x642881u);
    // The velocity is stamped on the stored events as they play.
    EXPECT_EQ(seq->tracks[1][1].data2, 100);
    EXPECT_EQ(seq->tracks[1][0].data2, 0);
}

TEST_F(SequencerTest, MutedTrackNeitherSendsNorHoldsOffTheEnd)
{
    OpenDevice();
    seq->AddNote(0, 78, 2);
    seq->AddNote(2, 58, 8);
    seq->muted[2] = 1;
    seq->position = -1;
    EXPECT_EQ(TickOnce(*seq), (std::vector<Rec>{{0, 78, 127, 0x90}, kClose}));
    TickOnce(*seq);
    EXPECT_EQ(TickOnce(*seq), (std::vector<Rec>{{0, 78, 127, 0x80}, kEnd, kClose}));
    EXPECT_EQ(seq->tracks[2][0].data2, 0);
    EXPECT_EQ(midi.Messages(), (std::vector<std::uint32_t>{0x7F4E90, 0x7F4E80}));
}

TEST_F(SequencerTest, EmptySequenceEndsAtTheFirstTickAndAgainAfter)
{
    EXPECT_EQ(TickOnce(*seq), (std::vector<Rec>{kEnd, kClose}));
    EXPECT_EQ(TickOnce(*seq), (std::vector<Rec>{kEnd, kClose}));
}

TEST_F(SequencerTest, ListGrowsInBlocksOfTen)
{
    // Ten and nine events due at the last step: the closing records always fit
    // (AddressSanitizer would catch a write past the block).
    for (int events : {9, 10, 11, 19, 20}) {
        seq->Clear();
        for (int i = 0; i < events; ++i) seq->tracks[i % 16][i / 16] = {0, static_cast<std::uint8_t>(0xC0 + i % 16), 1, 0};
        seq->position = -1;
        const auto records = TickOnce(*seq);
        ASSERT_EQ(records.size(), static_cast<std::size_t>(events + 2)) << events;
        EXPECT_EQ(records[events], kEnd);
    }
}

TEST_F(SequencerTest, TrackOrderThenSlotOrderWithinAStep)
{
    seq->AddNote(1, 60, 4);
    seq->position = -1;
    seq->AddNote(0, 78, 4);
    seq->position = -1;
    seq->AddProgramChange(0, 115);   // slot 2 of track 0, also at step 0
    seq->position = -1;
    const auto records = TickOnce(*seq);
    EXPECT_EQ(records, (std::vector<Rec>{{0, 78, 127, 0x90}, {0, 115, 0, 0xC0}, {1, 60, 127, 0x90}, kClose}));
}

TEST_F(SequencerTest, NullDeviceBuildsTheSameListsAndSendsNothing)
{
    seq->velocity[1] = 0;
    seq->AddNote(1, 40, 1);
    seq->position = -1;
    EXPECT_EQ(TickOnce(*seq), (std::vector<Rec>{{1, 40, 0, 0x90}, kClose}));
    EXPECT_EQ(TickOnce(*seq), (std::vector<Rec>{{1, 40, 0, 0x80}, kEnd, kClose}));
    EXPECT_TRUE(midi.device.sent.empty());
}

}  // namespace
}  // namespace sonnavet
