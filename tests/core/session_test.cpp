#include <gtest/gtest.h>

#include <map>

#include "resources/ResourceIds.h"
#include "tests/support/ScriptedRandom.h"
#include "tests/support/TestPlatform.h"

namespace sonnavet {
namespace {

using test::FakeDialogWindow;

struct Second {
    int phase;
    std::string text;
    bool operator==(const Second&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Second& s) { return os << "{" << s.phase << ", \"" << s.text << "\"}"; }

// Phase and status text after each tick of the one-second timer.
using Trace = std::map<int, Second>;

struct SessionTest : ::testing::Test {
    test::TestPlatform t;
    test::ScriptedRandom random;
    std::unique_ptr<CZELKWinDlg> dlg = std::make_unique<CZELKWinDlg>(t.platform);

    void SetUp() override
    {
        dlg->SetRandomSource(random);
        for (int melody = 0; melody < 4; ++melody) test::PushWorkedExample(random);
    }

    void Run(std::function<void(FakeDialogWindow&)> script)
    {
        t.RunDialog(*dlg, [&](FakeDialogWindow& w) {
            w.ReleaseSlider(IDC_MELODYRANGE, 7);
            script(w);
            w.Click(IDC_QUIT);
        });
    }

    // Lets `seconds` ticks of timer 100 pass from now, recording each.
    Trace Record(int fromSecond, int toSecond)
    {
        Trace trace;
        for (int s = fromSecond; s <= toSecond; ++s) {
            t.windows.AdvanceTo(s * 1000);
            trace[s] = {dlg->trainingPhase, dlg->statusText};
        }
        return trace;
    }

    static Trace Expect(std::initializer_list<std::tuple<int, int, int, const char*>> ranges)
    {
        Trace trace;
        for (const auto& [from, to, phase, text] : ranges)
            for (int s = from; s <= to; ++s) trace[s] = {phase, text};
        return trace;
    }

