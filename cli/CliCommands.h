// The command-line companion's commands, kept apart from main() so they can be tested with
// string streams.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/BirthDetails.h"

namespace tarabead::cli {

/// Exit statuses: 0 success, 1 bad input (message on standard error), 2 malformed command line.
enum ExitStatus { Success = 0, BadInput = 1, Usage = 2 };

/// Birth details parsed from text, or the reason they were refused.
struct ParsedBirth {
    std::optional<BirthDetails> Details;
    std::string Error;
};

/// Parses and checks birth data with the rules of the main window: years 1905 to 2050, hour 0 to
/// 24, minute 0 to 59, the calendar check, coordinates of 1 to 3 digits and a zone row 0 to 70.
/// The zone offset stored is the row's magnitude.
ParsedBirth ParseBirth(std::string_view day, std::string_view month, std::string_view year,
                       std::string_view hour, std::string_view minute, std::string_view zoneRow,
                       std::string_view lonDeg, std::string_view lonMin, std::string_view lonDir,
                       bool dst);

/// The usage text printed for a malformed command line.
std::string UsageText();

/// Runs the companion with its arguments (without the program name).
int Run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
        std::ostream& err);

}  // namespace tarabead::cli
