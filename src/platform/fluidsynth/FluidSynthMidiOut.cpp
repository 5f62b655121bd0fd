#include "platform/fluidsynth/FluidSynthMidiOut.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/fluidsynth/FluidSynthDevice.h"
#include "platform/fluidsynth/SynthSetup.h"

namespace sonnavet {

namespace {

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// The file type for the "file" driver: the file name's extension when
// FluidSynth knows it as a type, else wav.
std::string AudioFileType(fluid_settings_t* settings, const std::string& fileName)
{
    std::string extension = std::filesystem::path(fileName).extension().string();
    if (!extension.empty()) extension.erase(0, 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    struct Search {
        const std::string& wanted;
        bool found = false;
    } search{extension};
    fluid_settings_foreach_option(settings, "audio.file.type", &search, [](void* data, const char*, const char* option) {
        auto* s = static_cast<Search*>(data);
        if (s->wanted == option) s->found = true;
    });
    return search.found ? extension : std::string("wav");
}

// Starts `name` on the synthesizer; null if it does not start.
fluid_audio_driver_t* StartDriver(fluid_settings_t* settings, fluid_synth_t* synth, const std::string& name,
                                  bool* sdlAudio)
{
    *sdlAudio = false;
    fluid_settings_setstr(settings, "audio.driver", name.c_str());
    if (name == "file") {
        const std::string fileName = Environment("SONNAVET_AUDIO_FILE");
        if (!fileName.empty()) fluid_settings_setstr(settings, "audio.file.name", fileName.c_str());
        char* current = nullptr;
        fluid_settings_dupstr(settings, "audio.file.name", &current);
        const std::string type = AudioFileType(settings, current ? current : "");
        fluid_free(current);
        fluid_settings_setstr(settings, "audio.file.type", type.c_str());
    }
    // FluidSynth's SDL2 driver leaves initialising SDL to the application.
    if (name == "sdl2") {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
        *sdlAudio = true;
    }
    fluid_audio_driver_t* driver = new_fluid_audio_driver(settings, synth);
    if (!driver && *sdlAudio) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        *sdlAudio = false;
    }
    return driver;
}

}  // namespace

std::vector<std::string> FluidSynthMidiOut::AudioDriverCandidates(const std::string& requested)
{
    if (!requested.empty()) return {requested};
    return {"pulseaudio", "alsa", "sdl2"};
}

int FluidSynthMidiOut::Open(HMIDIOUT* handle, int deviceId)
{
    if (deviceId != 0) return kMmSysErrBadDeviceId;
    if (!handle) return kGenericError;
    QuietFluidSynthLog();

    const auto soundFont = FirstExistingFile(SoundFontCandidates(Environment("SONNAVET_SOUNDFONT")));
    if (!soundFont) {
        std::fprintf(stderr, "sonnavet: no soundfont found; set SONNAVET_SOUNDFONT to a General MIDI .sf2 file\n");
        return kGenericError;
    }
    if (!LooksLikeSoundFont(*soundFont)) {
        std::fprintf(stderr, "sonnavet: %s is not a readable soundfont\n", soundFont->c_str());
        return kGenericError;
    }

    FluidSettingsPtr settings = NewSynthSettings();
    if (!settings) return kGenericError;
    FluidSynthPtr synth = NewSynth(settings.get());
    if (!synth) return kGenericError;

    const std::string requested = Environment("SONNAVET_AUDIO_DRIVER");
    const auto drivers = AudioDriverCandidates(requested);
    fluid_audio_driver_t* driver = nullptr;
    bool sdlAudio = false;
    {
        // A default driver that fails is expected (no sound server, no ALSA
        // device); say nothing unless the user asked for that driver.
        std::optional<MutedFluidSynthErrors> muted;
        if (requested.empty()) muted.emplace();
        for (const auto& name : drivers) {
            driver = StartDriver(settings.get(), synth.get(), name, &sdlAudio);
            if (driver) break;
        }
    }
    if (!driver) {
        std::string tried;
        for (const auto& name : drivers) tried += (tried.empty() ? "" : ", ") + name;
        std::fprintf(stderr, "sonnavet: no audio output could be started (tried %s)\n", tried.c_str());
        return kGenericError;
    }

    *handle = new FluidSynthDevice(std::move(settings), std::move(synth), FluidAudioDriverPtr(driver), sdlAudio,
                                   *soundFont);
    return kMmSysErrNoError;
}

void FluidSynthMidiOut::Close(HMIDIOUT handle)
{
    delete handle;
}

}  // namespace sonnavet
