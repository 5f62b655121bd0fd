#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

#include "platform/MidiOut.h"
#include "platform/fluidsynth/SynthInput.h"
#include "platform/fluidsynth/SynthSetup.h"

namespace sonnavet {

// MIDI output device 0: a FluidSynth synthesizer playing through an audio
// driver. The soundfont is read on a worker thread so that opening the device
// does not hold up the window; a message sent before the soundfont is in waits
// for it (in practice none arrives that early).
class FluidSynthDevice : public MidiOutDevice {
public:
    // Takes ownership of all three; `driver` is already running. `sdlAudio`
    // tells that the driver needed SDL's audio subsystem, which is shut down
    // again after the driver.
    FluidSynthDevice(FluidSettingsPtr settings, FluidSynthPtr synth, FluidAudioDriverPtr driver, bool sdlAudio,
                     std::string soundFontPath);
    // Waits for the soundfont to finish loading, then deletes the audio driver
    // before the synthesizer and its settings.
    ~FluidSynthDevice() override;

    FluidSynthDevice(const FluidSynthDevice&) = delete;
    FluidSynthDevice& operator=(const FluidSynthDevice&) = delete;

    void ShortMsg(std::uint32_t message) override;

    // Blocks until the soundfont has been read; true if it loaded. When it did
    // not, one line on stderr has said so and the device stays silent.
    bool WaitForSoundFont();

private:
    void Load(const std::string& path);

    FluidSettingsPtr settings;
    FluidSynthPtr synth;
    FluidAudioDriverPtr driver;  // after synth: must go before it
    bool sdlAudio;
    SynthInput input;

    std::mutex loadMutex;
    std::condition_variable loadEnded;
    bool loadFinished = false;
    bool loadSucceeded = false;
    std::thread loader;
};

}  // namespace sonnavet
