// User actions on the main window's controls and what reaches the handler;
// changes made by the program itself notify nothing.
#include <csignal>

#include <QCheckBox>
#include <QTimer>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>

#include "MainWindowFixture.h"
#include "resources/ResourceIds.h"

namespace sonnavet::qttest {
namespace {

using Messages = std::vector<Message>;

TEST_F(MainWindowTest, ClicksOnButtonsCheckBoxesAndRadioButtons)
{
    ShowActive();
    struct Case { int id; int checkAfter; };
    const Case cases[] = {
        {IDC_STARTSTOP, -1}, {IDC_QUIT, -1}, {IDC_CLEARTOTAL, -1},
        {IDC_GETREADY, 1}, {IDC_STRETCHDOWN, 1}, {IDC_TUNE_A, 1}, {IDC_TUNE_HIE, 1},
    };
    for (const Case& c : cases) {
        handler.messages.clear();
        QTest::mouseClick(qt.ControlWidget(c.id), Qt::LeftButton);
        EXPECT_EQ(handler.messages, Messages{Command(c.id, kBnClicked)}) << c.id;
        if (c.checkAfter >= 0) {
            EXPECT_EQ(window->GetControl(c.id)->GetCheck(), c.checkAfter) << c.id;
        }
    }
    // The tuning buttons are one group: the last one clicked is the checked one,
    // and clicking it again still reports a click.
    EXPECT_EQ(window->GetControl(IDC_TUNE_A)->GetCheck(), 0);
    handler.messages.clear();
    QTest::mouseClick(qt.ControlWidget(IDC_TUNE_HIE), Qt::LeftButton);
    EXPECT_EQ(handler.messages, Messages{Command(IDC_TUNE_HIE, kBnClicked)});
    EXPECT_EQ(window->GetControl(IDC_TUNE_HIE)->GetCheck(), 1);
    // A second click on a check box clears it.
    QTest::mouseClick(qt.ControlWidget(IDC_GETREADY), Qt::LeftButton);
    EXPECT_EQ(window->GetControl(IDC_GETREADY)->GetCheck(), 0);
}

TEST_F(MainWindowTest, ListBoxClickTogglesAndReportsSelectionChange)
{
    ShowActive();
    ControlBackend* list = window->GetControl(IDC_POSITIONS);
    for (const char* entry : {"1", "2", "3"}) list->AddString(entry);
    list->SetSel(1, true);
    EXPECT_TRUE(handler.messages.empty());

    auto* widget = Widget<QListWidget>(IDC_POSITIONS);
    const auto clickEntry = [&](int row) {
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, widget->visualItemRect(widget->item(row)).center());
    };
    clickEntry(2);
    EXPECT_EQ(handler.messages, Messages{Command(IDC_POSITIONS, kLbnSelChange)});
    EXPECT_TRUE(list->GetSel(1));
    EXPECT_TRUE(list->GetSel(2));
    handler.messages.clear();
    clickEntry(1);
    EXPECT_EQ(handler.messages, Messages{Command(IDC_POSITIONS, kLbnSelChange)});
    EXPECT_FALSE(list->GetSel(1));
    EXPECT_TRUE(list->GetSel(2));
    EXPECT_FALSE(list->GetSel(0));
}

class TrackbarTest : public MainWindowTest {
protected:
    QSlider* slider = nullptr;
    ControlBackend* backend = nullptr;

    void SetUp() override
    {
        ShowActive();
        slider = Widget<QSlider>(IDC_TEMPO);
        backend = window->GetControl(IDC_TEMPO);
        backend->SetRange(50, 200, false);
        backend->SetTicFreq(1);
        backend->SetPos(120);
        ASSERT_TRUE(handler.messages.empty());
    }

    QPoint HandleCentre() const
    {
        QStyleOptionSlider opt;
        opt.initFrom(slider);
        opt.orientation = slider->orientation();
        opt.minimum = slider->minimum();
        opt.maximum = slider->maximum();
        opt.sliderPosition = slider->sliderPosition();
        opt.sliderValue = slider->value();
        opt.singleStep = slider->singleStep();
        opt.pageStep = slider->pageStep();
        opt.tickPosition = slider->tickPosition();
        opt.tickInterval = slider->tickInterval();
        opt.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
        return slider->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, slider).center();
    }

