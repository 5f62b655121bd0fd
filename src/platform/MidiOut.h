#pragma once

#include <cstdint>

namespace sonnavet {

// An open MIDI output device. Short messages are packed as status in bits 0-7,
// the first data byte in bits 8-15 and the second in bits 16-23.
class MidiOutDevice {
public:
    virtual ~MidiOutDevice() = default;
    // Sends the message at once, before returning.
    virtual void ShortMsg(std::uint32_t message) = 0;
};

using HMIDIOUT = MidiOutDevice*;

constexpr int kMmSysErrNoError = 0;
constexpr int kMmSysErrBadDeviceId = 2;

class MidiOutSystem {
public:
    virtual ~MidiOutSystem() = default;
    // Opens output device `deviceId` into *handle. Returns 0 on success; on
    // failure *handle is left as it was.
    virtual int Open(HMIDIOUT* handle, int deviceId) = 0;
    virtual void Close(HMIDIOUT handle) = 0;
};

constexpr std::uint32_t PackShortMsg(std::uint8_t status, std::uint8_t data1, std::uint8_t data2)
{
    return static_cast<std::uint32_t>(status) | (static_cast<std::uint32_t>(data1) << 8) |
           (static_cast<std::uint32_t>(data2) << 16);
}

}  // namespace sonnavet
