#include "timezones/modVedicPlanetPosition.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace tarabead::modVedicPlanetPosition {
namespace {

// The signed number at the end of a display text, e.g. "-9.5" of "Hawaiian Daylight Time,HDT,-9.5".
double NumberAtEnd(std::string_view text) {
    const auto comma = text.rfind(',');
    return std::strtod(std::string(text.substr(comma + 1)).c_str(), nullptr);
}

TEST(TimeZoneTable, OffsetsAgreeWithTheirTextsExceptIndianTime) {
    const auto table = TimeZoneTable();
    for (int row = 0; row < TimeZoneCount; ++row) {
        const TimeZoneRow& z = table[row];
        const double offset = -(z.Hours + z.Minutes / 60.0);
        if (row == 34) {
            EXPECT_EQ(z.Name, "Indian Time, IST, +5.3");
            EXPECT_EQ(z.Hours, -5);
            EXPECT_EQ(z.Minutes, -30);
        } else {
            EXPECT_DOUBLE_EQ(offset, NumberAtEnd(z.Name)) << "row " << row << " " << z.Name;
        }
        EXPECT_TRUE(z.Minutes == 0 || z.Minutes == 30 || z.Minutes == -30) << "row " << row;
        EXPECT_TRUE(z.Hours * z.Minutes >= 0) << "hours and minutes share a sign, row " << row;
    }
}

TEST(TimeZoneTable, RowsKeepTheirPlacesAndExactTexts) {
    const auto table = TimeZoneTable();
    struct Case {
        int row;
        const char* text;
        int hours, minutes;
    } cases[] = {
        {0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
        {5, "Australian Central Daylight Time,ACDT,+10.5", -10, -30},
        {11, "Azores Time, AT, -2.0", 2, 0},
        {29, "Greenwich Mean Time,GMT,0.0", 0, 0},
        {31, "Hawaiian Daylight Time,HDT,-9.5", 9, 30},
        {35, "Int'l Date Line East,IDLE,+12.0", -12, 0},
        {46, "New Zealand Std Summer Time,NZST,+13.0", -13, 0},
        {50, "Newfoundland Standard Time,NST,-3.5", 3, 30},
        {56, "South Australia Daylight Time,SAD,+10.5", -10, -30},
        {57, "South Australia Daylight Time,SDT,+10.5", -10, -30},
        {61, "Universal Time, UT, 0.0", 0, 0},
        {62, "USSR Zone 10,UZ10,+11.0", -11, 0},
        {70, "Yukon War Time,YWT,-8.0", 8, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(table[c.row].Name, c.text) << "row " << c.row;
        EXPECT_EQ(table[c.row].Hours, c.hours) << "row " << c.row;
        EXPECT_EQ(table[c.row].Minutes, c.minutes) << "row " << c.row;
    }
    // Exactly eight rows have a blank after each comma.
    int spaced = 0;
    for (const TimeZoneRow& z : table) spaced += z.Name.find(", ") != std::string_view::npos;
    EXPECT_EQ(spaced, 8);
}

TEST(LoadTimeZones, FillsTheModuleArraysAndCanBeCalledAgain) {
    TimeZoneNames[3] = "overwritten";
    TimeZoneHours[3] = 99;
    LoadTimeZones();
    LoadTimeZones();
    const auto table = TimeZoneTable();
    for (int row = 0; row < TimeZoneCount; ++row) {
        EXPECT_EQ(TimeZoneNames[row], table[row].Name);
        EXPECT_EQ(TimeZoneHours[row], table[row].Hours);
        EXPECT_EQ(TimeZoneMinutes[row], table[row].Minutes);
    }
    EXPECT_EQ(std::abs(TimeZoneHours[34]), 5);
    EXPECT_EQ(std::abs(TimeZoneMinutes[34]), 30);
}

}  // namespace
}  // namespace tarabead::modVedicPlanetPosition
