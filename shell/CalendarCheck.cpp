#include "shell/CalendarCheck.h"

namespace tarabead {

std::string_view CalendarCheck(int dayIndex, int monthIndex, int year) {
    const bool leap = year % 4 == 0;
    constexpr int February = 1;
    if (monthIndex == February && (leap ? dayIndex >= 29 : dayIndex >= 28) && dayIndex <= 30) {
        return BadFebruaryMessage;
    }
    const bool thirtyDayMonth =
        monthIndex == 3 || monthIndex == 5 || monthIndex == 8 || monthIndex == 10;
    if (thirtyDayMonth && dayIndex == 30) return BadThirtyFirstMessage;
    return {};
}

}  // namespace tarabead
