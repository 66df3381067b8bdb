#pragma once

// Time values are days as doubles (one second is 1/86400), as the clock and
// the score table keep them; truth values are stored as True or False.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace novemo {

inline constexpr double kOneSecond = 1.0 / 86400.0;

// Whole seconds, rounded to the nearest: a running sum of ticks lies a hair
// below the exact count. Negative and unreadable times are 0.
std::int64_t WholeSeconds(double days);
// HH:MM:SS, rounded to the nearest second; a day or more counts on in the hours (25:00:07).
std::string TimeOfDayText(double days);
// MM:SS of the same rounded time: what the clock and the score table show.
std::string ClockText(double days);
// H:MM:SS or H:MM with any number of hour digits; nothing for anything else.
std::optional<double> ParseTimeOfDay(std::string_view text);

std::string TruthText(bool value);
// True or False in any case, or a whole number (0 is false); nothing for anything else.
std::optional<bool> ParseTruth(std::string_view text);

}  // namespace novemo
