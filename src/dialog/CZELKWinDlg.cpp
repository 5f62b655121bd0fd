#include "dialog/CZELKWinDlg.h"

#include <cstdlib>

#include "controls/PracticeTime.h"
#include "controls/TrainingControls.h"
#include "dialog/CAboutDlg.h"
#include "resources/ResourceIds.h"
#include "resources/Resources.h"
#include "training/MelodyGenerator.h"

namespace sonnavet {

namespace {

struct TuningButton {
    int id;
    std::uint8_t note;
};
constexpr TuningButton kTuningButtons[] = {{IDC_TUNE_LOE, 40}, {IDC_TUNE_A, 45},  {IDC_TUNE_D, 50},
                                           {IDC_TUNE_G, 55},   {IDC_TUNE_B, 59},  {IDC_TUNE_HIE, 64}};

}  // namespace

CZELKWinDlg::CZELKWinDlg(Platform& p) : CDialog(p, MainDialogTemplate())
{
    hIcon = platform.windows.HasIcon(IDR_MAINFRAME) ? IDR_MAINFRAME : 0;
}

CZELKWinDlg::~CZELKWinDlg()
{
    // The window and its timers are gone: no timer can reach the sequencer now.
    delete sequencer;
    sequencer = nullptr;
}

void CZELKWinDlg::DoDataExchange()
{
    DDX_Control(IDC_POSITIONS, positionsList);
    DDX_Control(IDC_BEATS, beatsList);
    DDX_Control(IDC_INSTRUMENT, instrumentCombo);
    DDX_Control(IDC_TIMEBETWEENMELODIES, timeBetweenMelodiesSlider);
    DDX_Control(IDC_TIMEBETWEENMELODIES_LABEL, timeBetweenMelodiesLabel);
    DDX_Control(IDC_PAUSEDURATION, pauseDurationSlider);
    DDX_Control(IDC_PAUSEDURATION_LABEL, pauseDurationLabel);
    DDX_Control(IDC_TEMPO, tempoSlider);
    DDX_Control(IDC_RANDOMIZATION, randomizationSlider);
    DDX_Control(IDC_MELODYRANGE, melodyRangeSlider);
    DDX_Control(IDC_TEMPO_LABEL, tempoLabel);
    DDX_Control(IDC_RANDOMIZATION_LABEL, randomizationLabel);
    DDX_Control(IDC_MELODYRANGE_LABEL, melodyRangeLabel);
    DDX_Control(IDC_GETREADY, getReadyCheck);
    DDX_Control(IDC_SINGALONG, singAlongCheck);
    DDX_Control(IDC_SINGALONE, singAloneCheck);
    DDX_Control(IDC_PLAYFIRSTNOTE, playFirstNoteCheck);
    DDX_Control(IDC_PLAY, playCheck);
    DDX_Control(IDC_PLAYWITHCOMPUTER, playWithComputerCheck);
    DDX_Control(IDC_VOLUME, volumeSlider);
    DDX_Control(IDC_STRETCHDOWN, stretchDownCheck);
    DDX_Control(IDC_TOTALTIME, totalTimeLabel);
    DDX_Control(IDC_SESSIONTIME, sessionTimeLabel);
    DDX_Control(IDC_STARTSTOP, startStopButton);
}

bool CZELKWinDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    DoDataExchange();

    if (hIcon) {
        Window()->SetIcon(hIcon, true);
        Window()->SetIcon(hIcon, false);
    }
    fretboardBitmap = platform.windows.HasBitmap(IDB_FRETBOARD) ? IDB_FRETBOARD : 0;

    positionsList.AddString("2");
    beatsList.AddString("4");
    for (const char* name : kInstrumentNames) instrumentCombo.AddString(name);

    const std::pair<CSliderCtrl*, SliderRange> ranges[] = {
        {&timeBetweenMelodiesSlider, kSecondsRange}, {&pauseDurationSlider, kSecondsRange},
        {&tempoSlider, kTempoRange},                 {&randomizationSlider, kRandomizationRange},
        {&melodyRangeSlider, kMelodyRangeRange},     {&volumeSlider, kVolumeRange}};
    for (const auto& [slider, range] : ranges) {
        slider->SetRange(range.minimum, range.maximum, false);
        slider->SetTicFreq(1);
    }

