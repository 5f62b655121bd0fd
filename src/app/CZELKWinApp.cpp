#include "app/CZELKWinApp.h"

#include "dialog/CZELKWinDlg.h"

namespace sonnavet {

bool CZELKWinApp::InitInstance()
{
    {
        CZELKWinDlg dialog(platform);
        dialog.DoModal();
    }
    return false;
}

}  // namespace sonnavet
