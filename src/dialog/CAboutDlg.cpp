#include "dialog/CAboutDlg.h"

#include "resources/Resources.h"

namespace sonnavet {

CAboutDlg::CAboutDlg(Platform& p) : CDialog(p, AboutDialogTemplate()) {}

}  // namespace sonnavet
