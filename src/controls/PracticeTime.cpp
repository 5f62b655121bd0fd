#include "controls/PracticeTime.h"

#include <cstdio>

namespace sonnavet {

std::string FormatPracticeTime(std::int32_t seconds, bool longForm)
{
    const std::int32_t totalMinutes = seconds / 60;
    const std::int32_t sec = seconds - 60 * totalMinutes;
    const std::int32_t totalHours = totalMinutes / 60;
    const std::int32_t min = totalMinutes - 60 * totalHours;
    char text[96];
    if (longForm) {
        const std::int32_t days = totalHours / 24;
        const std::int32_t hours = totalHours - 24 * days;
        std::snprintf(text, sizeof text, "%d Days, %d Hours, %d %s", days, hours, min,
                      min == 1 ? "Minute" : "Minutes");
    } else {
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", totalHours, min, sec);
    }
    return text;
}

}  // namespace sonnavet