    LoadSettings();

    sessionSeconds = 0;
    sessionCounting = 0;
    totalCounting = 0;
    ShowPracticeTimes();

    Window()->SetTimer(kSecondTimer, kSecondTimerInterval);

    trainingPhase = Idle;
    tickTimerRunning = 0;

    sequencer = new CMidiSequencer(&platform.midi);
    if (platform.midi.Open(&sequencer->hMidiOut, 0) != kMmSysErrNoError) {
        sequencer->hMidiOut = nullptr;
        Window()->MessageBox(kMidiFailureText, platform.applicationName, MessageBoxType::Ok);
        EndDialog(0);
    }

    ApplyVolume();

    if (auto* classic = dynamic_cast<ClassicRandom*>(random))
        classic->Seed(static_cast<std::uint32_t>(platform.clockSeconds()));

    statusText = kStartText;
    fretX = kFretX;
    stringY = kStringY;
    ResetMarkers(markerGrid);
    return true;
}

void CZELKWinDlg::HandleCommand(int id, int code)
{
    if (code == kLbnSelChange) {
        if (id == IDC_POSITIONS) OnListSelChange(positionsList);
        else if (id == IDC_BEATS) OnListSelChange(beatsList);
        return;
    }
    if (code != kBnClicked) return;
    for (const auto& button : kTuningButtons) {
        if (button.id == id) {
            OnTuningButton(button.note);
            return;
        }
    }
    switch (id) {
    case IDC_QUIT:
    case ID_ZELK_QUIT: OnQuit(); break;
    case IDC_CLEARTOTAL: OnClearTotal(); break;
    case IDC_CLEARSESSION: OnClearSession(); break;
    case IDC_STARTSTOP: OnStartStop(); break;
    case ID_HELP_ABOUT: OnAbout(); break;
    case IDC_ALLNOTESOFF: OnAllNotesOff(); break;
    case ID_HELP_HELP: OnShowHelp(); break;
    default: CDialog::HandleCommand(id, code); break;
    }
}

void CZELKWinDlg::HandleNotify(int id, int code)
{
    if (code != kNmReleasedCapture) return;
    switch (id) {
    case IDC_TIMEBETWEENMELODIES:
    case IDC_PAUSEDURATION:
    case IDC_TEMPO:
    case IDC_RANDOMIZATION:
    case IDC_MELODYRANGE: OnSliderReleased(id); break;
    case IDC_VOLUME: ApplyVolume(); break;
    default: break;
    }
}

void CZELKWinDlg::HandleTimer(int timerId) { OnTimer(timerId); }
void CZELKWinDlg::HandlePaint(PaintContext& dc) { OnPaint(dc); }
void CZELKWinDlg::HandleClose() { OnClose(); }

void CZELKWinDlg::HandleSysCommand(unsigned command)
{
    if ((command & 0xFFF0u) == IDM_ABOUTBOX) OnAbout();
    else CDialog::HandleSysCommand(command);
}

void CZELKWinDlg::OnQuit()
{
    SaveSettings();
    EndDialog(0);
}

void CZELKWinDlg::OnClose()
{
    SaveSettings();
    // What the Cancel command would do for any other dialog.
    EndDialog(kIdCancel);
}

void CZELKWinDlg::OnAbout()
{
    CAboutDlg about(platform);
    about.DoModal();
}

void CZELKWinDlg::OnShowHelp() { platform.shell.OpenDocument("index.html", "Help"); }

void CZELKWinDlg::OnTimer(int timerId)
{
    if (timerId == kSecondTimer) {
        CountSecond(sessionSeconds, sessionCounting);
        CountSecond(totalSeconds, totalCounting);
        ShowPracticeTimes();

        RunPhaseMachine({trainingPhase, phaseSeconds, tickTimerRunning != 0}, ReadStepOptions(), *this);
    } else if (timerId == kTickTimer && sequencer) {
        PlayedEvent* events = sequencer->Tick();
        HandlePlayedEvents(events);
        std::free(events);
    }
}

