#include <QApplication>

#include <ctime>
#include <string>

#include "app/CZELKWinApp.h"
#include "platform/Platform.h"
#include "platform/desktop/XdgShell.h"
#include "platform/fluidsynth/FluidSynthMidiOut.h"
#include "platform/profile/FileProfile.h"
#include "platform/qt/QtWindowSystem.h"

namespace {

// The program file's name without its directory and extension.
std::string ApplicationName(const char* argv0)
{
    std::string name = argv0 ? argv0 : "sonnavet";
    if (const auto slash = name.find_last_of('/'); slash != std::string::npos) name.erase(0, slash + 1);
    if (const auto dot = name.find_last_of('.'); dot != std::string::npos && dot > 0) name.erase(dot);
    return name.empty() ? std::string("sonnavet") : name;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    sonnavet::QtWindowSystem windows;
    sonnavet::FluidSynthMidiOut midi;
    sonnavet::FileProfile profile(sonnavet::DefaultSettingsFolder());
    sonnavet::XdgShell shell;
    sonnavet::Platform platform{windows, midi, profile, shell,
                                [] { return static_cast<std::int64_t>(std::time(nullptr)); },
                                ApplicationName(argc > 0 ? argv[0] : nullptr)};
    sonnavet::CZELKWinApp app(platform);
    return app.InitInstance() ? 1 : 0;
}
