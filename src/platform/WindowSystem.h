#pragma once

#include <memory>

#include "platform/DialogTemplate.h"
#include "platform/DialogWindow.h"

namespace sonnavet {

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Creates (not yet shows) a dialog window from a template with every control
    // of the template. Messages go to the handler.
    virtual std::unique_ptr<DialogWindow> CreateDialogWindow(const DialogTemplate& dialogTemplate,
                                                             DialogMessageHandler& handler) = 0;
    // Whether an icon or bitmap resource can be loaded.
    virtual bool HasIcon(int iconId) const = 0;
    virtual bool HasBitmap(int bitmapId) const = 0;
};

}  // namespace sonnavet
