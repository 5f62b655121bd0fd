#pragma once

#include <string>
#include <vector>

#include "platform/MidiOut.h"

namespace sonnavet {

// The system's MIDI outputs: device 0 is an embedded FluidSynth General MIDI
// synthesizer (see FluidSynthDevice). Open reads the environment:
//   SONNAVET_SOUNDFONT      soundfont tried before the system's GM soundfonts
//   SONNAVET_AUDIO_DRIVER   FluidSynth audio driver; default pulseaudio, then
//                           alsa, then sdl2
//   SONNAVET_AUDIO_FILE     output file of the "file" driver; its extension
//                           picks the file type (wav when unknown)
class FluidSynthMidiOut : public MidiOutSystem {
public:
    static constexpr int kGenericError = 1;

    int Open(HMIDIOUT* handle, int deviceId) override;
    void Close(HMIDIOUT handle) override;

    // The audio drivers to try, in order, for the value of SONNAVET_AUDIO_DRIVER.
    static std::vector<std::string> AudioDriverCandidates(const std::string& requested);
};

}  // namespace sonnavet
