// The calendar check the main window runs on the chosen day, month and year before a reading.
#pragma once

#include <string_view>

namespace tarabead {

/// Checks a date given as list positions: dayIndex is day - 1 (0 to 30), monthIndex is month - 1
/// (0 to 11). A year divisible by 4 is a leap year; there is no century rule, which agrees with
/// the calendar over the accepted years 1905 to 2050. Returns the message to show for an
/// impossible date, or an empty text when the date may be used.
std::string_view CalendarCheck(int dayIndex, int monthIndex, int year);

/// Message for 29 to 31 February out of place.
inline constexpr std::string_view BadFebruaryMessage = "Please Enter Correct Date Or Month!";
/// Message for the 31st of a 30-day month; it has a blank before the exclamation mark.
inline constexpr std::string_view BadThirtyFirstMessage = "Please Enter Correct Date Or Month !";

}  // namespace tarabead
