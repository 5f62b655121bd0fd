#include "platform/fluidsynth/FluidSynthDevice.h"

#include <SDL.h>

#include <cstdio>

namespace sonnavet {

FluidSynthDevice::FluidSynthDevice(FluidSettingsPtr settings, FluidSynthPtr synth, FluidAudioDriverPtr driver,
                                   bool sdlAudio, std::string soundFontPath)
    : settings(std::move(settings)),
      synth(std::move(synth)),
      driver(std::move(driver)),
      sdlAudio(sdlAudio),
      input(this->synth.get()),
      loader([this, path = std::move(soundFontPath)] { Load(path); })
{
}

FluidSynthDevice::~FluidSynthDevice()
{
    loader.join();
    driver.reset();
    if (sdlAudio) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void FluidSynthDevice::ShortMsg(std::uint32_t message)
{
    if (WaitForSoundFont()) input.Send(message);
}

bool FluidSynthDevice::WaitForSoundFont()
{
    std::unique_lock lock(loadMutex);
    loadEnded.wait(lock, [this] { return loadFinished; });
    return loadSucceeded;
}

void FluidSynthDevice::Load(const std::string& path)
{
    const bool loaded = LoadSoundFont(synth.get(), path);
    if (!loaded) std::fprintf(stderr, "sonnavet: cannot load the soundfont %s; there will be no sound\n", path.c_str());
    {
        std::lock_guard lock(loadMutex);
        loadFinished = true;
        loadSucceeded = loaded;
    }
    loadEnded.notify_all();
}

}  // namespace sonnavet
