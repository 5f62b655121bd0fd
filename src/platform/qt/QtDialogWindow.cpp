#include "platform/qt/QtDialogWindow.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QEventLoop>
#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include "platform/Geometry.h"
#include "resources/ResourceIds.h"
#include "resources/Resources.h"

namespace sonnavet {

namespace {

// Windows never fires a timer more often than every 10 ms; neither do we, so
// an interval of 0 cannot spin the event loop.
constexpr unsigned kMinimumTimerMs = 10;

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

// The top-level frame. Enter, Escape and close requests become messages to
// the handler; none of them hides or ends the window.
class DialogFrame : public QDialog {
public:
    DialogFrame(DialogMessageHandler& h, Qt::WindowFlags flags) : QDialog(nullptr, flags), handler(h) {}

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        const auto modifiers = e->modifiers() & ~Qt::KeypadModifier;
        if (modifiers == Qt::NoModifier && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
            auto* button = qobject_cast<QPushButton*>(focusWidget());
            if (button && isAncestorOf(button) && button->isEnabled()) button->click();
            else handler.HandleCommand(kIdOk, kBnClicked);
            e->accept();
            return;
        }
        if (modifiers == Qt::NoModifier && e->key() == Qt::Key_Escape) {
            handler.HandleCommand(kIdCancel, kBnClicked);
            e->accept();
            return;
        }
        QWidget::keyPressEvent(e);  // not QDialog's: it would accept or reject by itself
    }

    void closeEvent(QCloseEvent* e) override
    {
        e->ignore();
        handler.HandleClose();
    }

private:
    DialogMessageHandler& handler;
};

// The client area under the menu bar; the handler paints it.
class ClientArea : public QWidget {
public:
    ClientArea(QWidget* parent, DialogMessageHandler& h, const QtResources& r)
        : QWidget(parent), handler(h), resources(r)
    {
        setAutoFillBackground(true);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QtPaintContext dc(painter, resources, palette().color(QPalette::Window));
        handler.HandlePaint(dc);
    }

private:
    DialogMessageHandler& handler;
    const QtResources& resources;
};

Qt::WindowFlags FrameFlags(const DialogTemplate& t)
{
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint;
    // An application window is a normal window with a taskbar button; the
    // others are dialogs. Neither can be maximized.
    flags |= t.appWindow ? Qt::Window : Qt::Dialog;
    if (t.minimizeBox) flags |= Qt::WindowMinimizeButtonHint;
    return flags;
}

}  // namespace

QtDialogWindow::QtDialogWindow(const DialogTemplate& t, DialogMessageHandler& h, const QtResources& r,
                               const QFont& dialogFont)
    : handler(h), resources(r), appWindow(t.appWindow)
{
    frame = new DialogFrame(handler, FrameFlags(t));
    frame->setWindowTitle(ToQString(t.caption));
    frame->setFont(dialogFont);
    frame->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (t.menuId != 0) BuildMenu(t.menuId);
    if (menuBar) layout->setMenuBar(menuBar);

    client = new ClientArea(frame, handler, resources);
    client->setFixedSize(DialogUnitsToPixelsX(t.width), DialogUnitsToPixelsY(t.height));
    layout->addWidget(client);

    // Creation order is the tab order and the stacking order: a group box lies
    // under the controls that follow it.
    controls.reserve(t.controls.size());
    for (const ControlTemplate& c : t.controls) {
        controls.push_back(CreateQtControl(c, client, handler, resources.icon));
        if (c.id != kStaticId) byId.emplace(c.id, controls.back().get());
    }
    layout->activate();
}

QtDialogWindow::~QtDialogWindow()
{
    if (loop) loop->exit();
    timers.clear();
    byId.clear();
    controls.clear();
    delete frame;
}

void QtDialogWindow::BuildMenu(int menuId)
{
    const MenuTemplate* menu = FindMenuTemplate(menuId);
    if (!menu) return;
    menuBar = new QMenuBar(frame);
    menuBar->setNativeMenuBar(false);  // keeps the client area where the layout puts it
    for (const PopupMenuTemplate& popup : menu->popups) {
        QMenu* m = menuBar->addMenu(ToQString(popup.text));
        for (const MenuItemTemplate& item : popup.items) {
            if (item.text.empty()) {
                m->addSeparator();
                continue;
            }
            QAction* action = m->addAction(ToQString(item.text));
            const int command = item.commandId;
            QObject::connect(action, &QAction::triggered, action,
                             [this, command] { handler.HandleCommand(command, kBnClicked); });
        }
    }
}

ControlBackend* QtDialogWindow::GetControl(int id)
{
    const auto it = byId.find(id);
    return it == byId.end() ? nullptr : it->second;
}

std::vector<QWidget*> QtDialogWindow::ControlWidgets() const
{
    std::vector<QWidget*> widgets;
    for (const auto& c : controls) widgets.push_back(c->Widget());
    return widgets;
}

QWidget* QtDialogWindow::ControlWidget(int id) const
{
    const auto it = byId.find(id);
    return it == byId.end() ? nullptr : it->second->Widget();
}

void QtDialogWindow::RunModal()
{
    if (ended || loop) return;
    if (!appWindow) {
        frame->setWindowModality(Qt::ApplicationModal);
        // Keep a dialog above the window that opened it.
        QWidget* owner = QApplication::activeWindow();
        if (owner && owner != frame && owner->windowHandle()) {
            frame->winId();
            frame->windowHandle()->setTransientParent(owner->windowHandle());
        }
    }
    frame->show();
    frame->raise();
    frame->activateWindow();
    // The first tab stop takes the focus, as after a dialog's initialisation.
    for (const auto& c : controls) {
        QWidget* w = c->Widget();
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled()) {
            w->setFocus(Qt::TabFocusReason);
            break;
        }
    }

    QEventLoop modalLoop;
    loop = &modalLoop;
    if (!ended) modalLoop.exec(QEventLoop::DialogExec);
    loop = nullptr;
    frame->hide();
}

void QtDialogWindow::EndModal()
{
    ended = true;
    if (loop) loop->exit();
}

void QtDialogWindow::SetTimer(int timerId, unsigned intervalMs)
{
    auto& timer = timers[timerId];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer.get(), &QTimer::timeout, timer.get(),
                         [this, timerId] { handler.HandleTimer(timerId); });
    }
    timer->start(static_cast<int>(std::min<unsigned>(std::max(intervalMs, kMinimumTimerMs), 0x7fffffffu)));
}

void QtDialogWindow::KillTimer(int timerId) { timers.erase(timerId); }

void QtDialogWindow::InvalidateAll() { client->update(); }

void QtDialogWindow::SetIcon(int iconId, bool)
{
    if (iconId != IDR_MAINFRAME || resources.icon.isNull()) return;
    QIcon icon(resources.largeIcon);
    icon.addPixmap(resources.icon);
    frame->setWindowIcon(icon);
}

bool QtDialogWindow::IsIconic() const { return frame->isMinimized(); }
int QtDialogWindow::ClientWidth() const { return client->width(); }
int QtDialogWindow::ClientHeight() const { return client->height(); }
int QtDialogWindow::SystemIconSize() const { return 32; }

int QtDialogWindow::MessageBox(const std::string& text, const std::string& caption, MessageBoxType type)
{
    QMessageBox box(frame);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(ToQString(caption));
    box.setTextFormat(Qt::PlainText);
    box.setText(ToQString(text));
    if (type == MessageBoxType::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        box.exec();
        return box.clickedButton() == box.button(QMessageBox::Yes) ? kIdYes : kIdNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    return kIdOk;
}

}  // namespace sonnavet
