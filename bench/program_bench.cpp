// Whole-program measurements of the real program (Qt window, FluidSynth with
// the full FluidR3 soundfont, file audio output): time from exec to the first
// paint of the window, resident memory after one melody, and CPU while idle.
// Prints one line of key=value; bench/run repeats it and reports medians.
#include <QApplication>
#include <QTimer>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#include "dialog/CZELKWinDlg.h"
#include "platform/desktop/XdgShell.h"
#include "platform/fluidsynth/FluidSynthMidiOut.h"
#include "platform/profile/MemoryProfile.h"
#include "platform/qt/QtWindowSystem.h"
#include "resources/ResourceIds.h"

namespace {

using namespace sonnavet;

std::int64_t RealtimeNs()
{
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<std::int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The main dialog, noting when its window is first painted.
class ProbedDialog : public CZELKWinDlg {
public:
    using CZELKWinDlg::CZELKWinDlg;
    void HandlePaint(PaintContext& dc) override
    {
        CZELKWinDlg::HandlePaint(dc);
        if (firstPaintNs == 0) firstPaintNs = RealtimeNs();
    }
    std::int64_t firstPaintNs = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    // bench/run passes the time just before exec; without it we count from main.
    const char* t0env = std::getenv("SONNAVET_BENCH_T0_NS");
    const std::int64_t t0 = t0env ? std::strtoll(t0env, nullptr, 10) : RealtimeNs();

    QApplication qtApp(argc, argv);
    QtWindowSystem windows;
    FluidSynthMidiOut midi;
    MemoryProfile profile;
    // One short melody: Listen only, one second between melodies.
    profile.SetText("zelk.ini",
                    "[zelk]\ngetReady=0\nsingAlong=0\nsingAlone=0\nplayFirstNote=0\nplay=0\nplayWithComputer=0\n"
                    "timeBetweenMelodies=1\n");
    XdgShell shell;
    Platform platform{windows, midi, profile, shell, [] { return static_cast<std::int64_t>(std::time(nullptr)); },
                      "sonnavet"};
    ProbedDialog dialog(platform);

    long rssAfterMelody = -1;
    double idleCpu = -1;
    double idleStart = 0;
    auto idleWall = std::chrono::steady_clock::now();
    QTimer::singleShot(500, [&] {
        idleStart = CpuSeconds();
        idleWall = std::chrono::steady_clock::now();
    });
    QTimer::singleShot(5500, [&] {
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - idleWall).count();
        idleCpu = (CpuSeconds() - idleStart) / wall;
        dialog.HandleCommand(IDC_STARTSTOP, kBnClicked);
    });
    // Listen ends about 7.1 s after Start at tempo 120.
    QTimer::singleShot(13500, [&] {
        rssAfterMelody = ResidentKiB();
        dialog.HandleCommand(IDC_STARTSTOP, kBnClicked);
        dialog.HandleCommand(IDC_QUIT, kBnClicked);
    });
    dialog.DoModal();

    std::printf("first_paint_ms=%.1f rss_after_melody_mib=%.1f idle_cpu_percent=%.2f\n",
                (dialog.firstPaintNs - t0) / 1e6, rssAfterMelody / 1024.0, idleCpu * 100);
    return dialog.firstPaintNs ? 0 : 1;
}
