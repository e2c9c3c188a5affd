#include "shell/CalendarCheck.h"

#include <gtest/gtest.h>

namespace tarabead {
namespace {

TEST(CalendarCheck, RefusesImpossibleDatesWithTheirOwnMessages) {
    struct Case {
        int day, month, year;
        std::string_view message;
    } cases[] = {
        {29, 2, 2000, ""},  // leap year
        {29, 2, 2048, ""},
        {29, 2, 1905, BadFebruaryMessage},
        {30, 2, 2004, BadFebruaryMessage},
        {31, 2, 2004, BadFebruaryMessage},
        {28, 2, 1905, ""},
        {31, 4, 1990, BadThirtyFirstMessage},
        {31, 6, 1990, BadThirtyFirstMessage},
        {31, 9, 1990, BadThirtyFirstMessage},
        {31, 11, 1990, BadThirtyFirstMessage},
        {30, 11, 1990, ""},
        {31, 3, 1990, ""},
        {31, 12, 2050, ""},
        {31, 1, 1905, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CalendarCheck(c.day - 1, c.month - 1, c.year), c.message)
            << c.day << "/" << c.month << "/" << c.year;
    }
    EXPECT_EQ(BadFebruaryMessage, "Please Enter Correct Date Or Month!");
    EXPECT_EQ(BadThirtyFirstMessage, "Please Enter Correct Date Or Month !");
}

}  // namespace
}  // namespace tarabead
