#include <gtest/gtest.h>

#include "resources/ResourceIds.h"
#include "tests/support/TestPlatform.h"

namespace sonnavet {
namespace {

using test::FakeDialogWindow;

constexpr char kDefaultFile[] =
    "[zelk]\n"
    "totalPracticeTime=0\n"
    "positions=0\n"
    "beats=0\n"
    "timeBetweenMelodies=2\n"
    "pauseDuration=2\n"
    "tempo=120\n"
    "randomization=0\n"
    "melodyRange=4\n"
    "stretchDown=0\n"
    "midiInstrument=26\n"
    "volume=100\n"
    "getReady=1\n"
    "singAlong=1\n"
    "singAlone=1\n"
    "playFirstNote=1\n"
    "play=1\n"
    "playWithComputer=1\n";

// Starts the program on a settings file, lets `inspect` look at the window,
// quits, and returns the file as written.
std::string StartAndQuit(const std::optional<std::string>& file,
                         const std::function<void(FakeDialogWindow&, CZELKWinDlg&)>& inspect = {})
{
    test::TestPlatform t;
    if (file) t.profile.SetText("zelk.ini", *file);
    CZELKWinDlg dialog(t.platform);
    t.RunDialog(dialog, [&](FakeDialogWindow& w) {
        if (inspect) inspect(w, dialog);
        w.Click(IDC_QUIT);
    });
    return t.profile.Text("zelk.ini").value_or("<no file>");
}

std::string Value(const std::string& file, const std::string& key)
{
    const auto at = file.find("\n" + key + "=");
    if (at == std::string::npos) return "<missing>";
    const auto start = at + key.size() + 2;
    return file.substr(start, file.find('\n', start) - start);
}

TEST(Settings, FirstQuitWithoutAFileWritesEveryKeyInOrder)
{
    EXPECT_EQ(StartAndQuit(std::nullopt), kDefaultFile);
}

TEST(Settings, EveryKeyRoundTrips)
{
    const std::string file =
        "[zelk]\ntotalPracticeTime=360000\npositions=0\nbeats=0\ntimeBetweenMelodies=7\npauseDuration=9\n"
        "tempo=187\nrandomization=35\nmelodyRange=13\nstretchDown=1\nmidiInstrument=24\nvolume=64\ngetReady=0\n"
        "singAlong=1\nsingAlone=0\nplayFirstNote=1\nplay=0\nplayWithComputer=1\n";
    const std::string saved = StartAndQuit(file, [](FakeDialogWindow& w, CZELKWinDlg& d) {
        EXPECT_EQ(w.Control(IDC_TOTALTIME)->text, "4 Days, 4 Hours, 0 Minutes");
        EXPECT_EQ(w.Control(IDC_TIMEBETWEENMELODIES_LABEL)->text, "(7s)");
        EXPECT_EQ(w.Control(IDC_PAUSEDURATION_LABEL)->text, "(9s)");
        EXPECT_EQ(w.Control(IDC_TEMPO_LABEL)->text, "(187)");
        EXPECT_EQ(w.Control(IDC_RANDOMIZATION_LABEL)->text, "(35%)");
        EXPECT_EQ(w.Control(IDC_MELODYRANGE_LABEL)->text, "Octave");
        EXPECT_EQ(w.Control(IDC_STRETCHDOWN)->check, 1);
        EXPECT_EQ(w.Control(IDC_INSTRUMENT)->curSel, 24);
        EXPECT_EQ(w.Control(IDC_VOLUME)->pos, 64);
        EXPECT_EQ(d.sequencer->velocity[0], 44);
        EXPECT_EQ(w.Control(IDC_GETREADY)->check, 0);
        EXPECT_EQ(w.Control(IDC_SINGALONG)->check, 1);
    });
    EXPECT_EQ(saved, file);
}

TEST(Settings, OutOfRangeValues)
{
    struct Case {
        const char* key;
        const char* stored;
        const char* saved;
    };
    const Case cases[] = {
        {"tempo", "500", "200"},        {"tempo", "-3", "50"},          {"timeBetweenMelodies", "0", "1"},
        {"melodyRange", "99", "13"},    {"volume", "1000", "127"},      {"stretchDown", "2", "0"},
        {"getReady", "7", "0"},         {"midiInstrument", "200", "-1"}, {"midiInstrument", "-1", "-1"},
        {"positions", "5", ""},         {"positions", "-1", "0"},       {"positions", "0 0", "0"},
        {"positions", "0 ", "0"},       {"positions", "", ""},          {"tempo", "abc", "50"},
        {"totalPracticeTime", "-5", "-5"},
    };
    for (const auto& c : cases) {
        const std::string file = std::string("[zelk]\n") + c.key + "=" + c.stored + "\n";
        EXPECT_EQ(Value(StartAndQuit(file), c.key), c.saved) << c.key << "=" << c.stored;
    }
}

TEST(Settings, TempoOutOfRangeShowsTheClampedLabel)
{
    StartAndQuit("[zelk]\ntempo=500\nmidiInstrument=200\n", [](FakeDialogWindow& w, CZELKWinDlg&) {
        EXPECT_EQ(w.Control(IDC_TEMPO)->pos, 200);
        EXPECT_EQ(w.Control(IDC_TEMPO_LABEL)->text, "(200)");
        EXPECT_EQ(w.Control(IDC_INSTRUMENT)->curSel, -1);
    });
}

TEST(Settings, ForeignSectionsAndKeysSurvive)
{
    const std::string file =
        "; my notes\n[other]\nkey=value\n\n[zelk]\ncustom=42\ntempo=90\n[last]\nx=1\n";
    const std::string saved = StartAndQuit(file);
    EXPECT_EQ(saved.rfind("; my notes\n[other]\nkey=value\n\n[zelk]\ncustom=42\ntempo=90\n", 0), 0u) << saved;
    EXPECT_NE(saved.find("playWithComputer=1\n[last]\nx=1\n"), std::string::npos) << saved;
}

TEST(Settings, TotalPracticeTimeIsKeptAcrossRuns)
{
    test::TestPlatform t;
    for (int run = 0; run < 2; ++run) {
        CZELKWinDlg dialog(t.platform);
        t.windows.nowMs = 0;
        t.RunDialog(dialog, [&](FakeDialogWindow& w) {
            w.Click(IDC_STARTSTOP);
            t.windows.Advance(61000);
            w.Click(IDC_STARTSTOP);
            w.Click(IDC_QUIT);
        });
    }
    EXPECT_EQ(Value(*t.profile.Text("zelk.ini"), "totalPracticeTime"), "122");
}

TEST(Settings, EndingWithoutSavingLosesOnlyThatRun)
{
    test::TestPlatform t;
    t.profile.SetText("zelk.ini", kDefaultFile);
    t.midi.openResult = kMmSysErrBadDeviceId;
    CZELKWinDlg dialog(t.platform);
    t.RunDialog(dialog, [](FakeDialogWindow&) {});
    EXPECT_EQ(t.profile.Text("zelk.ini"), kDefaultFile);
    EXPECT_EQ(t.profile.WriteCount(), 0);
}

}  // namespace
}  // namespace sonnavet
