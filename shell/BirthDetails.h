// The birth data of one reading, as the main window hands it to the chart calculation.
#pragma once

#include <cstdint>

namespace tarabead {

/// Birth moment and place as entered. Every number is a signed 16-bit integer and is taken as
/// typed; the zone offset is a magnitude whose direction comes from the longitude's side of
/// Greenwich when the birth moment is worked out.
///
/// Sign convention for every consumer: longitude in degrees is LongitudeDegrees +
/// LongitudeMinutes / 60, negative when LongitudeEast (west positive, east negative); latitude is
/// LatitudeDegrees + LatitudeMinutes / 60, negative when LatitudeSouth (north positive).
struct BirthDetails {
    std::int16_t Day = 0;               ///< day of month, 1 to 31
    std::int16_t Month = 0;             ///< month, 1 to 12
    std::int16_t Year = 0;              ///< year, 1905 to 2050
    std::int16_t Hour = 0;              ///< hour of the local clock time, 0 to 24
    std::int16_t Minute = 0;            ///< minute of the local clock time, 0 to 59
    std::int16_t ZoneHours = 0;         ///< whole hours of the zone offset, no sign, 0 to 13
    std::int16_t ZoneMinutes = 0;       ///< minutes of the zone offset, no sign, 0 or 30
    std::int16_t LongitudeDegrees = 0;  ///< degrees, 0 to 999 as typed
    std::int16_t LongitudeMinutes = 0;  ///< arc minutes, 0 to 999 as typed
    std::int16_t LatitudeDegrees = 0;   ///< degrees, 0 to 999 as typed
    std::int16_t LatitudeMinutes = 0;   ///< arc minutes, 0 to 999 as typed
    bool LongitudeEast = false;         ///< true: the place lies east of Greenwich
    bool LatitudeSouth = false;         ///< true: the place lies south of the equator
    bool DaylightSaving = false;        ///< true: the clock was one hour ahead of zone time

    friend bool operator==(const BirthDetails&, const BirthDetails&) = default;
};

/// Signed longitude of the place in degrees, west positive and east negative.
double SignedLongitude(const BirthDetails& details);

/// Signed latitude of the place in degrees, north positive and south negative.
double SignedLatitude(const BirthDetails& details);

}  // namespace tarabead