void CZELKWinDlg::HandlePlayedEvents(const PlayedEvent* events)
{
    for (const PlayedEvent* e = events; e->kind != EndOfList; ++e) {
        if (e->kind == kNoteOn) {
            if (IsMarkedNoteOn(e->channel, trainingPhase)) {
                MarkNote(fretPosition, e->data1);
                Repaint();
            }
        } else if (e->kind == EndOfSequence) {
            StopTickTimer();
            ResetMarkers(markerGrid);
            Repaint();
            AdvanceAfterSequence(trainingPhase, phaseSeconds);
            if (trainingPhase != Idle) statusText.clear();
            Repaint();
        }
    }
}

void CZELKWinDlg::OnPaint(PaintContext& dc)
{
    DialogWindow* window = Window();
    if (window->IsIconic()) {
        const int icon = window->SystemIconSize();
        dc.DrawIcon((window->ClientWidth() - icon + 1) / 2, (window->ClientHeight() - icon + 1) / 2, hIcon);
        return;
    }
    PaintFretboard(dc, FretboardView{window->ClientWidth(), fretboardBitmap, fretX, stringY, statusText},
                   markerGrid);
}

void CZELKWinDlg::OnStartStop()
{
    if (trainingPhase == Idle) {
        sessionCounting = 1;
        totalCounting = 1;
        startStopButton.SetWindowText(kStopCaption);
        // A tuning note may still sound; the exercise must not be composed under it.
        if (tickTimerRunning) {
            StopTickTimer();
            sequencer->AllNotesOff();
        }
        phaseSeconds = 0;
        if (getReadyCheck.GetCheck() == CButton::kChecked) {
            trainingPhase = GetReady;
            SetStatusText(kGetReadyText);
        } else {
            trainingPhase = Listen;
        }
        GenerateMelody();
        EnableTrainingControls();
    } else {
        sessionCounting = 0;
        totalCounting = 0;
        trainingPhase = Idle;
        startStopButton.SetWindowText(kStartCaption);
        if (tickTimerRunning) StopTickTimer();
        ResetMarkers(markerGrid);
        SetStatusText(kStartText);
        sequencer->Clear();
        sequencer->AllNotesOff();
        EnableTrainingControls();
    }
}

void CZELKWinDlg::BeginStep(const std::string& text, int tempo, std::uint8_t mute0, std::uint8_t mute1,
                            std::uint8_t mute2)
{
    SetStatusText(text);
    sequencer->tempo = tempo;
    sequencer->muted[0] = mute0;
    sequencer->muted[1] = mute1;
    sequencer->muted[2] = mute2;
    sequencer->position = -1;
    StartTickTimer();
}

void CZELKWinDlg::SetStatusText(const std::string& text)
{
    statusText = text;
    Repaint();
}

void CZELKWinDlg::Repaint()
{
    if (Window()) Window()->InvalidateAll();
}

StepOptions CZELKWinDlg::ReadStepOptions() const
{
    auto ticked = [](const CButton& check) { return check.GetCheck() == CButton::kChecked; };
    StepOptions o;
    o.getReady = ticked(getReadyCheck);
    o.singAlong = ticked(singAlongCheck);
    o.singAlone = ticked(singAloneCheck);
    o.playFirstNote = ticked(playFirstNoteCheck);
    o.play = ticked(playCheck);
    o.playWithComputer = ticked(playWithComputerCheck);
    o.pause = pauseDurationSlider.GetPos();
    o.between = timeBetweenMelodiesSlider.GetPos();
    o.tempo = tempoSlider.GetPos();
    return o;
}

void CZELKWinDlg::GenerateMelody()
{
    const MelodyOptions options{randomizationSlider.GetPos(), melodyRangeSlider.GetPos(), instrumentCombo.GetCurSel()};
    fretPosition = sonnavet::GenerateMelody(*sequencer, *random, options, positionsList);
}

void CZELKWinDlg::StartTickTimer()
{
    if (tickTimerRunning) return;
    sequencer->position = -1;
    const int tempo = sequencer->tempo > 0 ? sequencer->tempo : 1;
    const auto interval = static_cast<unsigned>(60.0 / tempo * 1000.0 * 0.25);
    Window()->SetTimer(kTickTimer, interval);
    tickTimerRunning = 1;
}

void CZELKWinDlg::StopTickTimer()
{
    if (!tickTimerRunning) return;
    Window()->KillTimer(kTickTimer);
    tickTimerRunning = 0;
}

