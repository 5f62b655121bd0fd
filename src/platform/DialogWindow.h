#pragma once

#include <string>

#include "platform/ControlBackend.h"
#include "platform/PaintContext.h"

namespace sonnavet {

// Message-box buttons and answers.
enum class MessageBoxType { Ok, YesNo };
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

// Notification codes the program handles.
constexpr int kBnClicked = 0;          // push button click, menu command
constexpr int kLbnSelChange = 1;       // list box selection change
constexpr int kNmReleasedCapture = -16;  // trackbar thumb let go

// System commands.
constexpr unsigned kScClose = 0xF060;

// What the window system delivers to a dialog, one message at a time on the
// one user-interface thread.
class DialogMessageHandler {
public:
    virtual ~DialogMessageHandler() = default;
    virtual void HandleCommand(int id, int code) = 0;
    virtual void HandleNotify(int id, int code) = 0;
    virtual void HandleTimer(int timerId) = 0;
    virtual void HandlePaint(PaintContext& dc) = 0;
    virtual void HandleClose() = 0;
    virtual void HandleSysCommand(unsigned command) = 0;
};

// One dialog window built from a template. The window exists from its creation
// until the object is destroyed; destroying it also ends its timers.
class DialogWindow {
public:
    virtual ~DialogWindow() = default;

    // The control with this identifier, or null.
    virtual ControlBackend* GetControl(int id) = 0;

    // Runs the modal loop until EndModal is called; shows the window first.
    virtual void RunModal() = 0;
    virtual void EndModal() = 0;

    virtual void SetTimer(int timerId, unsigned intervalMs) = 0;
    virtual void KillTimer(int timerId) = 0;

    // Repaint of the whole client area, without erasing the background.
    virtual void InvalidateAll() = 0;

    virtual void SetIcon(int iconId, bool big) = 0;
    virtual bool IsIconic() const = 0;
    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;
    virtual int SystemIconSize() const = 0;

    // Modal message box owned by this window; returns kIdOk, kIdYes or kIdNo.
    virtual int MessageBox(const std::string& text, const std::string& caption, MessageBoxType type) = 0;
};

}  // namespace sonnavet
