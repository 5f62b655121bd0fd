#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/WindowSystem.h"
#include "tests/support/FakeControl.h"
#include "tests/support/RecordingPainter.h"

namespace sonnavet::test {

class FakeWindowSystem;

struct ShownMessageBox {
    std::string text;
    std::string caption;
    MessageBoxType type;
};

// A dialog window held in memory. Timers run on the window system's virtual
// clock; nothing happens unless a test lets time pass or sends a message.
class FakeDialogWindow : public DialogWindow {
public:
    FakeDialogWindow(FakeWindowSystem& system, const DialogTemplate& t, DialogMessageHandler& handler);
    ~FakeDialogWindow() override;

    ControlBackend* GetControl(int id) override { return Control(id); }
    void RunModal() override;
    void EndModal() override { ended = true; }
    void SetTimer(int timerId, unsigned intervalMs) override;
    void KillTimer(int timerId) override { timers.erase(timerId); }
    void InvalidateAll() override { ++invalidations; }
    void SetIcon(int iconId, bool big) override { (big ? bigIcon : smallIcon) = iconId; }
    bool IsIconic() const override { return iconic; }
    int ClientWidth() const override;
    int ClientHeight() const override;
    int SystemIconSize() const override { return 32; }
    int MessageBox(const std::string& text, const std::string& caption, MessageBoxType type) override;

    FakeControl* Control(int id);

    // Messages as the player would cause them.
    void Click(int id) { handler.HandleCommand(id, kBnClicked); }
    void ReleaseSlider(int id, int position);
    void ToggleListEntry(int id, int index);
    void PressEnter() { handler.HandleCommand(kIdOk, kBnClicked); }
    void PressEscape() { handler.HandleCommand(kIdCancel, kBnClicked); }
    void Close() { handler.HandleClose(); }
    void SysCommand(unsigned command) { handler.HandleSysCommand(command); }
    // A paint message; returns what was drawn.
    RecordingPainter Paint();

    struct Timer {
        unsigned interval;
        std::int64_t due;
    };

    FakeWindowSystem& system;
    const DialogTemplate& tmpl;
    DialogMessageHandler& handler;
    std::vector<std::unique_ptr<FakeControl>> controls;   // template order
    std::map<int, Timer> timers;
    bool ended = false;
    bool shown = false;
    bool iconic = false;
    int invalidations = 0;
    int bigIcon = 0;
    int smallIcon = 0;
};

class FakeWindowSystem : public WindowSystem {
public:
    std::unique_ptr<DialogWindow> CreateDialogWindow(const DialogTemplate& t, DialogMessageHandler& handler) override;
    bool HasIcon(int iconId) const override { return iconId == 128; }
    bool HasBitmap(int bitmapId) const override { return bitmapId == 130; }

    // Lets virtual time pass, delivering timer messages one at a time in time
    // order (timers due at the same moment in identifier order). A window whose
    // modal loop has ended gets no more timer messages.
    void Advance(std::int64_t ms);
    void AdvanceTo(std::int64_t timeMs);

    FakeDialogWindow* MainWindow() const { return windows.empty() ? nullptr : windows.front(); }
    FakeDialogWindow* TopWindow() const { return windows.empty() ? nullptr : windows.back(); }

    std::int64_t nowMs = 0;
    std::vector<FakeDialogWindow*> windows;   // open windows, oldest first
    // Runs inside a window's modal loop; by default a nested dialog is closed with OK.
    std::function<void(FakeDialogWindow&)> modalScript;
    std::deque<int> messageBoxAnswers;        // answers to the next message boxes
    std::vector<ShownMessageBox> messageBoxes;
    int modalDialogsRun = 0;
    std::vector<std::string> createdCaptions;
};

}  // namespace sonnavet::test
