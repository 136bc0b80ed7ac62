#pragma once

// The time of day on the player's clock, as Windows provides it (platform/win32_clock.cpp) or
// the tests' stand-in does.
struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const TimeOfDay&) const = default;
};

TimeOfDay LocalTimeOfDay();
