// The main window and the About box as built from their templates, menus,
// the modal loop, timers and message boxes.
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

#include "MainWindowFixture.h"
#include "dialog/CAboutDlg.h"
#include "platform/Geometry.h"
#include "platform/Platform.h"
#include "resources/ResourceIds.h"

namespace sonnavet::qttest {
namespace {

QRect ExpectedRect(const ControlTemplate& c)
{
    const Rect r = MapDialogRect(Rect{c.x, c.y, c.x + c.width, c.y + c.height});
    return QRect(r.left, r.top, r.Width(), r.Height());
}

bool IsKind(QWidget* w, ControlKind kind)
{
    switch (kind) {
    case ControlKind::GroupBox: return qobject_cast<QGroupBox*>(w);
    case ControlKind::PushButton:
    case ControlKind::DefaultPushButton: return qobject_cast<QPushButton*>(w);
    case ControlKind::StaticText:
    case ControlKind::CentredStaticText:
    case ControlKind::Icon: return qobject_cast<QLabel*>(w);
    case ControlKind::EtchedFrame: return w->metaObject() == &QFrame::staticMetaObject;
    case ControlKind::ListBox: return qobject_cast<QListWidget*>(w);
    case ControlKind::Trackbar: return qobject_cast<QSlider*>(w);
    case ControlKind::CheckBox: return qobject_cast<QCheckBox*>(w);
    case ControlKind::RadioButton: return qobject_cast<QRadioButton*>(w);
    case ControlKind::DropDownList: return qobject_cast<QComboBox*>(w);
    }
    return false;
}

QString VisibleText(QWidget* w)
{
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
    return {};
}

TEST_F(MainWindowTest, EveryControlOfTheTemplateInOrderWithItsKindTextAndRectangle)
{
    const DialogTemplate& t = MainDialogTemplate();
    const auto widgets = qt.ControlWidgets();
    ASSERT_EQ(widgets.size(), 55u);
    // Children are stacked in creation order: later ones lie above earlier ones.
    const QObjectList children = qt.Client()->children();
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        const ControlTemplate& c = t.controls[i];
        SCOPED_TRACE(testing::Message() << "control #" << i + 1 << " id " << c.id);
        QWidget* w = widgets[i];
        EXPECT_EQ(w->parentWidget(), qt.Client());
        EXPECT_TRUE(IsKind(w, c.kind));
        EXPECT_EQ(VisibleText(w).toStdString(), c.text);
        QRect expected = ExpectedRect(c);
        if (c.kind == ControlKind::DropDownList) expected.setHeight(DialogUnitsToPixelsY(kClosedDropDownUnits));
        EXPECT_EQ(w->geometry(), expected);
        EXPECT_EQ(children.indexOf(w), static_cast<int>(i));
        if (c.id != kStaticId) {
            EXPECT_EQ(qt.ControlWidget(c.id), w);
        }
    }
}

TEST_F(MainWindowTest, PixelRectanglesOfSomeControls)
{
    struct Case { int id; QRect pixels; };
    const Case cases[] = {
        {IDC_STARTSTOP, QRect(342, 302, 128, 23)},     // 228, 186, 85, 14
        {IDC_STATUSFRAME, QRect(342, 156, 477, 137)},  // 228, 96, 318, 84
        {IDC_POSITIONS, QRect(18, 361, 81, 195)},      // 12, 222, 54, 120
        {IDC_TIMEBETWEENMELODIES, QRect(207, 371, 150, 24)},  // 138, 228, 100, 15
        {IDC_INSTRUMENT, QRect(549, 371, 135, 23)},    // 366, 228, 90 wide; closed height 14 units
    };
    for (const Case& c : cases) EXPECT_EQ(qt.ControlWidget(c.id)->geometry(), c.pixels) << c.id;
}

TEST_F(MainWindowTest, FixedWindowWithCaptionAndClientArea)
{
    EXPECT_EQ(qt.Frame()->windowTitle(), "The Sonnavet");
    EXPECT_EQ(qt.Client()->size(), QSize(828, 582));
    EXPECT_EQ(window->ClientWidth(), 828);
    EXPECT_EQ(window->ClientHeight(), 582);
    const Qt::WindowFlags flags = qt.Frame()->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Window);

