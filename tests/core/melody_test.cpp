#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "midi/CMidiSequencer.h"
#include "platform/Controls.h"
#include "tests/support/FakeControl.h"
#include "tests/support/ScriptedRandom.h"
#include "training/MelodyGenerator.h"

namespace sonnavet {
namespace {

using test::ScriptedRandom;
using Notes = std::vector<int>;

struct Note {
    int note, on, off;
    bool operator==(const Note&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Note& n)
{
    return os << "{" << n.note << ", " << n.on << "-" << n.off << "}";
}

std::vector<Note> NotesOf(const CMidiSequencer& s, int t)
{
    std::vector<Note> notes;
    const auto& track = s.tracks[t];
    for (int i = 0; track[i].tick != -1; ++i)
        if ((track[i].status & 0xF0) == 0x90) notes.push_back({track[i].data1, track[i].tick, track[i + 1].tick});
    return notes;
}

int UsedSlots(const CMidiSequencer& s, int t)
{
    int n = 0;
    while (s.tracks[t][n].tick != -1) ++n;
    return n;
}

constexpr StepTable kMajorUp{0, 2, 2, 1, 2, 2, 2};
constexpr StepTable kMajorDown{0, 1, 2, 2, 2, 1, 2};
constexpr StepTable kMinorUp{0, 2, 1, 2, 2, 1, 2};
constexpr StepTable kMinorDown{0, 2, 2, 1, 2, 2, 1};

Notes Candidates(int center, int range, bool major)
{
    const auto c = NextNoteCandidates(2, static_cast<std::uint8_t>(center), major ? kMajorUp : kMinorUp,
                                      major ? kMajorDown : kMinorDown, range);
    return Notes(c.begin(), c.end());
}

TEST(ChooseNextNote, CandidateTable)
{
    struct Case {
        int center, range;
        bool major;
        Notes expected;
    };
    const Case cases[] = {
        {58, 7, true, {58, 58, 60, 62, 63, 65, 58, 57, 55, 53, 51}},
        {69, 13, true, {69, 69, 68, 66, 64, 62, 61, 59, 59, 58, 56}},
        {42, 13, true, {42, 42, 44, 46, 47, 49, 51, 53, 53, 55}},
        {55, 13, true, {55, 55, 57, 59, 60, 62, 64, 66, 66, 68, 55, 54, 52, 50, 48, 47, 45, 45, 44, 42}},
        {55, 13, false, {55, 55, 57, 58, 60, 62, 63, 65, 65, 67, 68, 55, 53, 51, 50, 48, 46, 45, 45, 43}},
        {60, 0, true, {60}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Candidates(c.center, c.range, c.major), c.expected) << "center " << c.center;
}

TEST(ChooseNextNote, DrawsModuloTheCandidateCount)
{
    ScriptedRandom random{4 + 11 * 7};   // 11 candidates: index 4
    EXPECT_EQ(ChooseNextNote(random, 2, 58, kMajorUp, kMajorDown, 7), 63);
    EXPECT_EQ(random.draws, 1);
}

TEST(ChooseNextNote, WalkOfZeroStepsEndsAndKeepsTheCenter)
{
    constexpr StepTable zeros{0, 0, 0, 0, 0, 0, 0};
    for (const StepTable& up : {zeros, kMajorUp}) {
        const auto c = NextNoteCandidates(2, 55, up, zeros, 13);
        ASSERT_FALSE(c.empty());
        EXPECT_EQ(c.front(), 55);
        EXPECT_LT(c.size(), 40u);
    }
}

struct GeneratorTest : ::testing::Test {
    std::unique_ptr<CMidiSequencer> seq = std::make_unique<CMidiSequencer>();
    ControlTemplate listTemplate{};
    test::FakeControl positionsControl{listTemplate};
    CListBox positions;

    void SetUp() override
    {
        positions.Attach(&positionsControl);
        positions.AddString("2");
        positions.SetSel(0, true);
    }
};

TEST_F(GeneratorTest, WorkedExample)
{
    // Positions, string G, 14 tests that fail at P = 0, major, then three notes.
    ScriptedRandom random;
    test::PushWorkedExample(random);

    seq->tempo = 150;
    seq->velocity[1] = 90;
    const int fret = GenerateMelody(*seq, random, MelodyOptions{0, 7, 24}, positions);

    EXPECT_TRUE(random.values.empty());
    EXPECT_EQ(fret, 2);
    EXPECT_EQ(NotesOf(*seq, 1), (std::vector<Note>{{58, 32, 38}, {63, 38, 46}, {53, 46, 48}}));
    EXPECT_EQ(seq->tracks[1][0].tick, 0);
    EXPECT_EQ(seq->tracks[1][0].status, 0xC1);
    EXPECT_EQ(seq->tracks[1][0].data1, 24);
    EXPECT_EQ(NotesOf(*seq, 2), (std::vector<Note>{{58, 0, 4}, {58, 4, 8}, {58, 8, 12}, {58, 12, 16}}));
    EXPECT_EQ(seq->tracks[2][0].status, 0xC2);

    // The count-in: program 115 and ten clicks, 21 slots.
    EXPECT_EQ(UsedSlots(*seq, 0), 21);
    EXPECT_EQ(seq->tracks[0][0].status, 0xC0);
    EXPECT_EQ(seq->tracks[0][0].data1, 115);
    std::vector<int> clicks;
    for (const auto& n : NotesOf(*seq, 0)) clicks.push_back(n.on);
    EXPECT_EQ(clicks, (std::vector<int>{0, 8, 16, 20, 24, 28, 32, 36, 40, 44}));
    EXPECT_EQ(NotesOf(*seq, 0).back().off, 48);

    for (int t = 0; t < 16; ++t) EXPECT_EQ(seq->muted[t], t == 2 ? 1 : 0);
    EXPECT_EQ(seq->position, 16);
    EXPECT_EQ(seq->tempo, 150);
    EXPECT_EQ(seq->velocity[1], 90);
}

TEST_F(GeneratorTest, FullRandomizationDrawsStepsAndRangeZeroRepeatsTheFirstNote)
{
    // P = 100: every test passes and draws two steps; R = 0: every later
    // note is the first, with one draw modulo 1 each.
    ScriptedRandom random{0, 5};   // string high E
    for (int i = 0; i < 14; ++i) {
        random.Push(99);
        random.Push(1);
        random.Push(2);
    }
    random.Push(0);   // minor
    for (int i = 0; i < 8; ++i) {
        random.Push(60);   // eighth
        random.Push(0);    // no dot
        random.Push(i == 0 ? 3 : 12345);
    }
    GenerateMelody(*seq, random, MelodyOptions{100, 0, 26}, positions);
    EXPECT_TRUE(random.values.empty());
    const auto notes = NotesOf(*seq, 1);
    ASSERT_EQ(notes.size(), 8u);
    for (const auto& n : notes) EXPECT_EQ(n.note, 64 + 2 + 3);
}

TEST_F(GeneratorTest, DurationsAreCutAtTheEndOfTheBar)
{
    ScriptedRandom random{0, 0};
    for (int i = 0; i < 14; ++i) random.Push(99);   // P = 0: no step draws
    random.Push(99);                                // major
    // dotted quarter (6), dotted half (12 cut to 10)
    for (int v : {30, 80, 0, 5, 99, 0}) random.Push(v);
    GenerateMelody(*seq, random, MelodyOptions{0, 4, 26}, positions);
    EXPECT_EQ(NotesOf(*seq, 1), (std::vector<Note>{{42, 32, 38}, {42, 38, 48}}));

    // A quarter drawn with two steps left becomes an eighth.
    ScriptedRandom again{0, 0};
    for (int i = 0; i < 15; ++i) again.Push(0);
    for (int v : {30, 80, 0, 5, 0, 0, 30, 0, 0}) again.Push(v);   // dotted quarter, half, quarter cut to 2
    GenerateMelody(*seq, again, MelodyOptions{0, 0, 26}, positions);
    const auto notes = NotesOf(*seq, 1);
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_EQ(notes[2].off - notes[2].on, 2);
    EXPECT_EQ(notes[2].off, 48);
}

TEST_F(GeneratorTest, NoPositionSelectedMakesNoDrawAndInvalidInstrumentSendsTheDefault)
{
    positions.SetSel(0, false);
    ScriptedRandom none;
    EXPECT_EQ(PickRandomSelection(positions, none), -1);

    ScriptedRandom random{0};
    for (int i = 0; i < 15; ++i) random.Push(0);
    for (int v : {0, 0, 0, 0, 0, 0}) random.Push(v);   // two half notes
    GenerateMelody(*seq, random, MelodyOptions{0, 4, -1}, positions);
    EXPECT_TRUE(random.values.empty());
    EXPECT_EQ(seq->tracks[1][0].data1, 26);
    EXPECT_EQ(seq->tracks[2][0].data1, 26);
}

}  // namespace
}  // namespace sonnavet
