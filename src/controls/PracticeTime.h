#pragma once

#include <cstdint>
#include <string>

namespace sonnavet {

// "%d Days, %d Hours, %d Minute(s)" or "%02d:%02d:%02d" (total hours).
std::string FormatPracticeTime(std::int32_t seconds, bool longForm);

// Advances a counter by one second while counting.
inline void CountSecond(std::int32_t& seconds, std::int32_t counting)
{
    if (counting != 0 && seconds < INT32_MAX) ++seconds;
}

}  // namespace sonnavet
