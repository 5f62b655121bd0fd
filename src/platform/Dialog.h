#pragma once

#include <memory>
#include <string>

#include "platform/Controls.h"
#include "platform/DialogTemplate.h"
#include "platform/Platform.h"

namespace sonnavet {

// A modal dialog built from a template. DoModal creates the window, calls
// OnInitDialog, runs the modal loop unless EndDialog was already called, and
// destroys the window (and with it its timers) before it returns.
class CDialog : public DialogMessageHandler {
public:
    CDialog(Platform& platform, const DialogTemplate& dialogTemplate);
    ~CDialog() override;

    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    int DoModal();
    void EndDialog(int result);

    virtual bool OnInitDialog();
    virtual void OnOK() { EndDialog(kIdOk); }
    virtual void OnCancel() { EndDialog(kIdCancel); }

    // Default processing of the messages; derived dialogs override and call these
    // for what they do not handle themselves.
    void HandleCommand(int id, int code) override;
    void HandleNotify(int id, int code) override;
    void HandleTimer(int timerId) override;
    void HandlePaint(PaintContext& dc) override;
    void HandleClose() override;
    void HandleSysCommand(unsigned command) override;

    // Attaches a control object to the child control with this identifier.
    void DDX_Control(int id, CWnd& control);
    ControlBackend* GetDlgItem(int id) const;

    DialogWindow* Window() const { return window.get(); }
    const DialogTemplate& Template() const { return dlgTemplate; }

protected:
    Platform& platform;

private:
    const DialogTemplate& dlgTemplate;
    std::unique_ptr<DialogWindow> window;
    bool ending = false;
    int result = 0;
};

}  // namespace sonnavet