    qt.Frame()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(qt.Frame()));
    const QSize frameSize = qt.Frame()->size();
    EXPECT_EQ(qt.Frame()->minimumSize(), qt.Frame()->maximumSize());
    EXPECT_EQ(frameSize.height(), 582 + qt.MenuBar()->height());
    qt.Frame()->resize(1000, 900);
    EXPECT_EQ(qt.Frame()->size(), frameSize);
    EXPECT_EQ(qt.Client()->size(), QSize(828, 582));
    EXPECT_EQ(qt.Client()->y(), qt.MenuBar()->geometry().bottom() + 1);
    EXPECT_FALSE(window->IsIconic());
    qt.Frame()->showMinimized();
    EXPECT_TRUE(window->IsIconic());
}

TEST_F(MainWindowTest, ControlStyles)
{
    EXPECT_EQ(window->GetControl(4711), nullptr);
    EXPECT_EQ(window->GetControl(kStaticId), nullptr);
    for (int id : {IDC_POSITIONS, IDC_BEATS}) {
        auto* list = Widget<QListWidget>(id);
        EXPECT_EQ(list->selectionMode(), QAbstractItemView::MultiSelection);
        EXPECT_NE(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }
    struct Ticks { int id; QSlider::TickPosition ticks; };
    for (const Ticks& s : {Ticks{IDC_TIMEBETWEENMELODIES, QSlider::TicksBothSides}, {IDC_PAUSEDURATION, QSlider::NoTicks},
                           {IDC_TEMPO, QSlider::TicksBothSides}, {IDC_RANDOMIZATION, QSlider::TicksBothSides},
                           {IDC_MELODYRANGE, QSlider::TicksBothSides}, {IDC_VOLUME, QSlider::NoTicks}}) {
        auto* slider = Widget<QSlider>(s.id);
        EXPECT_EQ(slider->orientation(), Qt::Horizontal);
        EXPECT_EQ(slider->tickPosition(), s.ticks) << s.id;
    }
    EXPECT_FALSE(Widget<QComboBox>(IDC_INSTRUMENT)->isEditable());
    for (int id = IDC_TUNE_LOE; id <= IDC_TUNE_HIE; ++id) {
        auto* radio = Widget<QRadioButton>(id);
        EXPECT_TRUE(radio->autoExclusive());
        EXPECT_EQ(radio->focusPolicy(), Qt::ClickFocus);
    }
    auto* frame = qt.ControlWidget(IDC_STATUSFRAME);
    auto* etched = static_cast<QFrame*>(frame);
    EXPECT_EQ(etched->frameShape(), QFrame::Box);
    EXPECT_EQ(etched->frameShadow(), QFrame::Sunken);
    EXPECT_FALSE(etched->autoFillBackground());
    auto* centred = Widget<QLabel>(IDC_MELODYRANGE_LABEL);
    EXPECT_TRUE(centred->alignment() & Qt::AlignHCenter);
    EXPECT_EQ(Widget<QLabel>(IDC_TOTALTIME)->textFormat(), Qt::PlainText);
    EXPECT_EQ(qt.Frame()->font().pixelSize(), 11);  // 8 points at 96 dpi
}

TEST_F(MainWindowTest, OneLineLabelsShowTheirWholeTextInTheirRectangle)
{
    const auto widgets = qt.ControlWidgets();
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        auto* label = qobject_cast<QLabel*>(widgets[i]);
        if (!label || label->text().isEmpty()) continue;
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width()) << label->text().toStdString();
        EXPECT_GE(label->font().pixelSize(), 9);
    }
    // A label that gets a wider text shrinks its type; a shorter text restores it.
    ControlBackend* value = window->GetControl(IDC_TIMEBETWEENMELODIES_LABEL);
    auto* label = Widget<QLabel>(IDC_TIMEBETWEENMELODIES_LABEL);
    const QString wide = "(100 s)";
    ASSERT_GT(QFontMetrics(qt.Frame()->font()).horizontalAdvance(wide), label->width());
    value->SetText(wide.toStdString());
    EXPECT_LT(label->font().pixelSize(), 11);
    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(wide), label->width());
    value->SetText("(5 s)");
    EXPECT_EQ(label->font().pixelSize(), 11);
}

TEST_F(MainWindowTest, TabOrderIsTemplateOrderOfTheTabStops)
{
    std::vector<QWidget*> expected;
    for (const ControlTemplate& c : MainDialogTemplate().controls)
        if (c.tabStop) expected.push_back(qt.ControlWidget(c.id));
    ASSERT_FALSE(expected.empty());
    std::vector<QWidget*> chain{expected.front()};
    for (QWidget* w = expected.front()->nextInFocusChain(); w != expected.front(); w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && qt.Client()->isAncestorOf(w) &&
            w->parentWidget() == qt.Client())
            chain.push_back(w);
    EXPECT_EQ(chain, expected);
}

