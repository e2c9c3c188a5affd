// The fixed table of the 27 nakshatras that the nakshatra information report draws on, and the
// lookup by name that both reports start from.
#pragma once

#include <span>
#include <string_view>

namespace tarabead::modNakshatraInformation {

/// Number of rows of the table; row index + 1 is the nakshatra's number in the zodiac.
inline constexpr int NakshatraCount = 27;

/// One nakshatra. The first sixteen values are short labels, kept letter for letter as the system
/// has always printed them (odd blanks and spellings included); the last six are paragraphs of
/// prose, written in reports/text/nakshatras/. Every value is one line of text, except
/// Vishakha's PositiveTraits: two paragraphs separated by an empty line ("\r\n\r\n").
struct NakshatraRow {
    std::string_view Name;              ///< the key, as the chart calculation names the nakshatra
    std::string_view RulingPlanet;      ///< one of the nine grahas
    std::string_view Element;           ///< e.g. "Prithvi (Earth)"
    std::string_view Dosha;             ///< "Vata", "Pitta" or "Kapha"
    std::string_view RulingDeva;        ///< the presiding deity
    std::string_view DevaPurpose;       ///< what the deity stands for
    std::string_view AstronomicalName;  ///< the star's astronomical name
    std::string_view LifePurpose;       ///< "Dharma", "Artha", "Kama" or "Moksha"
    std::string_view AnimalSymbol;
    std::string_view Symbol;
    std::string_view Nature;
    std::string_view Gender;           ///< "Male" or "Female"
    std::string_view Gemstone;         ///< the lucky gemstone, after the ruling planet
    std::string_view Direction;        ///< the best direction
    std::string_view BodyPart;         ///< the part of the body the nakshatra governs
    std::string_view Temperament;      ///< "Deva (Godly)", "Manushya (Human)" or "Rakshasa (Demon)"
    std::string_view GeneralFeatures;  ///< the nakshatra itself: place, span, ruler, deity, symbol
    std::string_view PositiveTraits;   ///< the favourable character of its natives
    std::string_view NegativeTraits;   ///< their faults and what to guard against
    std::string_view Career;           ///< professions that suit them
    std::string_view DomesticLife;     ///< marriage and family life
    std::string_view Health;           ///< ailments they are prone to, and advice
};

/// The 27 rows in zodiacal order, from Ashwini (row 0, nakshatra 1) to Revati (row 26).
std::span<const NakshatraRow, NakshatraCount> NakshatraTable();

/// The first row whose Name equals the text exactly (same letters, case and blanks); nullptr when
/// none does.
const NakshatraRow* FindNakshatra(std::string_view name);

/// The number (1 to 27) of the nakshatra of that exact name, or 0 when there is none.
int NakshatraNumber(std::string_view name);

}  // namespace tarabead::modNakshatraInformation
