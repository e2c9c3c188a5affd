// The birth moment in Universal Time as the chart calculation uses it, for the main window to
// show under the zone list while the user types.
#pragma once

#include <cstdint>
#include <string>

#include "shell/BirthDetails.h"

namespace tarabead {

/// A civil date and clock time (Gregorian calendar).
struct CivilMoment {
    int Year, Month, Day, Hour, Minute;
    friend bool operator==(const CivilMoment&, const CivilMoment&) = default;
};

/// The Universal Time of the birth, with the date rolled back or on when the zone and daylight
/// saving carry the time before 0 h or to 24 h and later. A day past the end of its month counts
/// on into the next, as in the calculation.
CivilMoment UniversalMomentOf(const BirthDetails& details);

/// "Universal Time: 14 August 1947, 18:30".
std::string UniversalMomentText(const BirthDetails& details);

/// When the zone row (signed hours and minutes as in the zone table, positive behind Universal
/// Time) lies on the other side of Greenwich than the longitude, a short plain-words note that
/// the offset is applied in the longitude's direction; otherwise an empty text. Longitude 0
/// counts as west.
std::string ZoneSideHint(const BirthDetails& details, std::int16_t rowHours,
                         std::int16_t rowMinutes);

}  // namespace tarabead