    std::vector<test::SentMessage> SentBetween(std::int64_t from, std::int64_t to) const
    {
        std::vector<test::SentMessage> out;
        for (const auto& m : t.midi.device.sent)
            if (m.timeMs >= from && m.timeMs < to) out.push_back(m);
        return out;
    }
};

TEST_F(SessionTest, FullCycleWithEveryStep)
{
    Run([&](FakeDialogWindow& w) {
        t.windows.AdvanceTo(500);
        w.Click(IDC_STARTSTOP);
        EXPECT_EQ(w.Control(IDC_STARTSTOP)->text, "Stop Ear Training");
        for (int id : {IDC_PAUSEDURATION, IDC_TIMEBETWEENMELODIES, IDC_INSTRUMENT, IDC_TUNE_LOE, IDC_TUNE_A,
                       IDC_TUNE_D, IDC_TUNE_G, IDC_TUNE_B, IDC_TUNE_HIE})
            EXPECT_FALSE(w.Control(id)->enabled) << id;
        for (int id : {IDC_TEMPO, IDC_RANDOMIZATION, IDC_MELODYRANGE, IDC_VOLUME, IDC_POSITIONS, IDC_GETREADY,
                       IDC_STRETCHDOWN, IDC_ALLNOTESOFF, IDC_QUIT, IDC_CLEARTOTAL})
            EXPECT_TRUE(w.Control(id)->enabled) << id;

        const Trace trace = Record(1, 58);
        const Trace expected = Expect({
            {1, 2, GetReady, "Get ready..."},
            {3, 3, Listen, "Get ready..."},
            {4, 10, Listen, "Listen carefully!"},
            {11, 12, SingAlong, ""},
            {13, 19, SingAlong, "Sing the melody with the computer."},
            {20, 21, SingAlone, ""},
            {22, 28, SingAlone, "Now sing the melody alone."},
            {29, 30, FirstNote, ""},
            {31, 33, FirstNote, "Here's the first note."},
            {34, 35, Play, ""},
            {36, 42, Play, "Play it now. Try not to hunt for notes."},
            {43, 44, PlayWithComputer, ""},
            {45, 51, PlayWithComputer, "Play it again, this time with the computer."},
            {52, 53, BetweenMelodies, ""},
            {54, 56, GetReady, "Get ready..."},
            {57, 57, Listen, "Get ready..."},
            {58, 58, Listen, "Listen carefully!"},
        });
        EXPECT_EQ(trace, expected);
        EXPECT_EQ(w.Control(IDC_SESSIONTIME)->text, "00:00:58");
    });

    // Listen from 4000 ms: count-in (velocity 80) and melody (100), tick n at 4000 + 125 n.
    const auto listen = SentBetween(4000, 10200);
    auto at = [](int step) { return std::int64_t{4000 + 125 * (step + 1)}; };
    const std::vector<test::SentMessage> firstStep{{at(0), 0x73C0}, {at(0), 0x504E90}, {at(0), 0x1AC1}};
    EXPECT_EQ(std::vector<test::SentMessage>(listen.begin(), listen.begin() + 3), firstStep);
    EXPECT_NE(std::find(listen.begin(), listen.end(), test::SentMessage{at(32), 0x643A91}), listen.end());
    EXPECT_NE(std::find(listen.begin(), listen.end(), test::SentMessage{at(38), 0x643F91}), listen.end());
    EXPECT_EQ(listen.back(), (test::SentMessage{at(48), 0x643581})) << "the last note-off of the melody";
    // No first-note repeats (channel 2) while listening.
    for (const auto& m : listen) EXPECT_NE(m.message & 0x0F, 2u);
    EXPECT_EQ(listen.size(), 21u + 7u);

    // Sing alone: only the clicks; first note: only channel 2, at tempo 120.
    for (const auto& m : SentBetween(22000, 28200)) EXPECT_EQ(m.message & 0x0F, 0u);
    const auto first = SentBetween(31000, 33200);
    ASSERT_EQ(first.size(), 9u);
    for (const auto& m : first) EXPECT_EQ(m.message & 0x0F, 2u);
    EXPECT_EQ(first[1], (test::SentMessage{31125, 0x643A92}));
}

TEST_F(SessionTest, MarkersOnlyForFirstNoteAndPlayWithComputer)
{
    Run([&](FakeDialogWindow& w) {
        t.windows.AdvanceTo(500);
        w.Click(IDC_STARTSTOP);
        t.windows.AdvanceTo(8200);   // Listen, the melody's first note has played
        EXPECT_FALSE(HasMarkers(dlg->markerGrid));
        t.windows.AdvanceTo(31130);   // first note: 58 on the G string, fret 3
        EXPECT_EQ(dlg->markerGrid[3][3], 255);
        const int before = w.invalidations;
        t.windows.AdvanceTo(33200);   // the step has ended: markers gone
        EXPECT_FALSE(HasMarkers(dlg->markerGrid));
        EXPECT_GT(w.invalidations, before);
        t.windows.AdvanceTo(45000 + 33 * 125 + 5);   // play with computer, melody note 58
        EXPECT_EQ(dlg->markerGrid[3][3], 255);
        t.windows.AdvanceTo(45000 + 39 * 125 + 5);   // 63 on the B string, fret 4
        EXPECT_EQ(dlg->markerGrid[4][4], 255);
    });
}

TEST_F(SessionTest, EveryStepUntickedPlaysListenOnly)
{
    Run([&](FakeDialogWindow& w) {
        for (int id : {IDC_GETREADY, IDC_SINGALONG, IDC_SINGALONE, IDC_PLAYFIRSTNOTE, IDC_PLAY, IDC_PLAYWITHCOMPUTER})
            w.Control(id)->check = 0;
        t.windows.AdvanceTo(500);
        w.Click(IDC_STARTSTOP);
        EXPECT_EQ(dlg->trainingPhase, Listen);
        const Trace expected = Expect({
            {1, 7, Listen, "Listen carefully!"},   // ends at 7125
            {8, 9, BetweenMelodies, ""},
            {10, 10, Listen, ""},                  // next melody composed
            {11, 17, Listen, "Listen carefully!"},
            {18, 19, BetweenMelodies, ""},
        });
        EXPECT_EQ(Record(1, 19), expected);
    });
}

TEST_F(SessionTest, WithoutGetReadyTheMelodyStartsAtTheFirstTick)
{
    Run([&](FakeDialogWindow& w) {
        w.Control(IDC_GETREADY)->check = 0;
        t.windows.AdvanceTo(500);
        w.Click(IDC_STARTSTOP);
        EXPECT_EQ(dlg->statusText, "Click the Start Ear Training button to begin");
        const Trace expected = Expect({{1, 7, Listen, "Listen carefully!"}, {8, 9, SingAlong, ""},
                                       {10, 10, SingAlong, "Sing the melody with the computer."}});
        EXPECT_EQ(Record(1, 10), expected);
        EXPECT_EQ(t.midi.device.sent.front().timeMs, 1125);
    });
}

TEST_F(SessionTest, StopDuringAStepSilencesAndStartComposesAgain)
{
    Run([&](FakeDialogWindow& w) {
        t.windows.AdvanceTo(500);
        w.Click(IDC_STARTSTOP);
        t.windows.AdvanceTo(31130);   // first note sounding, a marker shown
        ASSERT_TRUE(HasMarkers(dlg->markerGrid));
        const std::size_t sentBefore = t.midi.device.sent.size();
        w.Click(IDC_STARTSTOP);
        EXPECT_EQ(dlg->trainingPhase, Idle);
        EXPECT_EQ(w.timers.count(kTickTimer), 0u);
        EXPECT_EQ(dlg->tickTimerRunning, 0);
        EXPECT_FALSE(HasMarkers(dlg->markerGrid));
        EXPECT_EQ(dlg->statusText, "Click the Start Ear Training button to begin");
        EXPECT_EQ(w.Control(IDC_STARTSTOP)->text, "Start Ear Training");
        EXPECT_TRUE(w.Control(IDC_PAUSEDURATION)->enabled);
        EXPECT_TRUE(w.Control(IDC_TUNE_HIE)->enabled);
        ASSERT_EQ(t.midi.device.sent.size(), sentBefore + 16);
        EXPECT_EQ(t.midi.device.sent.back(), (test::SentMessage{31130, 0x78BF}));
        t.windows.AdvanceTo(40000);
        EXPECT_EQ(t.midi.device.sent.size(), sentBefore + 16) << "nothing plays after Stop";
        EXPECT_EQ(w.Control(IDC_SESSIONTIME)->text, "00:00:31");

        const int drawsBefore = random.draws;
        w.Click(IDC_STARTSTOP);
        EXPECT_EQ(random.draws, drawsBefore + 26) << "a new melody";
        EXPECT_EQ(dlg->trainingPhase, GetReady);
    });
}

TEST_F(SessionTest, UntickingAPlayingStepPassesOverTheNextStep)
{
    Run([&](FakeDialogWindow& w) {
        t.windows.AdvanceTo(500);
        w.Click(IDC_STARTSTOP);
        t.windows.AdvanceTo(15000);   // Sing Along plays (13000 to 19125)
        w.Control(IDC_SINGALONG)->check = 0;
        const Trace expected = Expect({
            {16, 19, SingAlone, "Sing the melody with the computer."},   // still playing
            {20, 21, FirstNote, ""},                                     // Sing Alone passed over
            {22, 22, FirstNote, "Here's the first note."},
        });
        EXPECT_EQ(Record(16, 22), expected);
    });
}

TEST_F(SessionTest, PauseBetweenMelodiesEndsWhenEnteredLate)
{
    Run([&](FakeDialogWindow& w) {
        w.ReleaseSlider(IDC_TIMEBETWEENMELODIES, 1);
        t.windows.AdvanceTo(500);
        w.Click(IDC_STARTSTOP);
        t.windows.AdvanceTo(40000);   // Play plays (36000 to 42125), its pause long over
        ASSERT_EQ(dlg->trainingPhase, Play);
        w.Control(IDC_PLAY)->check = 0;
        w.Control(IDC_PLAYWITHCOMPUTER)->check = 0;
        const Trace expected = Expect({
            {41, 42, BetweenMelodies, "Play it now. Try not to hunt for notes."},   // sound goes on
            {43, 45, GetReady, "Get ready..."},                                      // then the next melody
            {46, 46, Listen, "Get ready..."},
            {47, 47, Listen, "Listen carefully!"},
        });
        EXPECT_EQ(Record(41, 47), expected);
    });
}

TEST_F(SessionTest, StartDuringATuningNoteSilencesItFirst)
{
    Run([&](FakeDialogWindow& w) {
        t.windows.AdvanceTo(200);
        w.Click(IDC_TUNE_LOE);
        t.windows.AdvanceTo(400);   // note-on sent at 325
        w.Click(IDC_STARTSTOP);
        EXPECT_EQ(w.timers.count(kTickTimer), 0u);
        EXPECT_EQ(t.midi.device.sent.back(), (test::SentMessage{400, 0x78BF}));
        const Trace expected = Expect({{1, 2, GetReady, "Get ready..."}, {3, 3, Listen, "Get ready..."},
                                       {4, 4, Listen, "Listen carefully!"}});
        EXPECT_EQ(Record(1, 4), expected);
    });
}

TEST_F(SessionTest, PracticeTimeCountsOnlyWhileTraining)
{
    Run([&](FakeDialogWindow& w) {
        t.windows.AdvanceTo(5000);
        EXPECT_EQ(dlg->sessionSeconds, 0);
        w.Click(IDC_STARTSTOP);
        t.windows.AdvanceTo(95000);   // 90 ticks
        w.Click(IDC_STARTSTOP);
        t.windows.AdvanceTo(100000);
        w.Click(IDC_STARTSTOP);
        t.windows.AdvanceTo(130000);  // 30 ticks
        w.Click(IDC_STARTSTOP);
        EXPECT_EQ(w.Control(IDC_SESSIONTIME)->text, "00:02:00");
        EXPECT_EQ(dlg->totalSeconds, 120);
        EXPECT_EQ(w.Control(IDC_TOTALTIME)->text, "0 Days, 0 Hours, 2 Minutes");
    });
}

}  // namespace
}  // namespace sonnavet
