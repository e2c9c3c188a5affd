// Birth details for tests, written in one line a case.
#pragma once

#include <cstdint>

#include "shell/BirthDetails.h"

namespace tarabead::testing {

inline BirthDetails Birth(int day, int month, int year, int hour, int minute, int zoneHours,
                          int zoneMinutes, int lonDeg, int lonMin, bool east, bool dst = false) {
    auto s = [](int v) { return static_cast<std::int16_t>(v); };
    BirthDetails b;
    b.Day = s(day);
    b.Month = s(month);
    b.Year = s(year);
    b.Hour = s(hour);
    b.Minute = s(minute);
    b.ZoneHours = s(zoneHours);
    b.ZoneMinutes = s(zoneMinutes);
    b.LongitudeDegrees = s(lonDeg);
    b.LongitudeMinutes = s(lonMin);
    b.LongitudeEast = east;
    b.DaylightSaving = dst;
    return b;
}

}  // namespace tarabead::testing
