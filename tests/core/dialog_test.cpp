#include <gtest/gtest.h>

#include "resources/ResourceIds.h"
#include "tests/support/TestPlatform.h"

namespace sonnavet {
namespace {

using test::FakeDialogWindow;

struct DialogTest : ::testing::Test {
    test::TestPlatform t;
    std::unique_ptr<CZELKWinDlg> dlg = std::make_unique<CZELKWinDlg>(t.platform);

    int Run(std::function<void(FakeDialogWindow&)> script) { return t.RunDialog(*dlg, std::move(script)); }
    std::vector<std::uint32_t> Sent() const { return t.midi.Messages(); }
};

TEST_F(DialogTest, StartUpState)
{
    Run([&](FakeDialogWindow& w) {
        EXPECT_EQ(w.Control(IDC_POSITIONS)->items, (std::vector<std::string>{"2"}));
        EXPECT_EQ(w.Control(IDC_BEATS)->items, (std::vector<std::string>{"4"}));
        EXPECT_EQ(w.Control(IDC_POSITIONS)->selected, (std::vector<bool>{true}));
        EXPECT_EQ(w.Control(IDC_INSTRUMENT)->items.size(), 128u);
        EXPECT_EQ(w.Control(IDC_INSTRUMENT)->curSel, 26);
        EXPECT_EQ(dlg->statusText, "Click the Start Ear Training button to begin");
        EXPECT_EQ(w.Control(IDC_SESSIONTIME)->text, "00:00:00");
        EXPECT_EQ(w.Control(IDC_TOTALTIME)->text, "0 Days, 0 Hours, 0 Minutes");
        EXPECT_FALSE(HasMarkers(dlg->markerGrid));
        EXPECT_EQ(dlg->markerGrid[5][17], -1);
        EXPECT_EQ(dlg->trainingPhase, Idle);

        // Slider ranges, tick frequency and loaded labels.
        struct Range {
            int id, lo, hi, pos;
        };
        for (const Range& r : {Range{IDC_TIMEBETWEENMELODIES, 1, 10, 2}, Range{IDC_PAUSEDURATION, 1, 10, 2},
                               Range{IDC_TEMPO, 50, 200, 120}, Range{IDC_RANDOMIZATION, 0, 100, 0},
                               Range{IDC_MELODYRANGE, 0, 13, 4}, Range{IDC_VOLUME, 0, 127, 100}}) {
            EXPECT_EQ(w.Control(r.id)->rangeMin, r.lo) << r.id;
            EXPECT_EQ(w.Control(r.id)->rangeMax, r.hi) << r.id;
            EXPECT_EQ(w.Control(r.id)->ticFreq, 1) << r.id;
            EXPECT_EQ(w.Control(r.id)->pos, r.pos) << r.id;
        }
        EXPECT_EQ(w.Control(IDC_TIMEBETWEENMELODIES_LABEL)->text, "(2s)");
        EXPECT_EQ(w.Control(IDC_TEMPO_LABEL)->text, "(120)");
        EXPECT_EQ(w.Control(IDC_RANDOMIZATION_LABEL)->text, "(0%)");
        EXPECT_EQ(w.Control(IDC_MELODYRANGE_LABEL)->text, "Maj 3rd");

        // Timer 100 every second, the device open, velocities from the volume.
        EXPECT_EQ(w.timers.at(kSecondTimer).interval, 1000u);
        EXPECT_EQ(w.timers.count(kTickTimer), 0u);
        EXPECT_EQ(dlg->sequencer->hMidiOut, &t.midi.device);
        EXPECT_EQ(dlg->sequencer->velocity[0], 80);
        EXPECT_EQ(dlg->sequencer->velocity[1], 100);
        EXPECT_EQ(w.bigIcon, IDR_MAINFRAME);
        EXPECT_EQ(w.smallIcon, IDR_MAINFRAME);
        w.Click(IDC_QUIT);
    });
    EXPECT_TRUE(Sent().size() == 0u) << "nothing plays before the player asks";
}

TEST_F(DialogTest, MidiFailureShowsTheMessageAndEndsWithoutSaving)
{
    t.midi.openResult = kMmSysErrBadDeviceId;
    const int result = Run([&](FakeDialogWindow&) { ADD_FAILURE() << "the modal loop must not run"; });
    EXPECT_EQ(result, 0);
    ASSERT_EQ(t.windows.messageBoxes.size(), 1u);
    EXPECT_EQ(t.windows.messageBoxes[0].text,
              "Can't initialize MIDI. Please verify that your MIDI device is connected properly and try again.");
    EXPECT_EQ(t.windows.messageBoxes[0].caption, "sonnavet");
    EXPECT_EQ(t.windows.messageBoxes[0].type, MessageBoxType::Ok);
    EXPECT_EQ(dlg->sequencer->hMidiOut, nullptr);
    EXPECT_EQ(t.profile.WriteCount(), 0);
    dlg.reset();
    EXPECT_TRUE(t.midi.log.empty());
}

TEST_F(DialogTest, WaysTheDialogEnds)
{
    struct Case {
        const char* name;
        std::function<void(FakeDialogWindow&)> act;
        int result;
    };
    const Case cases[] = {
        {"Quit button", [](FakeDialogWindow& w) { w.Click(IDC_QUIT); }, 0},
        {"Quit menu", [](FakeDialogWindow& w) { w.Click(ID_ZELK_QUIT); }, 0},
        {"close box", [](FakeDialogWindow& w) { w.Close(); }, 2},
        {"system Close", [](FakeDialogWindow& w) { w.SysCommand(kScClose); }, 2},
    };
    for (const auto& c : cases) {
        test::TestPlatform p;
        CZELKWinDlg dialog(p.platform);
        const int result = p.RunDialog(dialog, [&](FakeDialogWindow& w) {
            c.act(w);
            EXPECT_TRUE(w.ended) << c.name;
        });
        EXPECT_EQ(result, c.result) << c.name;
        EXPECT_EQ(p.profile.WriteCount(), 17) << c.name << ": one save of every key";
    }
}

TEST_F(DialogTest, EnterAndEscapeDoNotEndTheMainWindow)
{
    Run([&](FakeDialogWindow& w) {
        w.PressEnter();
        w.PressEscape();
        EXPECT_FALSE(w.ended);
        EXPECT_EQ(t.profile.WriteCount(), 0);
        w.Click(IDC_QUIT);
    });
    EXPECT_EQ(t.profile.WriteCount(), 17);
}

TEST_F(DialogTest, QuittingWhileANoteSoundsSilencesEveryChannelBeforeClosing)
{
    Run([&](FakeDialogWindow& w) {
        w.Click(IDC_TUNE_LOE);
        t.windows.Advance(130);   // the note-on has gone out
        w.Click(IDC_QUIT);
    });
    dlg.reset();
    const auto& log = t.midi.log;
    ASSERT_GE(log.size(), 17u);
    EXPECT_EQ(log.back(), "close");
    const auto sent = Sent();
    for (std::uint32_t c = 0; c < 16; ++c) EXPECT_EQ(sent[sent.size() - 16 + c], 0x78B0 + c);
    EXPECT_EQ(t.midi.closes, 1);
}

TEST_F(DialogTest, AboutBoxAndHelp)
{
    Run([&](FakeDialogWindow& w) {
        w.Click(ID_HELP_ABOUT);
        w.SysCommand(0x0013);   // any system command 0x0010-0x001F
        w.Click(ID_HELP_HELP);
        w.Click(IDC_QUIT);
    });
    EXPECT_EQ(std::count(t.windows.createdCaptions.begin(), t.windows.createdCaptions.end(), "About ZELKWin"), 2);
    EXPECT_EQ(t.shell.opened, (std::vector<std::pair<std::string, std::string>>{{"index.html", "Help"}}));
}

TEST_F(DialogTest, TuningButtonPlaysTwoSixteenthsAndIgnoresASecondPress)
{
    Run([&](FakeDialogWindow& w) {
        t.windows.AdvanceTo(500);
        w.Click(IDC_TUNE_A);
        EXPECT_EQ(w.timers.at(kTickTimer).interval, 125u);
        t.windows.AdvanceTo(600);
        w.Click(IDC_TUNE_HIE);   // within 250 ms: ignored
        t.windows.AdvanceTo(2000);
        EXPECT_EQ(w.timers.count(kTickTimer), 0u) << "the tick timer stops by itself";
        EXPECT_EQ(dlg->tickTimerRunning, 0);
        EXPECT_EQ(dlg->statusText, "Click the Start Ear Training button to begin");
        EXPECT_EQ(dlg->trainingPhase, Idle);
        w.Click(IDC_QUIT);
    });
    std::vector<test::SentMessage> expected;
    for (std::uint32_t c = 0; c < 16; ++c) expected.push_back({500, 0x78B0 + c});
    expected.push_back({625, 0x1AC1});     // program 26 on channel 1
    expected.push_back({625, 0x642D91});   // A2 at volume 100
    expected.push_back({875, 0x642D81});
    const auto& sent = t.midi.device.sent;
    ASSERT_GE(sent.size(), expected.size());
    EXPECT_EQ(std::vector<test::SentMessage>(sent.begin(), sent.begin() + expected.size()), expected);
    EXPECT_EQ(sent.size(), expected.size()) << "the second press sent nothing";
}

TEST_F(DialogTest, TickTimerIntervalIsTruncated)
{
    Run([&](FakeDialogWindow& w) {
        struct Case {
            int tempo;
            unsigned ms;
        };
        for (const Case& c : {Case{50, 300}, Case{60, 250}, Case{90, 166}, Case{100, 150}, Case{120, 125},
                              Case{150, 100}, Case{180, 83}, Case{190, 78}, Case{200, 75}}) {
            dlg->sequencer->tempo = c.tempo;
            dlg->StartTickTimer();
            EXPECT_EQ(w.timers.at(kTickTimer).interval, c.ms) << c.tempo;
            // A second start changes neither the interval nor the cursor.
            dlg->sequencer->tempo = 60;
            dlg->sequencer->position = 7;
            dlg->StartTickTimer();
            EXPECT_EQ(w.timers.at(kTickTimer).interval, c.ms);
            EXPECT_EQ(dlg->sequencer->position, 7);
            dlg->StopTickTimer();
        }
        w.Click(IDC_QUIT);
    });
}

TEST_F(DialogTest, SliderLabelsVolumeAndListGuard)
{
    Run([&](FakeDialogWindow& w) {
        // While dragging nothing changes; letting go updates the label.
        w.Control(IDC_MELODYRANGE)->pos = 12;
        EXPECT_EQ(w.Control(IDC_MELODYRANGE_LABEL)->text, "Maj 3rd");
        w.ReleaseSlider(IDC_MELODYRANGE, 12);
        EXPECT_EQ(w.Control(IDC_MELODYRANGE_LABEL)->text, "Maj 7th");
        w.ReleaseSlider(IDC_TIMEBETWEENMELODIES, 10);
        EXPECT_EQ(w.Control(IDC_TIMEBETWEENMELODIES_LABEL)->text, "(10s)");
        w.ReleaseSlider(IDC_PAUSEDURATION, 1);
        EXPECT_EQ(w.Control(IDC_PAUSEDURATION_LABEL)->text, "(1s)");
        w.ReleaseSlider(IDC_TEMPO, 50);
        EXPECT_EQ(w.Control(IDC_TEMPO_LABEL)->text, "(50)");
        w.ReleaseSlider(IDC_RANDOMIZATION, 100);
        EXPECT_EQ(w.Control(IDC_RANDOMIZATION_LABEL)->text, "(100%)");

        w.Control(IDC_VOLUME)->pos = 21;
        EXPECT_EQ(dlg->sequencer->velocity[0], 80);
        w.ReleaseSlider(IDC_VOLUME, 21);
        EXPECT_EQ(dlg->sequencer->velocity[0], 1);
        EXPECT_EQ(dlg->sequencer->velocity[2], 21);

        // Clicking the only selected entry: selected again at once.
        w.ToggleListEntry(IDC_POSITIONS, 0);
        EXPECT_EQ(w.Control(IDC_POSITIONS)->selected, (std::vector<bool>{true}));
        w.ToggleListEntry(IDC_BEATS, 0);
        EXPECT_EQ(w.Control(IDC_BEATS)->selected, (std::vector<bool>{true}));
        w.Click(IDC_QUIT);
    });
}

TEST_F(DialogTest, AllNotesOffSendsSixteenControllerMessagesAndNothingElse)
{
    Run([&](FakeDialogWindow& w) {
        w.Click(IDC_ALLNOTESOFF);
        std::vector<std::uint32_t> expected;
        for (std::uint32_t c = 0; c < 16; ++c) expected.push_back(0x78B0 + c);
        EXPECT_EQ(Sent(), expected);
        EXPECT_EQ(dlg->trainingPhase, Idle);
        EXPECT_EQ(w.timers.count(kTickTimer), 0u);
        w.Click(IDC_QUIT);
    });
}

TEST_F(DialogTest, ClearButtonsAskFirst)
{
    t.profile.SetText("zelk.ini", "[zelk]\ntotalPracticeTime=90061\n");
    Run([&](FakeDialogWindow& w) {
        EXPECT_EQ(w.Control(IDC_TOTALTIME)->text, "1 Days, 1 Hours, 1 Minute");
        dlg->sessionSeconds = 61;
        t.windows.messageBoxAnswers = {kIdNo, kIdNo};
        w.Click(IDC_CLEARTOTAL);
        w.Click(IDC_CLEARSESSION);
        EXPECT_EQ(dlg->totalSeconds, 90061);
        EXPECT_EQ(dlg->sessionSeconds, 61);

        t.windows.messageBoxAnswers = {kIdYes, kIdYes};
        w.Click(IDC_CLEARTOTAL);
        EXPECT_EQ(dlg->totalSeconds, 0);
        EXPECT_EQ(w.Control(IDC_TOTALTIME)->text, "0 Days, 0 Hours, 0 Minutes");
        w.Click(IDC_CLEARSESSION);
        EXPECT_EQ(dlg->sessionSeconds, 0);
        EXPECT_EQ(w.Control(IDC_SESSIONTIME)->text, "00:00:00");

        ASSERT_EQ(t.windows.messageBoxes.size(), 4u);
        EXPECT_EQ(t.windows.messageBoxes[0].text,
                  "Are you sure you want to clear your total practice time? This action cannot be undone.");
        EXPECT_EQ(t.windows.messageBoxes[1].text,
                  "Are you sure you want to clear your practice time for this session? This action cannot be "
                  "undone.");
        for (const auto& box : t.windows.messageBoxes) {
            EXPECT_EQ(box.caption, "Confirmation");
            EXPECT_EQ(box.type, MessageBoxType::YesNo);
        }
        w.Click(IDC_QUIT);
    });
}

TEST_F(DialogTest, MinimizedWindowDrawsOnlyTheCentredIcon)
{
    Run([&](FakeDialogWindow& w) {
        dlg->MarkNote(2, 42);
        w.iconic = true;
        const auto painted = w.Paint();
        ASSERT_EQ(painted.ops.size(), 1u);
        EXPECT_EQ(painted.ops[0].kind, test::DrawOp::Icon);
        EXPECT_EQ(painted.ops[0].x, (828 - 32 + 1) / 2);
        EXPECT_EQ(painted.ops[0].y, (582 - 32 + 1) / 2);
        EXPECT_EQ(dlg->markerGrid[0][2], 255) << "no marker fades while minimized";
        w.iconic = false;
        EXPECT_EQ(w.Paint().Of(test::DrawOp::Disc).size(), 1u);
        w.Click(IDC_QUIT);
    });
}

}  // namespace
}  // namespace sonnavet
