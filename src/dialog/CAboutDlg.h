#pragma once

#include "platform/Dialog.h"

namespace sonnavet {

// The About box: icon, version text and OK.
class CAboutDlg : public CDialog {
public:
    explicit CAboutDlg(Platform& platform);
};

}  // namespace sonnavet
