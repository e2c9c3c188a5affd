// The Rudraksha beads: the fixed table of the fifteen faced beads (mukhis), the choice of beads
// for a birth nakshatra, and the three care lists printed with every recommended bead.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tarabead::modTarabead {

/// Number of beads in the table; row index + 1 is the bead's number of faces and the number of
/// its picture.
inline constexpr int MukhiCount = 15;

/// One bead. Description, PlanetReading and Ritual are prose, written in reports/text/mukhis/;
/// the other values are short labels kept letter for letter as the system has always printed
/// them. "NA" (not applicable) is an ordinary value. Every value is one line of text.
struct MukhiRow {
    std::string_view Name;           ///< e.g. "Four Mukhi Rudraksha"
    std::string_view Description;    ///< what the bead stands for and does for its wearer
    std::string_view Planet;         ///< the ruling planet, or "NA"
    std::string_view PlanetReading;  ///< a sketch of a person ruled by Planet, or "NA"
    std::string_view Deity;          ///< whom the bead is a symbol of
    std::string_view Number;         ///< the planet's number for mukhis 1 to 9, else "NA"
    std::string_view WearDay;        ///< the day to wear it first
    std::string_view Mantra;
    std::string_view BodyParts;  ///< comma-separated list
    std::string_view Ailments;   ///< comma-separated list
    std::string_view Ritual;     ///< how to prepare and wear the bead
};

/// The 15 beads, mukhi n at index n - 1.
std::span<const MukhiRow, MukhiCount> MukhiTable();

/// The mukhis recommended for the nakshatra of that exact name (same letters, case and blanks), in
/// report order: the bead of the nakshatra's ruling planet (Ketu 9, Venus 6, Moon 2, Mars 3,
/// Rahu 8, Jupiter 5, Saturn 7, Mercury 4), or 1, 11 and 12 for the three nakshatras of the Sun.
/// No result for a text that names no nakshatra.
std::optional<std::span<const int>> MukhiChoice(std::string_view nakshatraName);

/// Lines of each care list: a heading followed by five numbered items.
inline constexpr int CareLineCount = 6;

/// The care lists printed with every recommended bead; empty until LoadRudrakshaCare().
extern std::array<std::string, CareLineCount> BenefitsList;
extern std::array<std::string, CareLineCount> DosList;
extern std::array<std::string, CareLineCount> DontsList;

/// Writes all lines of the three care lists, overwriting whatever they held. Idempotent.
void LoadRudrakshaCare();

}  // namespace tarabead::modTarabead
