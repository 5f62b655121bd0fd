#include "platform/Dialog.h"

namespace sonnavet {

CDialog::CDialog(Platform& p, const DialogTemplate& t) : platform(p), dlgTemplate(t) {}

CDialog::~CDialog() = default;

int CDialog::DoModal()
{
    ending = false;
    result = 0;
    window = platform.windows.CreateDialogWindow(dlgTemplate, *this);
    OnInitDialog();
    if (!ending) window->RunModal();
    window.reset();
    return result;
}

void CDialog::EndDialog(int r)
{
    result = r;
    ending = true;
    if (window) window->EndModal();
}

bool CDialog::OnInitDialog() { return true; }

void CDialog::HandleCommand(int id, int code)
{
    if (code != kBnClicked) return;
    if (id == kIdOk) OnOK();
    else if (id == kIdCancel) OnCancel();
}

void CDialog::HandleNotify(int, int) {}
void CDialog::HandleTimer(int) {}
void CDialog::HandlePaint(PaintContext&) {}

// A dialog answers a close request with the Cancel command.
void CDialog::HandleClose() { HandleCommand(kIdCancel, kBnClicked); }

void CDialog::HandleSysCommand(unsigned command)
{
    if ((command & 0xFFF0u) == kScClose) HandleClose();
}

void CDialog::DDX_Control(int id, CWnd& control) { control.Attach(GetDlgItem(id)); }

ControlBackend* CDialog::GetDlgItem(int id) const { return window ? window->GetControl(id) : nullptr; }

}  // namespace sonnavet
