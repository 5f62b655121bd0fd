#pragma once

#include <map>
#include <memory>
#include <vector>

#include <QFont>

#include "platform/DialogTemplate.h"
#include "platform/DialogWindow.h"
#include "platform/qt/QtControls.h"
#include "platform/qt/QtPaintContext.h"

class QDialog;
class QEventLoop;
class QMenuBar;
class QTimer;
class QWidget;

namespace sonnavet {

// A dialog window on Qt: a top-level frame with the optional menu bar and the
// client widget that holds the controls and is painted by the handler.
// The frame never closes by itself; only EndModal ends the window.
class QtDialogWindow : public DialogWindow {
public:
    QtDialogWindow(const DialogTemplate& dialogTemplate, DialogMessageHandler& handler,
                   const QtResources& resources, const QFont& dialogFont);
    ~QtDialogWindow() override;

    QtDialogWindow(const QtDialogWindow&) = delete;
    QtDialogWindow& operator=(const QtDialogWindow&) = delete;

    ControlBackend* GetControl(int id) override;
    void RunModal() override;
    void EndModal() override;
    void SetTimer(int timerId, unsigned intervalMs) override;
    void KillTimer(int timerId) override;
    void InvalidateAll() override;
    void SetIcon(int iconId, bool big) override;
    bool IsIconic() const override;
    int ClientWidth() const override;
    int ClientHeight() const override;
    int SystemIconSize() const override;
    int MessageBox(const std::string& text, const std::string& caption, MessageBoxType type) override;

    // The widgets, for inspection.
    QDialog* Frame() const { return frame; }
    QWidget* Client() const { return client; }
    QMenuBar* MenuBar() const { return menuBar; }
    // Every control's widget in template order, those without identifier included.
    std::vector<QWidget*> ControlWidgets() const;
    QWidget* ControlWidget(int id) const;
    bool IsRunning() const { return loop != nullptr; }

private:
    void BuildMenu(int menuId);

    DialogMessageHandler& handler;
    const QtResources& resources;
    QDialog* frame = nullptr;   // owned here, deleted in the destructor
    QWidget* client = nullptr;  // child of frame
    QMenuBar* menuBar = nullptr;
    std::vector<std::unique_ptr<QtControl>> controls;  // template order
    std::map<int, QtControl*> byId;
    std::map<int, std::unique_ptr<QTimer>> timers;
    QEventLoop* loop = nullptr;
    bool ended = false;
    bool appWindow = false;
};

}  // namespace sonnavet
