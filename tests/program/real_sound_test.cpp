#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "dialog/CZELKWinDlg.h"
#include "platform/profile/MemoryProfile.h"
#include "resources/ResourceIds.h"
#include "tests/fluidsynth/AudioAnalysis.h"
#include "tests/program/ClockedSynth.h"
#include "tests/support/FakeShell.h"
#include "tests/support/FakeWindowSystem.h"
#include "tests/support/ScriptedRandom.h"

namespace sonnavet {
namespace {

using test::FakeDialogWindow;

const std::string kFluidR3 = "/usr/share/sounds/sf2/FluidR3_GM.sf2";

// The whole program on the test face, with the real synthesizer as device 0.
struct RealSoundTest : ::testing::Test {
    test::FakeWindowSystem windows;
    test::ClockedSynth synth{&windows.nowMs, kFluidR3};
    MemoryProfile profile;
    test::FakeShell shell;
    Platform platform{windows, synth, profile, shell, [] { return std::int64_t{1000}; }, "sonnavet"};

    void SetUp() override { ASSERT_TRUE(synth.Loaded()) << "needs " << kFluidR3 << " (fluid-soundfont-gm)"; }

    double Rms(double fromMs, double toMs) const
    {
        return test::Rms(synth.mono, synth.Frame(fromMs), synth.Frame(toMs));
    }

    // Times (ms) where the level jumps: 5 ms windows whose RMS rises above
    // `factor` times the window before and above an absolute floor.
    std::vector<double> Onsets(double fromMs, double toMs, double factor = 4.0) const
    {
        std::vector<double> onsets;
        const double window = 5;
        double previous = Rms(fromMs - window, fromMs);
        for (double t = fromMs; t + window <= toMs; t += window) {
            const double level = Rms(t, t + window);
            if (level > 0.003 && level > factor * previous && (onsets.empty() || t - onsets.back() > 60))
                onsets.push_back(t);
            previous = level;
        }
        return onsets;
    }
};

TEST_F(RealSoundTest, TuningNoteSoundsForTwoSixteenthsAtThePitchOfTheString)
{
    CZELKWinDlg dialog(platform);
    windows.modalScript = [&](FakeDialogWindow& w) {
        windows.AdvanceTo(500);
        w.Click(IDC_TUNE_LOE);   // note-on at 625 ms, note-off at 875 ms
        windows.AdvanceTo(3000);
        synth.RenderTo(3000);
        w.Click(IDC_QUIT);
    };
    dialog.DoModal();

    EXPECT_LT(Rms(0, 620), 1e-5) << "silent before the note-on";
    const double during = Rms(630, 870);
    EXPECT_GT(during, 0.01);
    const std::vector<float> tone(synth.mono.begin() + synth.Frame(650), synth.mono.begin() + synth.Frame(860));
    EXPECT_NEAR(test::EstimatePitch(tone, OfflineSynth::kSampleRate), 82.41, 82.41 * 0.03) << "low E, E2";
    EXPECT_LT(Rms(2500, 3000), during * 0.02) << "the note stops after its note-off";
}

TEST_F(RealSoundTest, ListenStepHasTheCountInOnTheBeatAndTheMelody)
{
    test::ScriptedRandom random;   // 58, 63, 53 after the count-in
    test::PushWorkedExample(random);

    CZELKWinDlg dialog(platform);
    dialog.SetRandomSource(random);
    windows.modalScript = [&](FakeDialogWindow& w) {
        w.ReleaseSlider(IDC_MELODYRANGE, 7);
        w.Control(IDC_GETREADY)->check = 0;
        windows.AdvanceTo(500);
        w.Click(IDC_STARTSTOP);   // Listen begins at 1000 ms, step n sounds at 1125 + 125 n
        windows.AdvanceTo(8000);
        synth.RenderTo(8000);
        w.Click(IDC_STARTSTOP);
        w.Click(IDC_QUIT);
    };
    dialog.DoModal();

    auto step = [](int n) { return 1125.0 + 125.0 * n; };
    // The clicks of the count-in: half notes, then quarter notes (500 ms at 120).
    const auto onsets = Onsets(1000, step(32) - 20);
    const std::vector<double> clicks{step(0), step(8), step(16), step(20), step(24), step(28)};
    ASSERT_EQ(onsets.size(), clicks.size());
    for (std::size_t i = 0; i < clicks.size(); ++i) EXPECT_NEAR(onsets[i], clicks[i], 6) << i;

    // The melody's notes, each at its pitch while it sounds.
    struct Sounding {
        int from, to;
        double hz;
    };
    for (const Sounding& n : {Sounding{32, 38, 233.08}, Sounding{38, 46, 311.13}}) {
        const std::vector<float> tone(synth.mono.begin() + synth.Frame(step(n.from) + 40),
                                      synth.mono.begin() + synth.Frame(step(n.to) - 10));
        const double pitch = test::EstimatePitch(tone, OfflineSynth::kSampleRate);
        // The clicks sound along; the pitch is that of the melody's note.
        EXPECT_NEAR(pitch, n.hz, n.hz * 0.03) << "steps " << n.from << "-" << n.to;
    }
}

TEST_F(RealSoundTest, AllNotesOffSilencesAtOnceAndTheMelodyGoesOn)
{
    test::ScriptedRandom random;
    test::PushWorkedExample(random);
    CZELKWinDlg dialog(platform);
    dialog.SetRandomSource(random);
    auto step = [](int n) { return 1125.0 + 125.0 * n; };
    windows.modalScript = [&](FakeDialogWindow& w) {
        w.ReleaseSlider(IDC_MELODYRANGE, 7);
        w.Control(IDC_GETREADY)->check = 0;
        windows.AdvanceTo(500);
        w.Click(IDC_STARTSTOP);
        windows.AdvanceTo(static_cast<std::int64_t>(step(34)));   // 58 sounds (steps 32 to 38)
        w.Click(IDC_ALLNOTESOFF);
        windows.AdvanceTo(8000);
        synth.RenderTo(8000);
        w.Click(IDC_QUIT);
    };
    dialog.DoModal();

    const double before = Rms(step(33), step(34));
    EXPECT_GT(before, 0.01);
    EXPECT_LT(Rms(step(34) + 10, step(36)), before * 0.01) << "silent right after All Notes Off";
    EXPECT_GT(Rms(step(38), step(40)), before * 0.2) << "the next note (63) still plays";
}

}  // namespace
}  // namespace sonnavet
