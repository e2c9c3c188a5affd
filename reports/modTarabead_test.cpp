// The bead table's short columns, the choice of beads for each nakshatra and the care lists.
#include "reports/modTarabead.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "reports/modNakshatraInformation.h"

namespace tarabead::modTarabead {
namespace {

using modNakshatraInformation::NakshatraTable;

TEST(MukhiTable, ShortColumnsFollowTheBeadsPlanets) {
    constexpr std::array<std::string_view, MukhiCount> counts{
        "One",  "Two", "Three",  "Four",   "Five",     "Six",      "Seven",  "Eight",
        "Nine", "Ten", "Eleven", "Twelve", "Thirteen", "Fourteen", "Fifteen"};
    constexpr std::array<std::string_view, MukhiCount> planets{
        "Sun",  "Moon", "Mars", "Mercury", "Jupiter", "Venus",  "Saturn", "Rahu",
        "Ketu", "NA",   "NA",   "Sun",     "Venus",   "Saturn", "NA"};
    const std::map<std::string_view, std::string_view> numberOfPlanet{
        {"Sun", "1"},   {"Moon", "2"},   {"Mars", "9"}, {"Mercury", "5"}, {"Jupiter", "3"},
        {"Venus", "6"}, {"Saturn", "8"}, {"Rahu", "4"}, {"Ketu", "7"}};

    const auto table = MukhiTable();
    for (int mukhi = 1; mukhi <= MukhiCount; ++mukhi) {
        const MukhiRow& r = table[mukhi - 1];
        SCOPED_TRACE("mukhi " + std::to_string(mukhi));
        EXPECT_EQ(r.Name, std::string(counts[mukhi - 1]) + " Mukhi Rudraksha");
        EXPECT_EQ(r.Planet, planets[mukhi - 1]);
        EXPECT_EQ(r.Number, mukhi <= 9 ? numberOfPlanet.at(r.Planet) : "NA");
        EXPECT_EQ(r.WearDay, mukhi == 10 ? "Sunday" : "Monday");
        EXPECT_EQ(r.Deity == "Lord Shiva", mukhi == 1 || mukhi == 5 || mukhi == 14) << r.Deity;
        for (std::string_view value :
             {r.Name, r.Planet, r.Deity, r.Number, r.WearDay, r.Mantra, r.BodyParts, r.Ailments}) {
            ASSERT_FALSE(value.empty());
            EXPECT_NE(value.front(), ' ') << value;
            EXPECT_NE(value.back(), ' ') << value;
            EXPECT_EQ(value.find_first_of("\r\n\""), std::string_view::npos) << value;
        }
    }
}

TEST(MukhiTable, ValuesKeepTheirOddLettersAndBlanks) {
    using Column = std::string_view MukhiRow::*;
    struct Case {
        int mukhi;
        Column column;
        std::string_view value;
    } cases[] = {
        {1, &MukhiRow::BodyParts, "Thymus , Heart, Spine, Diaphragm, Veins, Blood, Eyes"},
        {12, &MukhiRow::BodyParts, "Thymus , Heart, Spine, Diaphragm, Veins, Blood, Eyes"},
        {6, &MukhiRow::BodyParts, "Neck, Kidneys, Throat, sexual organs, Thyroid Glands"},
        {13, &MukhiRow::BodyParts, "Neck, Kidneys, Throat, Sexual organs, Thyroid Glands"},
        {8, &MukhiRow::BodyParts, "Lungs , Feet, Skin, Eyes"},
        {10, &MukhiRow::BodyParts, "Brain , Skin, Blood"},
        {1, &MukhiRow::Mantra, "Aum Hreem Namah. Om Namah Shivaya"},
        {9, &MukhiRow::Mantra, "Aum Hreem Hum Namah,Nav Durgayai Namah"},
        {11, &MukhiRow::Mantra, "Aum Hreem Hum Namah.Om Shree Rudray Namah"},
        {15, &MukhiRow::Mantra, "Om Namah Shivaye"},
        {2, &MukhiRow::Deity, "ArdhaNareeshwara"},
        {7, &MukhiRow::Deity, "Goddess Mahalaxmi"},
        {2, &MukhiRow::BodyParts,
         "Breasts, Stomach, Lymphatic System, Non Blood fluid systems, Perspiration, Sympathetic "
         "Nervous System, Saliva"},
        {5, &MukhiRow::Ailments,
         "Blood Pressure, Mental Instability, Obesity, Heart Problems, Stress, Anger Management, "
         "Diabetes, Piles, Neurotic Problems, Constipation"},
        {15, &MukhiRow::Ailments, "Skin Diseases, Fertility Problems, Thinking, Concentration"},
    };
    const auto table = MukhiTable();
    for (const Case& c : cases) EXPECT_EQ(table[c.mukhi - 1].*c.column, c.value) << c.mukhi;
}

// Revati's bead, column by column, so that two columns swapped throughout would show.
TEST(MukhiTable, FourMukhiRowInFull) {
    const MukhiRow& r = MukhiTable()[3];
    EXPECT_EQ(r.Name, "Four Mukhi Rudraksha");
    EXPECT_EQ(r.Planet, "Mercury");
    EXPECT_EQ(r.Deity, "God Brahma");
    EXPECT_EQ(r.Number, "5");
    EXPECT_EQ(r.WearDay, "Monday");
    EXPECT_EQ(r.Mantra, "Aum Hreem Namah");
    EXPECT_EQ(r.BodyParts, "Arms, Brain Disorders, Hands, Lungs, Sensory organs, Thyroid Glands");
    EXPECT_EQ(r.Ailments,
              "Blood Circulation, Cough, Brain Disorders, Asthma, Respiratory Problems, Paralysis");
}

TEST(MukhiTable, BeadsOfOnePlanetShareItsReading) {
    const auto table = MukhiTable();
    for (int a = 1; a <= MukhiCount; ++a) {
        const MukhiRow& r = table[a - 1];
        const bool hasReading = a <= 7 || (a >= 12 && a <= 14);
        EXPECT_EQ(r.PlanetReading == "NA", !hasReading) << "mukhi " << a;
        for (int b = 1; b < a; ++b) {
            if (!hasReading || table[b - 1].PlanetReading == "NA") continue;
            EXPECT_EQ(r.PlanetReading == table[b - 1].PlanetReading,
                      r.Planet == table[b - 1].Planet)
                << "mukhis " << b << " and " << a;
        }
    }
    EXPECT_EQ(table[11].PlanetReading, table[0].PlanetReading);  // 12 and 1, the Sun
    EXPECT_EQ(table[12].PlanetReading, table[5].PlanetReading);  // 13 and 6, Venus
    EXPECT_EQ(table[13].PlanetReading, table[6].PlanetReading);  // 14 and 7, Saturn
}

TEST(MukhiChoice, EveryNakshatraGetsTheBeadsOfItsRulingPlanet) {
    const std::map<std::string_view, std::vector<int>> beadsOfPlanet{
        {"Ketu", {9}}, {"Venus", {6}},   {"Sun", {1, 11, 12}}, {"Moon", {2}},   {"Mars", {3}},
        {"Rahu", {8}}, {"Jupiter", {5}}, {"Saturn", {7}},      {"Mercury", {4}}};
    for (const auto& nakshatra : NakshatraTable()) {
        SCOPED_TRACE(std::string(nakshatra.Name));
        const auto choice = MukhiChoice(nakshatra.Name);
        ASSERT_TRUE(choice.has_value());
        const std::vector<int> mukhis(choice->begin(), choice->end());
        EXPECT_EQ(mukhis, beadsOfPlanet.at(nakshatra.RulingPlanet));
        if (mukhis.size() == 1) {
            EXPECT_EQ(MukhiTable()[mukhis[0] - 1].Planet, nakshatra.RulingPlanet);
        }
    }
}

TEST(MukhiChoice, NoResultForTextsThatNameNoNakshatra) {
    for (std::string_view name : {"", "krittika", "Krittika ", "Poorva Ashadha", "Sun", "NA"}) {
        EXPECT_FALSE(MukhiChoice(name).has_value()) << "\"" << name << "\"";
    }
}

TEST(LoadRudrakshaCare, FillsTheThreeListsWithTheirTexts) {
    BenefitsList[0] = "left over";
    DontsList[5] = "left over";
    LoadRudrakshaCare();
    LoadRudrakshaCare();
    const std::array<std::string, CareLineCount> benefits{
        "Benefits of Rudraksh",
        "1.Rudraksh beads help overcome problems and difficult periods in life.",
        "2.They have no negative effects like gemstones.",
        "3.Rudraksh beads have many medicinal and spiritual properties.",
        "4.They have electric and magnetic properties that get enhanced when worn with metal.",
        "5.Rudraksh beads also give you peace of mind, better concentration and have good healing "
        "powers."};
    const std::array<std::string, CareLineCount> dos{
        "Do 's  for keeping Rudraksh",
        "1.Clean them with brushes that have soft bristles.",
        "2.Oil the beads regularly with mustard oil.",
        "3.Keep them in a clean and holy place.",
        "4.They are lucky and can be hung in front of homes and temple doors.",
        "5.Keep them in the holy place of worship so that the whole house is filled with positive "
        "energy."};
    const std::array<std::string, CareLineCount> donts{
        "Dont 's  for keeping Rudraksh",
        "1.Don't wear rudraksh beads while sleeping.",
        "2.Do not use someone else's Rudraksh mala.",
        "3.Remove the beads while having a bath.",
        "4.Do not wear the beads like a ring on your fingers.",
        "5.The rosary beads used for chanting mantra should not be worn on the body."};
    EXPECT_EQ(BenefitsList, benefits);
    EXPECT_EQ(DosList, dos);
    EXPECT_EQ(DontsList, donts);
}

}  // namespace
}  // namespace tarabead::modTarabead
