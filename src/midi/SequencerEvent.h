#pragma once

#include <cstdint>

namespace sonnavet {

// One stored timed short message. A tick of -1 marks an empty slot.
struct SequencerEvent {
    std::int32_t tick = -1;
    std::uint8_t status = 0;
    std::uint8_t data1 = 0;
    std::uint8_t data2 = 0;
};

}  // namespace sonnavet
