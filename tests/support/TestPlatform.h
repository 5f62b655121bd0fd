#pragma once

#include <functional>
#include <memory>

#include "dialog/CZELKWinDlg.h"
#include "platform/Platform.h"
#include "platform/profile/MemoryProfile.h"
#include "tests/support/FakeShell.h"
#include "tests/support/FakeWindowSystem.h"
#include "tests/support/RecordingMidiOut.h"

namespace sonnavet::test {

// The test face of the platform, with the main dialog on top of it.
struct TestPlatform {
    FakeWindowSystem windows;
    RecordingMidiOut midi{&windows.nowMs};
    MemoryProfile profile;
    FakeShell shell;
    Platform platform{windows, midi, profile, shell, [] { return std::int64_t{1000}; }, "sonnavet"};

    // Runs the main dialog; `script` plays the player inside its modal loop.
    int RunDialog(CZELKWinDlg& dialog, std::function<void(FakeDialogWindow&)> script)
    {
        windows.modalScript = std::move(script);
        return dialog.DoModal();
    }
};

}  // namespace sonnavet::test
