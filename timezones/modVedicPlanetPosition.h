// The fixed list of 71 named time zones the user picks the birth place's zone from.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tarabead::modVedicPlanetPosition {

/// Number of rows of the time-zone table; a combo-box position equals the row index.
inline constexpr int TimeZoneCount = 71;

/// One row of the table. The offset carries the sign reversed against the usual convention:
/// positive hours for zones behind Universal Time (west), negative for zones ahead (east).
struct TimeZoneRow {
    std::string_view Name;  ///< display text, shown verbatim and never parsed
    std::int16_t Hours;     ///< whole hours of the offset, reversed sign, -13 to 12
    std::int16_t Minutes;   ///< remaining minutes, same reversed sign: 0, 30 or -30
};

/// The 71 rows in their display order. Row 34 reads "+5.3" while its offset is 5 h 30 min: the
/// numbers, not the text, are what the calculation uses.
std::span<const TimeZoneRow, TimeZoneCount> TimeZoneTable();

/// Module arrays filled by LoadTimeZones; empty until its first call.
extern std::array<std::string, TimeZoneCount> TimeZoneNames;
extern std::array<std::int16_t, TimeZoneCount> TimeZoneHours;
extern std::array<std::int16_t, TimeZoneCount> TimeZoneMinutes;

/// Writes all 71 rows of the three module arrays, overwriting whatever they held. Idempotent.
void LoadTimeZones();

}  // namespace tarabead::modVedicPlanetPosition
