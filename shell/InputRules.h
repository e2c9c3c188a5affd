// What the main window's text boxes accept and how a reading request's input is checked before
// anything is calculated. Qt-free, so the rules can be used and tested without a window.
#pragma once

#include <string>
#include <string_view>

namespace tarabead {

/// The two kinds of text box of the main window: names of people and places, and coordinates.
enum class KeyFamily {
    Letters,  ///< txtName, txtCity, txtState, txtCountry: A to Z, a to z and the blank
    Digits,   ///< txtLatDeg, txtLatMin, txtLonDeg, txtLonMin: 0 to 9 (no sign, no decimal point)
};

/// Character codes of the editing keys every text box lets through.
inline constexpr char32_t BackspaceCode = 8;
inline constexpr char32_t DeleteCode = 127;
/// Enter is a typed character too, and one that no text box accepts.
inline constexpr char32_t EnterCode = 13;

/// Whether a keystroke with this character code may reach a text box of the family.
bool KeyCodeAccepted(KeyFamily family, char32_t code);

/// Whether every character of a box's content belongs to the family (letters and blanks, or
/// digits). Guards text that arrives without a keystroke: pasted, dropped or composed.
bool TextAccepted(KeyFamily family, std::u16string_view text);

inline constexpr std::string_view OnlyLettersMessage = "Please enter only letters";
inline constexpr std::string_view OnlyNumbersMessage = "Please enter only numbers";

/// Message shown when a box of the family refuses a character.
std::string_view RefusedCharacterMessage(KeyFamily family);

/// The main window's input as a reading request finds it.
struct BirthInput {
    std::string Name, LatitudeDegrees, LatitudeMinutes, LongitudeDegrees, LongitudeMinutes;
    std::string City, State, Country;
    bool North = true, South = false;  ///< the two latitude option buttons
    bool East = true, West = false;    ///< the two longitude option buttons
    int DayIndex = 0;                  ///< position in the day list: day - 1
    int MonthIndex = 0;                ///< position in the month list: month - 1
    int Year = 1905;                   ///< the chosen year as a number
};

/// The first thing wrong with the input, in the order the checks run.
enum class InputProblem {
    None,
    NameMissing,
    LatitudeDegreesMissing,
    LatitudeMinutesMissing,
    LongitudeDegreesMissing,
    LongitudeMinutesMissing,
    CityMissing,
    StateMissing,
    CountryMissing,
    LatitudeDirectionMissing,
    LongitudeDirectionMissing,
    ImpossibleDate,
};

struct InputCheck {
    InputProblem Problem = InputProblem::None;
    std::string_view Message;  ///< what to tell the user; empty when nothing is wrong
    /// A missing field or direction is an error (critical icon); an impossible date is a notice
    /// (information icon).
    bool IsNotice = false;
};

/// Runs the checks in order and stops at the first that fails. "Empty" means exactly the empty
/// text: a single blank counts as a name. Degrees and minutes have no range check.
InputCheck CheckBirthInput(const BirthInput& input);

}  // namespace tarabead
