#include "reports/modNakshatraInformation.h"

#include <array>
#include <cstddef>
#include <utility>

#include "reports/modReportText.h"

namespace tarabead::modNakshatraInformation {

namespace {

// The texts of reports/text/nakshatras/01-Ashwini.md to 27-Revati.md, in zodiacal order.
constexpr std::array<std::string_view, NakshatraCount> kTexts{
#include "NakshatraTexts.inc"
};

// The short columns of one row, in the order of NakshatraRow.
struct ShortValues {
    std::string_view Name, RulingPlanet, Element, Dosha, RulingDeva, DevaPurpose, AstronomicalName,
        LifePurpose, AnimalSymbol, Symbol, Nature, Gender, Gemstone, Direction, BodyPart,
        Temperament;
};

// Name, ruling planet, element, dosha, ruling deva, purpose of the deva, astronomical name,
// purpose in life, animal symbol, symbol, nature, gender, gemstone, direction, body part and
// temperament of nakshatras 1 to 27.
constexpr std::array<ShortValues, NakshatraCount> kShortValues{{
    {"Ashwini", "Ketu", "Prithvi (Earth)", "Vata", "Ashwina Kumara", "Physician of the Demi Gods",
     "Beta Arietis", "Dharma", "Horse", "Head of a Horse", "Light / Swift", "Male", "Cat's Eye",
     "North-East", "Upper Part of Feet", "Deva (Godly)"},
    {"Bharani", "Venus", "Prithvi (Earth)", "Pitta", "Yamaraja", "Punisher of Death", "35 Arietis",
     "Artha", "Elephant", "Yoni ( Female Sexual Organ)", "Ferocious", "Male", "Diamond",
     "North-East", "Soles", "Manushya (Human)"},
    {"Krittika", "Sun", "Prithvi (Earth)", "Kapha", "Agni", "The Demi God of Fire", "Eta Tauri",
     "Kama", "Sheep", "A Razor", "Sharp & Soft", "Female", "Ruby", "Central", "Head",
     "Rakshasa (Demon)"},
    {"Rohini", "Moon", "Prithvi (Earth)", "Kapha", "Brahma", "Creator of the Universe", "Aldebaran",
     "Moksha", "Serpent", "A Chariot", "Fixed", "Male", "White Pearl", "Central", "Forehead",
     "Manushya (Human)"},
    {"Mrigasira", "Mars", "Prithvi (Earth)", "Pitta", "Chandra", "Moon, Deity of the Mind",
     "Lambda Orionis", "Moksha", "Serpent", "Head of a Deer", "Soft", "Female", "Red Coral",
     "Central", "Eye Brows", "Deva (Godly)"},
    {"Ardra", "Rahu", "Jala (Water)", "Vata", "Rudra", "Shiva, Lord of Destruction & Anger",
     "Alpha Orionis", "Kama", "Dog", "Precious Stone", "Sharp & Dreadful", "Female", "Gomeda",
     "East", "Eyes", "Manushya (Human)"},
    {"Punarvasu", "Jupiter", "Jala (Water)", "Vata", "Aditi", "Mother of the Demigods",
     "Beta Geminorium", "Artha", "Cat", "A Bow / A House", "Mutable", "Female", "Yellow Sapphire",
     "East", "Nose", "Deva (Godly)"},
    {"Pushya", "Saturn", "Jala (Water)", "Pitta", "Brihaspati", "Jupiter, Teacher of the Demigods",
     "Delta Cancri", "Dharma", "Sheep", "A Circle / A Flower/ An Arrow", "Light / Swift", "Male",
     "Blue Sapphire", "East", "Face", "Deva (Godly)"},
    {"Ashlesha", "Mercury", "Jala (Water)", "Kapha", "Naga", "The Serpent Demigod", "Alpha Hydroe",
     "Dharma", "Cat", "A Serpent", "Sharp & Dreadful", "Male", "Emerald", "South-East", "Ears",
     "Rakshasa (Demon)"},
    {"Magha", "Ketu", "Jala (Water)", "Kapha", "Pitara", "The Forefathers", "Regulus", "Artha",
     "Rat", "A House or a Palaquin", "Ferocious", "Male", "Cat's Eye", "South-East", "Lips & Chin",
     "Rakshasa (Demon)"},
    {"Poorva Phalguni", "Venus", "Jala (Water)", "Pitta", "Bhaga", "The Demi God of Lavishness",
     "Delta Leonis", "Kama", "Rat", "A Fire Place", "Ferocious", "Female", "Diamond", "South-East",
     "Right Hand", "Manushya (Human)"},
    {"Uttara Phalguni", "Sun", "Tejo (Fire)", "Vata", "Aryama", "Lord of the Manes", "Beta Leonis",
     "Moksha", "Cow", "A Small Bed", "Fixed", "Male", "Ruby", "South", "Left Hand",
     "Manushya (Human)"},
    {"Hasta", "Moon", "Tejo (Fire)", "Vata", "Aditya", "The Sun, Demi God of Light", "Delta Corvi",
     "Moksha", "Buffalo", "The Fist", "Light / Swift", "Female", "White Pearl", "South", "Fingers",
     "Deva (Godly)"},
    {"Chitra", "Mars", "Tejo (Fire)", "Pitta", "Thvasta", "Vishwakarma, Architect of the Demigods",
     "Spica Virginis -Vegus", "Kama", "Tiger", "A Pearl", "Soft", "Female", "Coral", "South",
     "Neck", "Rakshasa (Demon)"},
    {"Swati", "Rahu", "Tejo (Fire)", "Kapha", "Vayu", "Demi God of Wind", "Arcturus", "Artha",
     "Buffalo", "A Coral", "Mutable", "Male", "Gomeda", "South-West", "Chest", "Deva (Godly)"},
    {"Vishakha", "Jupiter", "Tejo (Fire)", "Kapha", "Shakragni", "Combination of Indra & Agni",
     "Alpha Libroe", "Dharma", "Tiger", "A Potter's Wheel", "Sharp & Soft", "Male",
     "Yellow Sapphire", "South-West", "Breasts", "Rakshasa (Demon)"},
    {"Anuradha", "Saturn", "Tejo (Fire)", "Pitta", "Mitra", "Demi God of Brain", "Delta Scorpio",
     "Dharma", "Hare", "A Lotus Flower", "Soft", "Female", "Blue Sapphire", "South-West", "Stomach",
     "Deva (Godly)"},
    {"Jyeshtha", "Mercury", "Vayu (Air)", "Vata", "Indra", "Vasava, King of the Demigods",
     "Antares", "Artha", "Hare", "An Umbrella", "Sharp & Dreadful", "Male", "Emerald", "West",
     "Right Side of Trunk", "Rakshasa (Demon)"},
    {"Moola", "Ketu", "Vayu (Air)", "Vata", "Nirriti", "Rakshasa, King of Demons", "Lambda Scorpio",
     "Kama", "Dog", "Tail of a Lion", "Sharp & Dreadful", "Male", "Cat's Eye", "West",
     "Left Side of Trunk", "Rakshasa (Demon)"},
    {"Purva Ashadha", "Venus", "Vayu (Air)", "Pitta", "Varuna", "Demi God of Water",
     "Delta Sagittari", "Moksha", "Monkey", "Tusk of an Elephant / A Handfan", "Ferocious", "Male",
     "Diamond", "West", "Back", "Manushya (Human)"},
    {"Uttara Ashadha", "Sun", "Vayu (Air)", "Kapha", "Vishwadeva", "Demi God of the Stars",
     "Sigma Sagittari", "Moksha", "Mongoose", "A Small Cot", "Fixed", "Male", "Ruby", "North-West",
     "Waist", "Manushya (Human)"},
    {"Shravana", "Moon", "Vayu (Air)", "Kapha", "Govinda", "Lord Vishnu", "Alpha Aquiloe", "Artha",
     "Monkey", "An Ear /An Arrow / Three Footprints", "Mutable", "Female", "White Pearl",
     "North-West", "Sex Organs", "Manushya (Human)"},
    {"Dhanistha", "Mars", "Akasha (Space)", "Pitta", "Vasu", "Deity of the Sun", "Beta Delphinum",
     "Dharma", "Lion", "A Musical Drum / A Flute", "Mutable", "Female", "Red Coral", "North-West",
     "Anus", "Rakshasa (Demon)"},
    {"Shatabhisha", "Rahu", "Akasha (Space)", "Vata", "Varuna", "God of the Rains",
     "Lambda Aquarius", "Dharma", "Horse", "Hundred Flowers / A Circle", "Mutable", "Female",
     "Gomeda", "North", "Right Thigh", "Rakshasa (Demon)"},
    {"Poorva Bhadrapada", "Jupiter", "Akasha (Space)", "Vata", "Ajaekapat", "A form of Shiva",
     "Alpha Pegasi", "Artha", "Lion", "A Sword", "Ferocious", "Male", "Yellow Sapphire", "North",
     "Left Thigh", "Manushya (Human)"},
    {"Uttara Bhadrapada", "Saturn", "Akasha (Space)", "Pitta", "Ahirbudhanya",
     "The Snake that holds the Universe", "Gama Pegasi", "Kama", "Cow", "Twins or the Number Two",
     "Fixed", "Female", "Blue Sapphire", "North", "Shins", "Manushya (Human)"},
    {"Revati", "Mercury", "Akasha (Space)", "Kapha", "Pushan", "Demi God for Agriculture",
     "Zeta Piscum", "Moksha", "Elephant", "A Fish", "Soft", "Female", "Emerald", "North-East",
     "Ankles", "Deva (Godly)"},
}};

// The prose columns, by their headings in a nakshatra's text.
constexpr std::string_view kGeneralFeatures = "GeneralFeatures", kPositiveTraits = "PositiveTraits",
                           kNegativeTraits = "NegativeTraits", kCareer = "Career",
                           kDomesticLife = "DomesticLife", kHealth = "Health";

constexpr NakshatraRow WithProse(const ShortValues& v, std::string_view text) {
    using modReportText::Section;
    modReportText::CheckHeadings(text, {kGeneralFeatures, kPositiveTraits, kNegativeTraits, kCareer,
                                        kDomesticLife, kHealth});
    if (modReportText::Title(text) != v.Name) {
        throw modReportText::TextFault("a nakshatra text's title is not the name of its row");
    }
    return {v.Name,
            v.RulingPlanet,
            v.Element,
            v.Dosha,
            v.RulingDeva,
            v.DevaPurpose,
            v.AstronomicalName,
            v.LifePurpose,
            v.AnimalSymbol,
            v.Symbol,
            v.Nature,
            v.Gender,
            v.Gemstone,
            v.Direction,
            v.BodyPart,
            v.Temperament,
            Section(text, kGeneralFeatures),
            Section(text, kPositiveTraits),
            Section(text, kNegativeTraits),
            Section(text, kCareer),
            Section(text, kDomesticLife),
            Section(text, kHealth)};
}

template <std::size_t... Row>
constexpr std::array<NakshatraRow, NakshatraCount> BuildTable(std::index_sequence<Row...>) {
    return {{WithProse(kShortValues[Row], kTexts[Row])...}};
}

// Built while compiling: a fault in a text stops the build.
constexpr std::array<NakshatraRow, NakshatraCount> kTable =
    BuildTable(std::make_index_sequence<NakshatraCount>());

}  // namespace

std::span<const NakshatraRow, NakshatraCount> NakshatraTable() { return kTable; }

const NakshatraRow* FindNakshatra(std::string_view name) {
    for (const NakshatraRow& row : kTable) {
        if (row.Name == name) return &row;
    }
    return nullptr;
}

int NakshatraNumber(std::string_view name) {
    const NakshatraRow* row = FindNakshatra(name);
    return row == nullptr ? 0 : static_cast<int>(row - kTable.data()) + 1;
}

}  // namespace tarabead::modNakshatraInformation
