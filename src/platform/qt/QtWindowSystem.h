#pragma once

#include <memory>

#include <QFont>
#include <QPointer>
#include <QWidget>

#include "platform/WindowSystem.h"
#include "platform/qt/QtPaintContext.h"
#include "platform/qt/QtTermination.h"

namespace sonnavet {

// The real window system: dialogs built from templates as Qt 6 widgets.
// Construct it once a QApplication exists; it must outlive its windows.
class QtWindowSystem : public WindowSystem {
public:
    QtWindowSystem();

    std::unique_ptr<DialogWindow> CreateDialogWindow(const DialogTemplate& dialogTemplate,
                                                     DialogMessageHandler& handler) override;
    bool HasIcon(int iconId) const override;
    bool HasBitmap(int bitmapId) const override;

    // The 8-point dialog font, in pixels so that the fixed layout holds on any
    // screen resolution setting.
    const QFont& DialogFont() const { return dialogFont; }
    const QtResources& Resources() const { return resources; }

    // A request to end the program from outside (a termination signal, the
    // session's logout): open message boxes and nested dialogs are dismissed and
    // the main window gets a close request, so it ends the way closing it does.
    void RequestClose();

private:
    QtResources resources;
    QFont dialogFont;
    QPointer<QWidget> mainFrame;   // null once the main window is destroyed
    class QtDialogWindow* mainWindow = nullptr;
    DialogMessageHandler* mainHandler = nullptr;
    QtTermination termination{[this] { RequestClose(); }};
};

}  // namespace sonnavet
