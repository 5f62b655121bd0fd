#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/MidiOut.h"
#include "platform/Profile.h"
#include "platform/Shell.h"
#include "platform/WindowSystem.h"

namespace sonnavet {

// The outside world as the program sees it. The real program fills it with the
// Qt window, the FluidSynth synthesizer, the INI file and xdg-open; tests with
// fakes that record everything.
struct Platform {
    WindowSystem& windows;
    MidiOutSystem& midi;
    Profile& profile;
    Shell& shell;
    std::function<std::int64_t()> clockSeconds;  // calendar time in seconds
    std::string applicationName;                 // the program file's name without extension
};

}  // namespace sonnavet
