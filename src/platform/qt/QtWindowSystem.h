#pragma once

#include <memory>

#include <QFont>

#include "platform/WindowSystem.h"
#include "platform/qt/QtPaintContext.h"

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

private:
    QtResources resources;
    QFont dialogFont;
};

}  // namespace sonnavet
