#include "shell/UniversalMoment.h"

#include <gtest/gtest.h>

#include "shell/testing/Births.h"

namespace tarabead {
namespace {

// A place at lonDeg degrees (77 unless given), zero minutes.
BirthDetails At(int day, int month, int year, int hour, int minute, int zoneHours, int zoneMinutes,
                bool east, bool dst = false, int lonDeg = 77) {
    return testing::Birth(day, month, year, hour, minute, zoneHours, zoneMinutes, lonDeg, 0, east,
                          dst);
}

TEST(UniversalMoment, RollsTheDateWithTheTime) {
    struct Case {
        const char* what;
        BirthDetails birth;
        const char* text;
    } cases[] = {
        {"east zone carries back a day", At(15, 8, 1947, 0, 0, 5, 30, true),
         "Universal Time: 14 August 1947, 18:30"},
        {"west zone carries on a day", At(31, 12, 1999, 22, 15, 5, 0, false),
         "Universal Time: 1 January 2000, 03:15"},
        {"hour 24 is the next day", At(28, 2, 2000, 24, 0, 0, 0, false, false, 0),
         "Universal Time: 29 February 2000, 00:00"},
        {"daylight saving, west", At(4, 7, 1976, 12, 0, 5, 0, false, true),
         "Universal Time: 4 July 1976, 16:00"},
        {"back over a year's end", At(1, 1, 1905, 3, 10, 10, 0, true),
         "Universal Time: 31 December 1904, 17:10"},
        {"a day past the month's end counts on", At(31, 4, 1990, 12, 0, 0, 0, false, false, 0),
         "Universal Time: 1 May 1990, 12:00"},
    };
    for (const Case& c : cases) EXPECT_EQ(UniversalMomentText(c.birth), c.text) << c.what;
}

TEST(ZoneSideHint, SpeaksOnlyWhenZoneAndLongitudeDisagree) {
    struct Case {
        const char* what;
        BirthDetails birth;
        std::int16_t hours, minutes;
        bool hint;
    } cases[] = {
        {"east place, east zone (IST)", At(1, 1, 2000, 0, 0, 5, 30, true), -5, -30, false},
        {"east place, west zone (EST)", At(1, 1, 2000, 0, 0, 5, 0, true), 5, 0, true},
        {"west place, east zone (CET)", At(1, 1, 2000, 0, 0, 1, 0, false, false, 5), -1, 0, true},
        {"west place, west zone", At(1, 1, 2000, 0, 0, 5, 0, false), 5, 0, false},
        {"Greenwich zone anywhere", At(1, 1, 2000, 0, 0, 0, 0, true), 0, 0, false},
        {"longitude 0 east with an east zone", At(1, 1, 2000, 0, 0, 1, 0, true, false, 0), -1, 0,
         true},
        {"Newfoundland half hour, east place", At(1, 1, 2000, 0, 0, 3, 30, true), 3, 30, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(!ZoneSideHint(c.birth, c.hours, c.minutes).empty(), c.hint) << c.what;
    }
}

}  // namespace
}  // namespace tarabead
