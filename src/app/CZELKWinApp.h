#pragma once

#include "platform/Platform.h"

namespace sonnavet {

// Starts the program: runs the main dialog modally and ends when it ends.
class CZELKWinApp {
public:
    explicit CZELKWinApp(Platform& platform) : platform(platform) {}

    // Always false: the program ends when the dialog has ended.
    bool InitInstance();

private:
    Platform& platform;
};

}  // namespace sonnavet
