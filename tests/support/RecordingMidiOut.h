#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/MidiOut.h"

namespace sonnavet::test {

struct SentMessage {
    std::int64_t timeMs;
    std::uint32_t message;
    bool operator==(const SentMessage&) const = default;
};

// MIDI output device 0 that records every message with the virtual time.
class RecordingMidiOut : public MidiOutSystem {
public:
    explicit RecordingMidiOut(const std::int64_t* clockMs = nullptr) : clock(clockMs) {}

    int Open(HMIDIOUT* handle, int deviceId) override
    {
        ++opens;
        if (openResult != kMmSysErrNoError) return openResult;
        if (deviceId != 0) return kMmSysErrBadDeviceId;
        *handle = &device;
        log.push_back("open");
        return kMmSysErrNoError;
    }
    void Close(HMIDIOUT handle) override
    {
        if (handle == &device) {
            ++closes;
            log.push_back("close");
        }
    }

    std::vector<std::uint32_t> Messages() const
    {
        std::vector<std::uint32_t> m;
        for (const auto& s : device.sent) m.push_back(s.message);
        return m;
    }

    struct Device : MidiOutDevice {
        explicit Device(RecordingMidiOut* o) : owner(o) {}
        RecordingMidiOut* owner;
        std::vector<SentMessage> sent;
        void ShortMsg(std::uint32_t message) override
        {
            sent.push_back({owner->clock ? *owner->clock : 0, message});
            owner->log.push_back("msg");
        }
    };

    Device device{this};
    const std::int64_t* clock;
    int openResult = kMmSysErrNoError;
    int opens = 0;
    int closes = 0;
    std::vector<std::string> log;
};

}  // namespace sonnavet::test