TEST_F(MainWindowTest, MenuFromTheTemplateDeliversCommands)
{
    struct Item { QString menu; QString text; int command; };
    const Item expected[] = {
        {"&ZELK", "&Quit", ID_ZELK_QUIT},
        {"&Help", "&About ZELK...", ID_HELP_ABOUT},
        {"&Help", "", 0},
        {"&Help", "&Help...", ID_HELP_HELP},
    };
    std::vector<Item> found;
    std::vector<QAction*> actions;
    for (QAction* top : qt.MenuBar()->actions()) {
        ASSERT_NE(top->menu(), nullptr);
        for (QAction* a : top->menu()->actions()) {
            found.push_back({top->text(), a->isSeparator() ? QString() : a->text(), 0});
            actions.push_back(a);
        }
    }
    ASSERT_EQ(found.size(), std::size(expected));
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].menu, expected[i].menu);
        EXPECT_EQ(found[i].text, expected[i].text);
        EXPECT_EQ(actions[i]->isSeparator(), expected[i].command == 0);
        if (expected[i].command == 0) continue;
        handler.messages.clear();
        actions[i]->trigger();
        EXPECT_EQ(handler.messages, std::vector<Message>{Command(expected[i].command, kBnClicked)});
    }
}

TEST_F(MainWindowTest, RunModalEndsOnlyThroughEndModal)
{
    // A close request reaches the handler and leaves the window open; the
    // handler's EndModal ends the loop.
    int closes = 0;
    handler.react = [&](const Message& m) {
        if (m.kind == Message::Close && ++closes == 2) window->EndModal();
    };
    QTimer::singleShot(0, qt.Frame(), [&] {
        EXPECT_TRUE(qt.IsRunning());
        EXPECT_TRUE(qt.Frame()->isVisible());
        EXPECT_FALSE(qt.Frame()->close());
        EXPECT_TRUE(qt.Frame()->isVisible());
        qt.Frame()->close();
    });
    QTimer::singleShot(10000, qt.Frame(), [&] {
        ADD_FAILURE() << "the modal loop did not end";
        window->EndModal();
    });
    window->RunModal();
    EXPECT_EQ(closes, 2);
    EXPECT_FALSE(qt.IsRunning());
    EXPECT_FALSE(qt.Frame()->isVisible());
}

TEST_F(MainWindowTest, EndModalBeforeRunModalReturnsWithoutShowing)
{
    window->EndModal();
    window->RunModal();
    EXPECT_FALSE(qt.Frame()->isVisible());
    EXPECT_FALSE(qt.Frame()->testAttribute(Qt::WA_WState_ExplicitShowHide));
}

TEST_F(MainWindowTest, TimersRepeatRestartStopAndDieWithTheWindow)
{
    window->SetTimer(100, 10);
    window->SetTimer(101, 15);
    ASSERT_TRUE(QTest::qWaitFor([&] { return handler.Count(TimerTick(100)) >= 3 && handler.Count(TimerTick(101)) >= 3; },
                                10000));
    window->KillTimer(101);
    window->SetTimer(100, 3600 * 1000);  // restarted with the new interval: no tick for an hour
    const auto before = handler.messages.size();
    QTest::qWait(150);
    EXPECT_EQ(handler.messages.size(), before);

    window->SetTimer(100, 10);
    ASSERT_TRUE(QTest::qWaitFor([&] { return handler.messages.size() > before; }, 10000));
    const QPointer<QWidget> frame = qt.Frame();
    const QPointer<QWidget> button = qt.ControlWidget(IDC_STARTSTOP);
    window.reset();
    EXPECT_TRUE(frame.isNull());
    EXPECT_TRUE(button.isNull());
    const auto atEnd = handler.messages.size();
    QTest::qWait(100);
    EXPECT_EQ(handler.messages.size(), atEnd);
}

// Finds the message box once it is up and answers it.
void AnswerMessageBox(std::function<void(QMessageBox&)> answer)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            poll->stop();
            answer(*box);
        }
    });
    poll->start(5);
}