    void Move(QPoint to)
    {
        QMouseEvent move(QEvent::MouseMove, to, slider->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(slider, &move);
    }
};

TEST_F(TrackbarTest, DragReportsOnlyWhenTheThumbIsLetGo)
{
    const QPoint start = HandleCentre();
    QTest::mousePress(slider, Qt::LeftButton, {}, start);
    for (int dx = 5; dx <= 40; dx += 5) Move(start + QPoint(dx, 0));
    EXPECT_GT(backend->GetPos(), 120);
    EXPECT_TRUE(handler.messages.empty());
    QTest::mouseRelease(slider, Qt::LeftButton, {}, start + QPoint(40, 0));
    EXPECT_EQ(handler.messages, Messages{Notify(IDC_TEMPO, kNmReleasedCapture)});
}

TEST_F(TrackbarTest, KeyboardWheelAndPageClickReportOncePerChange)
{
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(backend->GetPos(), 121);
    EXPECT_EQ(handler.messages, Messages{Notify(IDC_TEMPO, kNmReleasedCapture)});

    handler.messages.clear();
    QTest::keyClick(slider, Qt::Key_PageUp);
    EXPECT_EQ(backend->GetPos(), 121 + 30);  // a page is a fifth of the range
    EXPECT_EQ(handler.messages, Messages{Notify(IDC_TEMPO, kNmReleasedCapture)});

    handler.messages.clear();
    backend->SetPos(200);
    QTest::keyClick(slider, Qt::Key_Right);  // already at the end: nothing changes
    EXPECT_TRUE(handler.messages.empty());

    const int beforeWheel = backend->GetPos();
    const QPoint centre = slider->rect().center();
    QWheelEvent wheel(centre, slider->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(slider, &wheel);
    EXPECT_LT(backend->GetPos(), beforeWheel);
    EXPECT_EQ(handler.messages, Messages{Notify(IDC_TEMPO, kNmReleasedCapture)});

    handler.messages.clear();
    backend->SetPos(50);
    const QPoint farRight(slider->width() - 3, slider->height() / 2);
    QTest::mouseClick(slider, Qt::LeftButton, {}, farRight);
    EXPECT_GT(backend->GetPos(), 50);
    EXPECT_EQ(handler.messages, Messages{Notify(IDC_TEMPO, kNmReleasedCapture)});
}

TEST_F(MainWindowTest, ChangesByTheProgramNotifyNothing)
{
    ShowActive();
    window->GetControl(IDC_GETREADY)->SetCheck(1);
    window->GetControl(IDC_TUNE_D)->SetCheck(1);
    window->GetControl(IDC_TUNE_G)->SetCheck(1);
    EXPECT_EQ(window->GetControl(IDC_TUNE_D)->GetCheck(), 0);
    window->GetControl(IDC_TUNE_G)->SetCheck(0);  // even the checked radio button can be cleared
    EXPECT_EQ(window->GetControl(IDC_TUNE_G)->GetCheck(), 0);
    EXPECT_TRUE(Widget<QRadioButton>(IDC_TUNE_G)->autoExclusive());

    ControlBackend* slider = window->GetControl(IDC_VOLUME);
    slider->SetRange(0, 127, false);
    slider->SetPos(100);
    slider->SetRange(0, 50, true);
    EXPECT_EQ(slider->GetRangeMin(), 0);
    EXPECT_EQ(slider->GetRangeMax(), 50);

    ControlBackend* list = window->GetControl(IDC_BEATS);
    list->AddString("4");
    list->AddString("8");
    list->SetSel(0, true);
    list->SetSel(1, true);
    list->SetSel(0, false);
    EXPECT_EQ(list->GetCount(), 2);
    EXPECT_EQ(list->GetItemText(1), "8");
    EXPECT_FALSE(list->GetSel(0));
    EXPECT_TRUE(list->GetSel(1));

    ControlBackend* combo = window->GetControl(IDC_INSTRUMENT);
    combo->AddString("Acoustic Grand Piano");
    combo->AddString("Nylon Guitar");
    EXPECT_EQ(combo->GetCurSel(), -1);
    combo->SetCurSel(1);
    EXPECT_EQ(combo->GetCurSel(), 1);
    EXPECT_EQ(combo->GetItemText(0), "Acoustic Grand Piano");
    combo->SetCurSel(-1);
    EXPECT_EQ(combo->GetCurSel(), -1);

    ControlBackend* label = window->GetControl(IDC_TEMPO_LABEL);
    label->SetText("(120) & more");
    EXPECT_EQ(label->GetText(), "(120) & more");
    EXPECT_EQ(Widget<QLabel>(IDC_TEMPO_LABEL)->text(), "(120) & more");
    window->GetControl(IDC_STARTSTOP)->SetText("Stop Ear Training");
    EXPECT_EQ(Widget<QPushButton>(IDC_STARTSTOP)->text(), "Stop Ear Training");
    window->GetControl(IDC_CLEARTOTAL)->SetEnabled(false);
    EXPECT_FALSE(window->GetControl(IDC_CLEARTOTAL)->IsEnabled());
    QTest::mouseClick(qt.ControlWidget(IDC_CLEARTOTAL), Qt::LeftButton);  // disabled: no click

    QApplication::processEvents();
    EXPECT_TRUE(handler.messages.empty()) << handler.messages.size() << " messages";
}

TEST_F(MainWindowTest, EnterClicksTheFocusedPushButtonOtherwiseSendsOkAndEscapeSendsCancel)
{
    ShowActive();
    struct Case { int focus; Qt::Key key; Message expected; };
    const Case cases[] = {
        {IDC_ALLNOTESOFF, Qt::Key_Return, Command(IDC_ALLNOTESOFF, kBnClicked)},
        {IDC_STARTSTOP, Qt::Key_Enter, Command(IDC_STARTSTOP, kBnClicked)},
        {IDC_SINGALONG, Qt::Key_Return, Command(kIdOk, kBnClicked)},
        {IDC_POSITIONS, Qt::Key_Return, Command(kIdOk, kBnClicked)},
        {IDC_TEMPO, Qt::Key_Enter, Command(kIdOk, kBnClicked)},
        {IDC_INSTRUMENT, Qt::Key_Return, Command(kIdOk, kBnClicked)},
        {IDC_STARTSTOP, Qt::Key_Escape, Command(kIdCancel, kBnClicked)},
        {IDC_POSITIONS, Qt::Key_Escape, Command(kIdCancel, kBnClicked)},
        {IDC_INSTRUMENT, Qt::Key_Escape, Command(kIdCancel, kBnClicked)},
    };
    for (const Case& c : cases) {
        QWidget* w = qt.ControlWidget(c.focus);
        w->setFocus();
        ASSERT_TRUE(w->hasFocus()) << c.focus;
        handler.messages.clear();
        QTest::keyClick(w, c.key);
        EXPECT_EQ(handler.messages, Messages{c.expected}) << "focus " << c.focus << " key " << c.key;
        EXPECT_TRUE(qt.Frame()->isVisible());
    }
}

}  // namespace
}  // namespace sonnavet::qttest

namespace sonnavet::qttest {

TEST_F(MainWindowTest, TerminationSignalBecomesACloseRequestOfTheRunningWindow)
{
    QTimer::singleShot(0, [] { raise(SIGTERM); });
    handler.react = [&](const Message& m) {
        if (m == CloseRequest()) window->EndModal();
    };
    QTimer::singleShot(5000, [&] { window->EndModal(); });   // guard against a hang
    window->RunModal();
    EXPECT_EQ(handler.Count(CloseRequest()), 1);
}

TEST_F(MainWindowTest, TerminationSignalBeforeTheLoopRunsOnlyDismissesTheMessageBox)
{
    QTimer::singleShot(50, [] { raise(SIGTERM); });
    const int answer = window->MessageBox("Can't initialize MIDI.", "sonnavet", MessageBoxType::Ok);
    EXPECT_EQ(answer, kIdOk);
    QApplication::processEvents();
    EXPECT_EQ(handler.Count(CloseRequest()), 0);
}

}  // namespace sonnavet::qttest
