#pragma once

#include <cstdint>
#include <string>

#include "midi/CMidiSequencer.h"
#include "platform/Controls.h"
#include "platform/Dialog.h"
#include "settings/Settings.h"
#include "training/Fretboard.h"
#include "training/RandomSource.h"
#include "training/TrainingSession.h"

namespace sonnavet {

constexpr int kSecondTimer = 100;
constexpr int kTickTimer = 101;
constexpr unsigned kSecondTimerInterval = 1000;

inline constexpr char kMidiFailureText[] =
    "Can't initialize MIDI. Please verify that your MIDI device is connected properly and try again.";
inline constexpr char kConfirmationCaption[] = "Confirmation";
inline constexpr char kClearTotalQuestion[] =
    "Are you sure you want to clear your total practice time? This action cannot be undone.";
inline constexpr char kClearSessionQuestion[] =
    "Are you sure you want to clear your practice time for this session? This action cannot be undone.";
inline constexpr char kStartCaption[] = "Start Ear Training";
inline constexpr char kStopCaption[] = "Stop Ear Training";

// The main window. It owns the option controls, the sequencer and the session
// state, and routes every message to the subsystem that handles it.
class CZELKWinDlg : public CDialog, private SessionActions {
public:
    explicit CZELKWinDlg(Platform& platform);
    ~CZELKWinDlg() override;

    // Tests replace the clock-seeded generator with a scripted one.
    void SetRandomSource(RandomSource& source) { random = &source; }

    bool OnInitDialog() override;
    // Enter and Escape must not end the main window: it ends only through Quit
    // and closing, which save the settings.
    void OnOK() override {}
    void OnCancel() override {}

    void HandleCommand(int id, int code) override;
    void HandleNotify(int id, int code) override;
    void HandleTimer(int timerId) override;
    void HandlePaint(PaintContext& dc) override;
    void HandleClose() override;
    void HandleSysCommand(unsigned command) override;

    // Message handlers
    void OnTimer(int timerId);
    void OnPaint(PaintContext& dc);
    void OnStartStop();
    void OnQuit();
    void OnClose();
    void OnAbout();
    void OnShowHelp();
    int OnQueryDragIcon() const { return hIcon; }
    void OnTuningButton(std::uint8_t note);
    void OnAllNotesOff();
    void OnClearTotal();
    void OnClearSession();
    void OnSliderReleased(int id);
    void OnListSelChange(CListBox& list);

    // Operations
    void GenerateMelody();
    void StartTickTimer();
    void StopTickTimer();
    void EnableTrainingControls();
    void ApplyVolume();
    void PlayTuningNote(std::uint8_t note);
    void MarkNote(int fretPosition, int note);
    void LoadSettings();
    void SaveSettings();
    void ShowPracticeTimes();

    // Members, in the order the program's documents give them.
    int hIcon;
    int fretboardBitmap = 0;   // bitmap resource once loaded, 0 = none
    CListBox positionsList;
    CListBox beatsList;
    CComboBox instrumentCombo;
    CSliderCtrl timeBetweenMelodiesSlider;
    CStatic timeBetweenMelodiesLabel;
    CSliderCtrl pauseDurationSlider;
    CStatic pauseDurationLabel;
    CSliderCtrl tempoSlider;
    CSliderCtrl randomizationSlider;
    CSliderCtrl melodyRangeSlider;
    CStatic tempoLabel;
    CStatic randomizationLabel;
    CStatic melodyRangeLabel;
    CButton getReadyCheck;
    CButton singAlongCheck;
    CButton singAloneCheck;
    CButton playFirstNoteCheck;
    CButton playCheck;
    CButton playWithComputerCheck;
    CSliderCtrl volumeSlider;
    CButton stretchDownCheck;
    CStatic totalTimeLabel;
    CStatic sessionTimeLabel;
    std::int32_t sessionSeconds = 0;
    std::int32_t sessionCounting = 0;
    std::int32_t trainingPhase = Idle;
    CButton startStopButton;
    std::int32_t totalSeconds = 0;
    std::int32_t totalCounting = 0;
    CMidiSequencer* sequencer = nullptr;
    std::uint8_t tickTimerRunning = 0;
    std::int32_t fretPosition = 0;
    std::int32_t phaseSeconds = 0;
    std::string statusText;
    std::array<std::int32_t, kFrets> fretX{};
    std::array<std::int32_t, kStrings> stringY{};
    MarkerGrid markerGrid{};

private:
    void DoDataExchange();
    void HandlePlayedEvents(const PlayedEvent* events);
    void Repaint();
    StepOptions ReadStepOptions() const;
    SettingsControls Settings();

    // SessionActions
    void BeginStep(const std::string& text, int tempo, std::uint8_t mute0, std::uint8_t mute1,
                   std::uint8_t mute2) override;
    void SetStatusText(const std::string& text) override;
    void ComposeMelody() override { GenerateMelody(); }

    ClassicRandom clockRandom;
    RandomSource* random = &clockRandom;
};

}  // namespace sonnavet