void CZELKWinDlg::EnableTrainingControls()
{
    const bool enable = trainingPhase == Idle;
    pauseDurationSlider.EnableWindow(enable);
    timeBetweenMelodiesSlider.EnableWindow(enable);
    instrumentCombo.EnableWindow(enable);
    for (const auto& button : kTuningButtons)
        if (ControlBackend* control = GetDlgItem(button.id)) control->SetEnabled(enable);
}

void CZELKWinDlg::ApplyVolume()
{
    if (sequencer) sonnavet::ApplyVolume(*sequencer, volumeSlider.GetPos());
}

void CZELKWinDlg::OnTuningButton(std::uint8_t note)
{
    // The buttons are disabled while training; a note must never replace the exercise.
    if (tickTimerRunning || trainingPhase != Idle || !sequencer) return;
    PlayTuningNote(note);
    StartTickTimer();
}

void CZELKWinDlg::PlayTuningNote(std::uint8_t note)
{
    sonnavet::PlayTuningNote(*sequencer, note, instrumentCombo.GetCurSel(), volumeSlider.GetPos());
}

void CZELKWinDlg::OnAllNotesOff()
{
    if (sequencer) sequencer->AllNotesOff();
}

void CZELKWinDlg::MarkNote(int position, int note)
{
    sonnavet::MarkNote(markerGrid, position, note, stretchDownCheck.GetCheck() == CButton::kChecked);
}

void CZELKWinDlg::OnSliderReleased(int id)
{
    const struct {
        int id;
        CSliderCtrl& slider;
        CStatic& label;
    } labelled[] = {{IDC_TIMEBETWEENMELODIES, timeBetweenMelodiesSlider, timeBetweenMelodiesLabel},
                    {IDC_PAUSEDURATION, pauseDurationSlider, pauseDurationLabel},
                    {IDC_TEMPO, tempoSlider, tempoLabel},
                    {IDC_RANDOMIZATION, randomizationSlider, randomizationLabel},
                    {IDC_MELODYRANGE, melodyRangeSlider, melodyRangeLabel}};
    for (const auto& s : labelled)
        if (s.id == id) s.label.SetWindowText(SliderLabelText(id, s.slider.GetPos()));
}

void CZELKWinDlg::OnListSelChange(CListBox& list)
{
    if (list.GetSelCount() == 0) list.SetSel(0, true);
}

void CZELKWinDlg::OnClearTotal()
{
    if (Window()->MessageBox(kClearTotalQuestion, kConfirmationCaption, MessageBoxType::YesNo) != kIdYes) return;
    totalSeconds = 0;
    totalTimeLabel.SetWindowText(FormatPracticeTime(totalSeconds, true));
}

void CZELKWinDlg::OnClearSession()
{
    if (Window()->MessageBox(kClearSessionQuestion, kConfirmationCaption, MessageBoxType::YesNo) != kIdYes) return;
    sessionSeconds = 0;
    sessionTimeLabel.SetWindowText(FormatPracticeTime(sessionSeconds, false));
}

SettingsControls CZELKWinDlg::Settings()
{
    return SettingsControls{totalSeconds,        positionsList,        beatsList,
                            timeBetweenMelodiesSlider, timeBetweenMelodiesLabel, pauseDurationSlider,
                            pauseDurationLabel,  tempoSlider,          tempoLabel,
                            randomizationSlider, randomizationLabel,   melodyRangeSlider,
                            melodyRangeLabel,    stretchDownCheck,     instrumentCombo,
                            volumeSlider,        getReadyCheck,        singAlongCheck,
                            singAloneCheck,      playFirstNoteCheck,   playCheck,
                            playWithComputerCheck};
}

void CZELKWinDlg::LoadSettings() { sonnavet::LoadSettings(platform.profile, Settings()); }
void CZELKWinDlg::SaveSettings() { sonnavet::SaveSettings(platform.profile, Settings()); }

void CZELKWinDlg::ShowPracticeTimes()
{
    sessionTimeLabel.SetWindowText(FormatPracticeTime(sessionSeconds, false));
    totalTimeLabel.SetWindowText(FormatPracticeTime(totalSeconds, true));
}

}  // namespace sonnavet
