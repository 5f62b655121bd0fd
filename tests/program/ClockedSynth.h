#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/MidiOut.h"
#include "platform/fluidsynth/OfflineSynth.h"

namespace sonnavet::test {

// MIDI output device 0 as the real synthesizer, rendering in step with the
// virtual clock: before each message it renders the sound up to the message's
// time, so the audio shows exactly where the program sent each note.
class ClockedSynth : public MidiOutSystem {
public:
    ClockedSynth(const std::int64_t* clockMs, const std::string& soundFont)
        : clock(clockMs), synth(OfflineSynth::Create(soundFont)), device(this)
    {
    }

    bool Loaded() const { return synth != nullptr; }

    int Open(HMIDIOUT* handle, int deviceId) override
    {
        if (!synth || deviceId != 0) return kMmSysErrBadDeviceId;
        *handle = &device;
        return kMmSysErrNoError;
    }
    void Close(HMIDIOUT) override {}

    // Renders up to the given virtual time.
    void RenderTo(std::int64_t ms)
    {
        const std::int64_t frames = ms * OfflineSynth::kSampleRate / 1000 - static_cast<std::int64_t>(mono.size());
        if (frames <= 0) return;
        const auto stereo = synth->Render(static_cast<int>(frames));
        for (std::size_t i = 0; i + 1 < stereo.size(); i += 2) mono.push_back((stereo[i] + stereo[i + 1]) / 2);
    }

    std::size_t Frame(double ms) const { return static_cast<std::size_t>(ms * OfflineSynth::kSampleRate / 1000); }

    std::vector<float> mono;

private:
    struct Device : MidiOutDevice {
        explicit Device(ClockedSynth* o) : owner(o) {}
        void ShortMsg(std::uint32_t message) override
        {
            owner->RenderTo(*owner->clock);
            owner->synth->ShortMsg(message);
        }
        ClockedSynth* owner;
    };

    const std::int64_t* clock;
    std::unique_ptr<OfflineSynth> synth;
    Device device;
};

}  // namespace sonnavet::test
