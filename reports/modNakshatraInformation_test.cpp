// The nakshatra table's lookups and short columns. The columns follow fixed cycles and blocks
// through the zodiac; checking those catches a value slipped into the wrong row or column.
#include "reports/modNakshatraInformation.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "chart/modVedicEphemeris.h"

namespace tarabead::modNakshatraInformation {
namespace {

TEST(FindNakshatra, MatchesExactNamesOnly) {
    const auto table = NakshatraTable();
    struct Case {
        std::string_view name;
        int number;  // 0: no row
    } cases[] = {
        {"Ashwini", 1},
        {"Poorva Phalguni", 11},
        {"Purva Ashadha", 20},
        {"Poorva Bhadrapada", 25},
        {"Revati", 27},
        {"Poorva Ashadha", 0},  // Purva, not Poorva, for row 20
        {"Purva Phalguni", 0},
        {"ashwini", 0},
        {"ASHWINI", 0},
        {"Ashwini ", 0},
        {" Revati", 0},
        {"PurvaAshadha", 0},
        {"", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NakshatraNumber(c.name), c.number) << "\"" << c.name << "\"";
        const NakshatraRow* row = FindNakshatra(c.name);
        if (c.number == 0) {
            EXPECT_EQ(row, nullptr) << "\"" << c.name << "\"";
        } else {
            EXPECT_EQ(row, &table[c.number - 1]) << "\"" << c.name << "\"";
        }
    }
}

TEST(NakshatraTable, NamesAreTheNamesTheChartGives) {
    const auto table = NakshatraTable();
    for (int row = 0; row < NakshatraCount; ++row) {
        EXPECT_EQ(table[row].Name, modVedicEphemeris::NakshatraNames[row]) << "row " << row + 1;
        EXPECT_EQ(NakshatraNumber(modVedicEphemeris::NakshatraNames[row]), row + 1);
    }
}

TEST(NakshatraTable, ShortColumnsFollowTheirCyclesAndBlocks) {
    constexpr std::array<std::string_view, 9> planets{"Ketu", "Venus",   "Sun",    "Moon",   "Mars",
                                                      "Rahu", "Jupiter", "Saturn", "Mercury"};
    constexpr std::array<std::string_view, 9> gemstones{
        "Cat's Eye", "Diamond",         "Ruby",          "White Pearl", "Red Coral",
        "Gomeda",    "Yellow Sapphire", "Blue Sapphire", "Emerald"};
    // First row (1-based) of each block; a block runs to the row before the next one's first.
    const auto blockOf = [](int number, std::initializer_list<int> firstRows) {
        int block = -1;
        for (int first : firstRows) block += number >= first ? 1 : 0;
        return block;
    };
    constexpr std::array<std::string_view, 5> elements{
        "Prithvi (Earth)", "Jala (Water)", "Tejo (Fire)", "Vayu (Air)", "Akasha (Space)"};
    constexpr std::array<std::string_view, 9> directions{"Central",    "East",       "South-East",
                                                         "South",      "South-West", "West",
                                                         "North-West", "North",      "North-East"};

    const auto table = NakshatraTable();
    std::set<std::string_view> bodyParts;
    for (int number = 1; number <= NakshatraCount; ++number) {
        const NakshatraRow& r = table[number - 1];
        SCOPED_TRACE(std::string(r.Name));
        const int planet = (number - 1) % 9;
        EXPECT_EQ(r.RulingPlanet, planets[planet]);
        EXPECT_EQ(r.Gemstone, number == 14 ? "Coral" : gemstones[planet]);
        EXPECT_EQ(r.Element, elements[blockOf(number, {1, 6, 12, 18, 23})]);
        // Blocks of three from row 3; rows 27, 1 and 2 close the circle in the north-east.
        EXPECT_EQ(r.Direction, directions[((number + 24) % 27) / 3]);
        EXPECT_TRUE(r.Dosha == "Vata" || r.Dosha == "Pitta" || r.Dosha == "Kapha");
        EXPECT_TRUE(r.LifePurpose == "Dharma" || r.LifePurpose == "Artha" ||
                    r.LifePurpose == "Kama" || r.LifePurpose == "Moksha");
        EXPECT_TRUE(r.Temperament == "Deva (Godly)" || r.Temperament == "Manushya (Human)" ||
                    r.Temperament == "Rakshasa (Demon)");
        EXPECT_TRUE(r.Gender == "Male" || r.Gender == "Female");
        EXPECT_TRUE(bodyParts.insert(r.BodyPart).second) << "body part twice: " << r.BodyPart;
        for (std::string_view value :
             {r.Name, r.RulingPlanet, r.Element, r.Dosha, r.RulingDeva, r.DevaPurpose,
              r.AstronomicalName, r.LifePurpose, r.AnimalSymbol, r.Symbol, r.Nature, r.Gender,
              r.Gemstone, r.Direction, r.BodyPart, r.Temperament}) {
            ASSERT_FALSE(value.empty());
            EXPECT_NE(value.front(), ' ') << value;
            EXPECT_NE(value.back(), ' ') << value;
            EXPECT_EQ(value.find_first_of("\r\n\""), std::string_view::npos) << value;
        }
    }
    // The feet first, then down the body from the head to the ankles.
    EXPECT_EQ(table[0].BodyPart, "Upper Part of Feet");
    EXPECT_EQ(table[1].BodyPart, "Soles");
    EXPECT_EQ(table[2].BodyPart, "Head");
    EXPECT_EQ(table[12].BodyPart, "Fingers");
    EXPECT_EQ(table[26].BodyPart, "Ankles");
}

TEST(NakshatraTable, ValuesKeepTheirOddLettersAndBlanks) {
    using Column = std::string_view NakshatraRow::*;
    struct Case {
        int number;
        Column column;
        std::string_view value;
    } cases[] = {
        {2, &NakshatraRow::Symbol, "Yoni ( Female Sexual Organ)"},
        {5, &NakshatraRow::Gemstone, "Red Coral"},
        {14, &NakshatraRow::Gemstone, "Coral"},
        {23, &NakshatraRow::Gemstone, "Red Coral"},
        {6, &NakshatraRow::DevaPurpose, "Shiva, Lord of Destruction & Anger"},
        {7, &NakshatraRow::AstronomicalName, "Beta Geminorium"},
        {8, &NakshatraRow::Symbol, "A Circle / A Flower/ An Arrow"},
        {10, &NakshatraRow::Symbol, "A House or a Palaquin"},
        {14, &NakshatraRow::RulingDeva, "Thvasta"},
        {14, &NakshatraRow::AstronomicalName, "Spica Virginis -Vegus"},
        {16, &NakshatraRow::AstronomicalName, "Alpha Libroe"},
        {20, &NakshatraRow::Symbol, "Tusk of an Elephant / A Handfan"},
        {22, &NakshatraRow::Symbol, "An Ear /An Arrow / Three Footprints"},
        {23, &NakshatraRow::DevaPurpose, "Deity of the Sun"},
        {25, &NakshatraRow::RulingDeva, "Ajaekapat"},
        {26, &NakshatraRow::AstronomicalName, "Gama Pegasi"},
        {27, &NakshatraRow::AstronomicalName, "Zeta Piscum"},
    };
    const auto table = NakshatraTable();
    for (const Case& c : cases) {
        EXPECT_EQ(table[c.number - 1].*c.column, c.value) << "nakshatra " << c.number;
    }
}

// One whole row, column by column, so that two columns swapped throughout would show.
TEST(NakshatraTable, PushyaRowInFull) {
    const NakshatraRow& r = NakshatraTable()[7];
    EXPECT_EQ(r.Name, "Pushya");
    EXPECT_EQ(r.RulingPlanet, "Saturn");
    EXPECT_EQ(r.Element, "Jala (Water)");
    EXPECT_EQ(r.Dosha, "Pitta");
    EXPECT_EQ(r.RulingDeva, "Brihaspati");
    EXPECT_EQ(r.DevaPurpose, "Jupiter, Teacher of the Demigods");
    EXPECT_EQ(r.AstronomicalName, "Delta Cancri");
    EXPECT_EQ(r.LifePurpose, "Dharma");
    EXPECT_EQ(r.AnimalSymbol, "Sheep");
    EXPECT_EQ(r.Symbol, "A Circle / A Flower/ An Arrow");
    EXPECT_EQ(r.Nature, "Light / Swift");
    EXPECT_EQ(r.Gender, "Male");
    EXPECT_EQ(r.Gemstone, "Blue Sapphire");
    EXPECT_EQ(r.Direction, "East");
    EXPECT_EQ(r.BodyPart, "Face");
    EXPECT_EQ(r.Temperament, "Deva (Godly)");
}

}  // namespace
}  // namespace tarabead::modNakshatraInformation
