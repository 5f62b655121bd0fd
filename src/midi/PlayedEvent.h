#pragma once

#include <cstdint>

namespace sonnavet {

// One record of the list that CMidiSequencer::Tick returns.
struct PlayedEvent {
    std::int32_t channel = 0;
    std::int32_t data1 = 0;
    std::int32_t data2 = 0;
    std::int32_t kind = 0;
};

constexpr std::int32_t EndOfList = 0;
constexpr std::int32_t EndOfSequence = 254;

}  // namespace sonnavet
