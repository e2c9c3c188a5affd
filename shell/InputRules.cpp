#include "shell/InputRules.h"

#include <algorithm>

#include "shell/CalendarCheck.h"

namespace tarabead {

namespace {

constexpr bool IsAsciiLetter(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
constexpr bool IsAsciiDigit(char32_t c) { return c >= '0' && c <= '9'; }

bool ContentCharacterAccepted(KeyFamily family, char32_t c) {
    return family == KeyFamily::Letters ? IsAsciiLetter(c) || c == ' ' : IsAsciiDigit(c);
}

}  // namespace

bool KeyCodeAccepted(KeyFamily family, char32_t code) {
    return code == BackspaceCode || code == DeleteCode || ContentCharacterAccepted(family, code);
}

bool TextAccepted(KeyFamily family, std::u16string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [family](char16_t c) { return ContentCharacterAccepted(family, c); });
}

std::string_view RefusedCharacterMessage(KeyFamily family) {
    return family == KeyFamily::Letters ? OnlyLettersMessage : OnlyNumbersMessage;
}

InputCheck CheckBirthInput(const BirthInput& input) {
    struct Required {
        const std::string& text;
        InputProblem problem;
        std::string_view message;
    };
    // The spellings differ on purpose ("name" and "Name", "Minutes" and "Minute"): these are the
    // texts users of the program know.
    const Required required[] = {
        {input.Name, InputProblem::NameMissing, "Please Enter Your Name"},
        {input.LatitudeDegrees, InputProblem::LatitudeDegreesMissing,
         "Please Enter Degree of Latitude"},
        {input.LatitudeMinutes, InputProblem::LatitudeMinutesMissing,
         "Please Enter Minutes of Latitude"},
        {input.LongitudeDegrees, InputProblem::LongitudeDegreesMissing,
         "Please Enter Degree of Longitude"},
        {input.LongitudeMinutes, InputProblem::LongitudeMinutesMissing,
         "Please Enter Minute of Longitude"},
        {input.City, InputProblem::CityMissing, "Please Enter Your City name"},
        {input.State, InputProblem::StateMissing, "Please Enter Your State name"},
        {input.Country, InputProblem::CountryMissing, "Please Enter Your Country name"},
    };
    for (const Required& field : required) {
        if (field.text.empty()) return {field.problem, field.message, false};
    }
    if (!input.North && !input.South) {
        return {InputProblem::LatitudeDirectionMissing, "Please Select Direction For The Latitude",
                false};
    }
    if (!input.East && !input.West) {
        return {InputProblem::LongitudeDirectionMissing,
                "Please Select Direction For The Longitude", false};
    }
    const std::string_view dateMessage =
        CalendarCheck(input.DayIndex, input.MonthIndex, input.Year);
    if (!dateMessage.empty()) return {InputProblem::ImpossibleDate, dateMessage, true};
    return {};
}

}  // namespace tarabead
