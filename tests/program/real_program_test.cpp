// The real program: Qt window on the offscreen platform, FluidSynth writing
// its output into a WAV file in real time. Start, one melody, Stop, Quit.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "dialog/CZELKWinDlg.h"
#include "platform/fluidsynth/FluidSynthMidiOut.h"
#include "platform/profile/MemoryProfile.h"
#include "platform/qt/QtWindowSystem.h"
#include "resources/ResourceIds.h"
#include "tests/fluidsynth/AudioAnalysis.h"
#include "tests/support/FakeShell.h"
#include "tests/support/RecordingMidiOut.h"
#include "tests/support/ScriptedRandom.h"

namespace sonnavet {
namespace {

QAbstractButton* Button(int id)
{
    for (QWidget* w : QApplication::allWidgets())
        if (w->objectName() == QStringLiteral("control%1").arg(id)) return qobject_cast<QAbstractButton*>(w);
    return nullptr;
}

QWidget* ClientArea()
{
    QAbstractButton* start = Button(IDC_STARTSTOP);
    return start ? start->parentWidget() : nullptr;
}

std::vector<double> Onsets(const std::vector<float>& mono, int rate, double fromMs, double toMs)
{
    std::vector<double> onsets;
    const double window = 5;
    auto rms = [&](double a, double b) {
        return test::Rms(mono, static_cast<std::size_t>(a * rate / 1000), static_cast<std::size_t>(b * rate / 1000));
    };
    double previous = rms(fromMs - window, fromMs);
    for (double t = fromMs; t + window <= toMs; t += window) {
        const double level = rms(t, t + window);
        if (level > 0.003 && level > 4 * previous && (onsets.empty() || t - onsets.back() > 60)) onsets.push_back(t);
        previous = level;
    }
    return onsets;
}

TEST(RealProgram, OneMelodyPlaysIntoTheAudioFileOnTheBeat)
{
    const auto wav = std::filesystem::temp_directory_path() / ("sonnavet-run-" + std::to_string(getpid()) + ".wav");
    setenv("SONNAVET_AUDIO_DRIVER", "file", 1);
    setenv("SONNAVET_AUDIO_FILE", wav.c_str(), 1);

    {
        QtWindowSystem windows;
        FluidSynthMidiOut midi;
        MemoryProfile profile;
        // Listen only, so one melody is short: count-in and melody, then the pause.
        profile.SetText("zelk.ini",
                        "[zelk]\ngetReady=0\nsingAlong=0\nsingAlone=0\nplayFirstNote=0\nplay=0\n"
                        "playWithComputer=0\ntimeBetweenMelodies=1\nmelodyRange=7\ntempo=120\n");
        test::FakeShell shell;
        Platform platform{windows, midi, profile, shell, [] { return std::int64_t{1000}; }, "sonnavet"};

        test::ScriptedRandom random;   // 58, 63, 53 after the count-in
        test::PushWorkedExample(random);
        for (int i = 0; i < 60; ++i) random.Push(0);   // whatever follows

        CZELKWinDlg dialog(platform);
        dialog.SetRandomSource(random);
        QTimer::singleShot(300, [&] {
            ASSERT_NE(Button(IDC_STARTSTOP), nullptr);
            Button(IDC_STARTSTOP)->click();
        });
        // Stop once the melody has played (the pause between melodies has begun),
        // then quit; a machine under load may deliver the timers late.
        QTimer poll;
        QElapsedTimer elapsed;
        elapsed.start();
        QObject::connect(&poll, &QTimer::timeout, [&] {
            const bool played = dialog.trainingPhase == BetweenMelodies;
            if (!played && elapsed.elapsed() < 60000) return;
            poll.stop();
            EXPECT_TRUE(played) << "the melody did not end within a minute";
            Button(IDC_STARTSTOP)->click();
            EXPECT_EQ(dialog.trainingPhase, Idle);
            QTimer::singleShot(300, [&] { Button(IDC_QUIT)->click(); });
        });
        poll.start(50);
        EXPECT_EQ(dialog.DoModal(), 0);
        EXPECT_EQ(profile.WriteCount(), 17);
    }   // the device closes: the file is complete

    test::WavFile file;
    ASSERT_TRUE(test::ReadWav(wav.string(), &file)) << wav;
    std::filesystem::remove(wav);
    const auto mono = test::Mono(file.samples);
    const int rate = file.sampleRate;

    // The clicks: two half notes then quarter notes, 1000 and 500 ms apart at 120.
    const auto onsets = Onsets(mono, rate, 0, mono.size() * 1000.0 / rate);
    ASSERT_GE(onsets.size(), 6u);
    const double first = onsets[0];
    const std::vector<double> offsets{0, 1000, 2000, 2500, 3000, 3500};
    double worst = 0;
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        EXPECT_NEAR(onsets[i] - first, offsets[i], 40) << "click " << i;
        worst = std::max(worst, std::abs(onsets[i] - first - offsets[i]));
    }
    ::testing::Test::RecordProperty("worst_click_deviation_ms", std::to_string(worst));
    std::printf("count-in clicks: worst deviation from the beat %.1f ms (5 ms analysis windows)\n", worst);

    // The melody starts with the seventh click, 4000 ms after the first: 58 (B flat 3), then 63.
    auto pitchBetween = [&](double fromMs, double toMs) {
        const std::vector<float> tone(mono.begin() + static_cast<long>((first + fromMs) * rate / 1000),
                                      mono.begin() + static_cast<long>((first + toMs) * rate / 1000));
        return test::EstimatePitch(tone, rate);
    };
    EXPECT_NEAR(pitchBetween(4040, 4720), 233.08, 233.08 * 0.03);
    EXPECT_NEAR(pitchBetween(4790, 5720), 311.13, 311.13 * 0.03);
}

TEST(RealProgram, GrabShowsTheMarkerAndTheStatusText)
{
    QtWindowSystem windows;
    test::RecordingMidiOut midi;
    MemoryProfile profile;
    test::FakeShell shell;
    Platform platform{windows, midi, profile, shell, [] { return std::int64_t{1000}; }, "sonnavet"};
    CZELKWinDlg dialog(platform);
    QImage first, second;
    QTimer::singleShot(200, [&] {
        dialog.MarkNote(2, 42);   // low E string, fret 2: centred on (111, 124)
        first = ClientArea()->grab().toImage();
        second = ClientArea()->grab().toImage();
        Button(IDC_QUIT)->click();
    });
    dialog.DoModal();

    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first.size(), QSize(828, 582));
    const QColor marker = first.pixelColor(111, 124);
    EXPECT_EQ(marker.red(), 0);
    EXPECT_EQ(marker.green(), 255);
    EXPECT_EQ(marker.blue(), 0);
    EXPECT_EQ(second.pixelColor(111, 124).green(), 155) << "one step dimmer at the next paint";
    EXPECT_NE(first.pixelColor(111 + 15, 124), marker) << "a disc of 20 pixels, not more";

    // The status text: dark pixels inside the frame area, right of its left margin.
    int dark = 0;
    for (int y = 171; y < 293; ++y)
        for (int x = 352; x < 819; ++x)
            if (first.pixelColor(x, y).lightness() < 80) ++dark;
    EXPECT_GT(dark, 2000);
}

}  // namespace
}  // namespace sonnavet

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
