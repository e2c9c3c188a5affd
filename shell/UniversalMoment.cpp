#include "shell/UniversalMoment.h"

#include <array>
#include <cmath>

#include "chart/modVedicEphemeris.h"

namespace tarabead {

namespace {

// Gregorian civil date of a Julian day number (Fliegel and Van Flandern, 1968).
CivilMoment CivilDate(long jdn) {
    long l = jdn + 68569;
    const long n = 4 * l / 146097;
    l = l - (146097 * n + 3) / 4;
    const long i = 4000 * (l + 1) / 1461001;
    l = l - 1461 * i / 4 + 31;
    const long j = 80 * l / 2447;
    const long day = l - 2447 * j / 80;
    l = j / 11;
    const long month = j + 2 - 12 * l;
    const long year = 100 * (n - 49) + i + l;
    return {static_cast<int>(year), static_cast<int>(month), static_cast<int>(day), 0, 0};
}

// The side of Greenwich the calculation takes: east when the signed longitude is below 0.
bool CountsAsEast(const BirthDetails& details) { return SignedLongitude(details) < 0; }

}  // namespace

CivilMoment UniversalMomentOf(const BirthDetails& details) {
    const double ut = modVedicEphemeris::BirthMomentOf(details).UT;
    // UT is local time plus or minus whole hours and half hours, so it is a whole number of
    // minutes; rounding only removes the binary representation's last bits.
    long minutes = std::lround(ut * 60);
    long dayOffset = minutes >= 0 ? minutes / 1440 : -((-minutes + 1439) / 1440);
    minutes -= dayOffset * 1440;
    const double jdn =
        modVedicEphemeris::JulianDayNumber(details.Month, details.Day, details.Year) + dayOffset;
    CivilMoment moment = CivilDate(static_cast<long>(jdn));
    moment.Hour = static_cast<int>(minutes / 60);
    moment.Minute = static_cast<int>(minutes % 60);
    return moment;
}

std::string UniversalMomentText(const BirthDetails& details) {
    static constexpr std::array<const char*, 12> kMonths{
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    const CivilMoment m = UniversalMomentOf(details);
    char clock[8];
    std::snprintf(clock, sizeof clock, "%02d:%02d", m.Hour, m.Minute);
    return "Universal Time: " + std::to_string(m.Day) + " " + kMonths.at(m.Month - 1) + " " +
           std::to_string(m.Year) + ", " + clock;
}

std::string ZoneSideHint(const BirthDetails& details, std::int16_t rowHours,
                         std::int16_t rowMinutes) {
    const bool zoneWest = rowHours > 0 || rowMinutes > 0;
    const bool zoneEast = rowHours < 0 || rowMinutes < 0;
    const bool east = CountsAsEast(details);
    if (east && zoneWest) {
        return "This zone lies west of Greenwich but the longitude is east, so its offset is "
               "counted eastward.";
    }
    if (!east && zoneEast) {
        return SignedLongitude(details) == 0
                   ? "Longitude 0\xC2\xB0 counts as west of Greenwich, so this east zone's offset "
                     "is counted westward."
                   : "This zone lies east of Greenwich but the longitude is west, so its offset is "
                     "counted westward.";
    }
    return {};
}

}  // namespace tarabead