TEST_F(MainWindowTest, MessageBoxAnswersAndKeepsTimersRunning)
{
    struct Case {
        MessageBoxType type;
        std::function<void(QMessageBox&)> answer;
        int result;
    };
    const Case cases[] = {
        {MessageBoxType::YesNo, [](QMessageBox& b) { b.button(QMessageBox::No)->click(); }, kIdNo},
        {MessageBoxType::YesNo, [](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Return); }, kIdYes},
        {MessageBoxType::YesNo, [](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Escape); }, kIdNo},
        {MessageBoxType::Ok, [](QMessageBox& b) { QTest::keyClick(&b, Qt::Key_Escape); }, kIdOk},
    };
    for (const Case& c : cases) {
        // The window is not shown: the box must work during initialisation too.
        window->SetTimer(100, 10);
        handler.messages.clear();
        AnswerMessageBox([&, c](QMessageBox& box) {
            EXPECT_EQ(box.windowTitle(), "sonnavet");
            EXPECT_EQ(box.text(), "Can't initialize MIDI.");
            EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
            EXPECT_EQ(box.parentWidget(), qt.Frame());
            // Timer messages keep coming while the box waits.
            ASSERT_TRUE(QTest::qWaitFor([&] { return handler.Count(TimerTick(100)) >= 2; }, 10000));
            c.answer(box);
        });
        EXPECT_EQ(window->MessageBox("Can't initialize MIDI.", "sonnavet", c.type), c.result);
        EXPECT_GE(handler.Count(TimerTick(100)), 2);
        window->KillTimer(100);
    }
}

// The About box through the program's own dialog class: its OK button sends
// command 1, which CDialog answers with EndDialog(1).
struct UnusedMidi : MidiOutSystem {
    int Open(HMIDIOUT*, int) override { ADD_FAILURE(); return kMmSysErrBadDeviceId; }
    void Close(HMIDIOUT) override { ADD_FAILURE(); }
};
struct UnusedProfile : Profile {
    int GetPrivateProfileInt(const std::string&, const std::string&, int d, const std::string&) override
    {
        ADD_FAILURE();
        return d;
    }
    std::string GetPrivateProfileString(const std::string&, const std::string&, const std::string& d, std::size_t,
                                        const std::string&) override
    {
        ADD_FAILURE();
        return d;
    }
    bool WritePrivateProfileString(const std::string&, const std::string&, const std::string&,
                                   const std::string&) override
    {
        ADD_FAILURE();
        return false;
    }
};
struct UnusedShell : Shell {
    void OpenDocument(const std::string&, const std::string&) override { ADD_FAILURE(); }
};

TEST(AboutBoxTest, ShowsIconAndVersionAndEndsWithOk)
{
    QtWindowSystem windows;
    UnusedMidi midi;
    UnusedProfile profile;
    UnusedShell shell;
    Platform platform{windows, midi, profile, shell, [] { return std::int64_t{0}; }, "sonnavet"};
    EXPECT_TRUE(windows.HasIcon(IDR_MAINFRAME));
    EXPECT_FALSE(windows.HasIcon(IDR_MAINFRAME + 1));
    EXPECT_TRUE(windows.HasBitmap(IDB_FRETBOARD));
    EXPECT_FALSE(windows.HasBitmap(IDB_FRETBOARD + 1));

    CAboutDlg about(platform);
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        checked = true;
        EXPECT_EQ(box->windowTitle(), "About ZELKWin");
        EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(box->windowFlags() & Qt::WindowType_Mask, Qt::Dialog);
        auto* dialogWindow = dynamic_cast<QtDialogWindow*>(about.Window());
        ASSERT_NE(dialogWindow, nullptr);
        EXPECT_EQ(dialogWindow->Client()->size(), QSize(353, 215));  // 235 x 132 units
        const auto widgets = dialogWindow->ControlWidgets();
        ASSERT_EQ(widgets.size(), 3u);
        auto* icon = qobject_cast<QLabel*>(widgets[0]);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->pixmap().size(), QSize(32, 32));
        EXPECT_EQ(icon->pos(), QPoint(9, 10));
        auto* version = qobject_cast<QLabel*>(widgets[1]);
        ASSERT_NE(version, nullptr);
        EXPECT_EQ(version->text(), "ZELKWin Version 1.0");
        EXPECT_EQ(version->textFormat(), Qt::PlainText);
        EXPECT_EQ(version->buddy(), nullptr);
        auto* ok = qobject_cast<QPushButton*>(widgets[2]);
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->text(), "OK");
        EXPECT_TRUE(ok->isDefault());
        EXPECT_NE(dialogWindow->GetControl(kIdOk), nullptr);
        QTimer::singleShot(0, ok, [ok] { QTest::mouseClick(ok, Qt::LeftButton); });
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        ADD_FAILURE() << "the About box did not end";
        about.EndDialog(-1);
    });
    guard.start(10000);
    EXPECT_EQ(about.DoModal(), kIdOk);
    EXPECT_TRUE(checked);
}

}  // namespace
}  // namespace sonnavet::qttest
