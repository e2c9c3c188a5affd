// The prose of both tables, written in reports/text/: every paragraph present, of a sensible
// length, in its own row, and no paragraph written twice.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "reports/modNakshatraInformation.h"
#include "reports/modTarabead.h"

namespace tarabead {
namespace {

using modNakshatraInformation::NakshatraCount;
using modNakshatraInformation::NakshatraRow;
using modNakshatraInformation::NakshatraTable;
using modTarabead::MukhiCount;
using modTarabead::MukhiRow;
using modTarabead::MukhiTable;

// The paragraphs of a value, which are separated by an empty line.
std::vector<std::string_view> Paragraphs(std::string_view value) {
    std::vector<std::string_view> paragraphs;
    for (std::size_t at = 0;;) {
        const std::size_t end = value.find("\r\n\r\n", at);
        paragraphs.push_back(value.substr(at, end - at));
        if (end == std::string_view::npos) return paragraphs;
        at = end + 4;
    }
}

// Length in characters, not bytes: "°" is two bytes of UTF-8.
int Characters(std::string_view text) {
    int count = 0;
    for (char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

// The length a kind of paragraph is written to, give or take a tenth.
struct Length {
    int min, max;
};

void ExpectParagraphs(std::string_view value, Length length, std::size_t count,
                      const std::string& where) {
    const auto paragraphs = Paragraphs(value);
    EXPECT_EQ(paragraphs.size(), count) << where;
    for (std::string_view p : paragraphs) {
        EXPECT_FALSE(p.empty()) << where;
        EXPECT_EQ(p.find_first_of("\r\n"), std::string_view::npos)
            << where << ": a stray line break";
    }
    const int n = Characters(value);
    EXPECT_GE(n, length.min * 9 / 10) << where << " is too short";
    EXPECT_LE(n, length.max * 11 / 10) << where << " is too long";
}

TEST(NakshatraProse, EveryParagraphIsWrittenToItsLength) {
    struct Column {
        const char* name;
        std::string_view NakshatraRow::*value;
        Length length;
    } columns[] = {
        {"GeneralFeatures", &NakshatraRow::GeneralFeatures, {250, 750}},
        {"PositiveTraits", &NakshatraRow::PositiveTraits, {250, 1200}},
        {"NegativeTraits", &NakshatraRow::NegativeTraits, {290, 860}},
        {"Career", &NakshatraRow::Career, {80, 390}},
        {"DomesticLife", &NakshatraRow::DomesticLife, {40, 350}},
        {"Health", &NakshatraRow::Health, {45, 290}},
    };
    for (const NakshatraRow& row : NakshatraTable()) {
        for (const Column& c : columns) {
            const bool twoParagraphs =
                row.Name == "Vishakha" && c.value == &NakshatraRow::PositiveTraits;
            ExpectParagraphs(row.*c.value, c.length, twoParagraphs ? 2 : 1,
                             std::string(row.Name) + " " + c.name);
        }
    }
}

// Whole word, so that "first" is not found in "twenty-first".
bool HasWord(std::string_view text, std::string_view word) {
    const auto isWordChar = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-';
    };
    for (std::size_t at = text.find(word); at != std::string_view::npos;
         at = text.find(word, at + 1)) {
        const bool startsWord = at == 0 || !isWordChar(text[at - 1]);
        const bool endsWord =
            at + word.size() == text.size() || !isWordChar(text[at + word.size()]);
        if (startsWord && endsWord) return true;
    }
    return false;
}

// A position within its sign, written like 13°-20'.
std::string DegreesAndMinutes(int arcMinutes) {
    const int minutes = arcMinutes % 60;
    return std::to_string(arcMinutes / 60) + "°-" + (minutes < 10 ? "0" : "") +
           std::to_string(minutes) + "'";
}

TEST(NakshatraProse, GeneralFeaturesPlaceTheNakshatraInTheZodiac) {
    constexpr std::array<std::string_view, NakshatraCount> ordinals{
        "first",        "second",        "third",        "fourth",        "fifth",
        "sixth",        "seventh",       "eighth",       "ninth",         "tenth",
        "eleventh",     "twelfth",       "thirteenth",   "fourteenth",    "fifteenth",
        "sixteenth",    "seventeenth",   "eighteenth",   "nineteenth",    "twentieth",
        "twenty-first", "twenty-second", "twenty-third", "twenty-fourth", "twenty-fifth",
        "twenty-sixth", "twenty-seventh"};
    constexpr std::array<std::string_view, 12> signs{
        "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
        "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    constexpr int kNakshatraArc = 800;  // 13°20' in arc minutes
    constexpr int kSignArc = 1800;      // 30°

    const auto table = NakshatraTable();
    for (int number = 1; number <= NakshatraCount; ++number) {
        const NakshatraRow& row = table[number - 1];
        const std::string_view text = row.GeneralFeatures;
        SCOPED_TRACE(std::string(row.Name));
        EXPECT_TRUE(HasWord(text, ordinals[number - 1])) << "no \"" << ordinals[number - 1] << "\"";
        // From the start to the end of its 13°20', each counted within its own sign; an end on
        // a sign's boundary is 30°-00' of the sign it closes.
        const int start = (number - 1) * kNakshatraArc;
        const int end = number * kNakshatraArc;
        const int startSign = start / kSignArc;
        const int endSign = (end - 1) / kSignArc;
        EXPECT_TRUE(HasWord(text, signs[startSign])) << "no " << signs[startSign];
        EXPECT_TRUE(HasWord(text, signs[endSign])) << "no " << signs[endSign];
        const std::string from = DegreesAndMinutes(start - startSign * kSignArc);
        const std::string to = DegreesAndMinutes(end - endSign * kSignArc);
        EXPECT_NE(text.find(from), std::string_view::npos) << "no span from " << from;
        EXPECT_NE(text.find(to), std::string_view::npos) << "no span to " << to;
        EXPECT_TRUE(HasWord(text, row.RulingPlanet)) << "no ruling planet " << row.RulingPlanet;
        EXPECT_NE(text.find(row.RulingDeva), std::string_view::npos)
            << "no deity " << row.RulingDeva;
    }
}

TEST(MukhiProse, EveryTextIsWrittenToItsLength) {
    const auto table = MukhiTable();
    for (int mukhi = 1; mukhi <= MukhiCount; ++mukhi) {
        const MukhiRow& row = table[mukhi - 1];
        const std::string where = "mukhi " + std::to_string(mukhi);
        ExpectParagraphs(row.Description, {130, 510}, 1, where + " Description");
        ExpectParagraphs(row.Ritual, {65, 180}, 1, where + " Ritual");
        if (row.PlanetReading != "NA") {
            ExpectParagraphs(row.PlanetReading, {210, 290}, 1, where + " PlanetReading");
        }
    }
}

TEST(MukhiProse, TextsNameTheirOwnBead) {
    const auto table = MukhiTable();
    for (int mukhi = 1; mukhi <= MukhiCount; ++mukhi) {
        const MukhiRow& row = table[mukhi - 1];
        SCOPED_TRACE("mukhi " + std::to_string(mukhi));
        EXPECT_NE(row.Description.find(row.Name), std::string_view::npos);
        if (row.Planet != "NA") {
            EXPECT_TRUE(HasWord(row.Description, row.Planet)) << "no planet " << row.Planet;
        }
        // The digits of the bead itself: "1 Mukhi" must not be found in "11 Mukhi".
        const std::string digits = std::to_string(mukhi) + " Mukhi Rudraksha";
        bool named = false;
        for (std::size_t at = row.Ritual.find(digits); at != std::string_view::npos;
             at = row.Ritual.find(digits, at + 1)) {
            named = named || at == 0 || row.Ritual[at - 1] == ' ';
        }
        EXPECT_TRUE(named) << row.Ritual;
    }
}

TEST(ReportProse, NoTwoParagraphsAreAlike) {
    std::map<std::string_view, std::string> seen;  // paragraph, where it was first found
    const auto expectNew = [&seen](std::string_view value, const std::string& where) {
        for (std::string_view p : Paragraphs(value)) {
            const auto [it, inserted] = seen.emplace(p, where);
            EXPECT_TRUE(inserted) << where << " repeats " << it->second;
        }
    };
    for (const NakshatraRow& row : NakshatraTable()) {
        const std::string name(row.Name);
        expectNew(row.GeneralFeatures, name + " GeneralFeatures");
        expectNew(row.PositiveTraits, name + " PositiveTraits");
        expectNew(row.NegativeTraits, name + " NegativeTraits");
        expectNew(row.Career, name + " Career");
        expectNew(row.DomesticLife, name + " DomesticLife");
        expectNew(row.Health, name + " Health");
    }
    std::map<std::string_view, std::string_view> readingOfPlanet;
    for (const MukhiRow& row : MukhiTable()) {
        const std::string name(row.Name);
        expectNew(row.Description, name + " Description");
        expectNew(row.Ritual, name + " Ritual");
        // Beads of one planet print the same reading; different planets never share one.
        if (row.PlanetReading != "NA" &&
            readingOfPlanet.emplace(row.Planet, row.PlanetReading).second) {
            expectNew(row.PlanetReading, name + " PlanetReading");
        }
    }
    EXPECT_EQ(readingOfPlanet.size(), 7u);
}

}  // namespace
}  // namespace tarabead
