#pragma once

#include "platform/DialogTemplate.h"

namespace sonnavet {

// Dialog template 102, the main window.
const DialogTemplate& MainDialogTemplate();
// Dialog template 100, the About box.
const DialogTemplate& AboutDialogTemplate();
// Menu 133 of the main window.
const MenuTemplate& MainMenuTemplate();
// The menu with this identifier, or null.
const MenuTemplate* FindMenuTemplate(int menuId);

}  // namespace sonnavet
