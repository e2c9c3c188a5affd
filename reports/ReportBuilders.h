// The two reports of a reading, written step by step into the result window's report boxes:
// box 0 the nakshatra information report, box 1 the Rudraksha recommendation report.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reports/MarkupReportWriter.h"
#include "reports/ReportWriter.h"

namespace tarabead::modNakshatraInformation {

/// Clears box 0 and writes the report of the nakshatra called name: its picture, then the 21
/// headed entries of its row. A name that is none of the 27 leaves box 0 empty.
void BuildNakshatraReport(reports::ReportBoxes& boxes, std::string_view name);

}  // namespace tarabead::modNakshatraInformation

namespace tarabead::modTarabead {

/// The mukhis chosen by the last Rudraksha report, in report order; empty when its name was none
/// of the 27.
extern std::vector<int> RecommendedMukhis;

/// Clears box 1 and writes, for each bead recommended for nakshatraName, the three care lists,
/// the bead's name, its picture and its ten headed entries. For a name that is none of the 27 the
/// box holds one line saying so.
void BuildRudrakshaReport(reports::ReportBoxes& boxes, std::string_view nakshatraName);

/// The same for the current reading's NakshatraName.
void BuildRudrakshaReport(reports::ReportBoxes& boxes);

/// The line box 1 shows when the reading's name is none of the 27 nakshatras.
inline constexpr std::string_view NoKnownNakshatraText =
    "This reading does not name a known birth nakshatra, so no Rudraksha can be recommended.";

}  // namespace tarabead::modTarabead

namespace tarabead::reports {

/// Both reports of nakshatraName as plain UTF-8 text, the lines as the report boxes show them:
/// the nakshatra report, a blank line, then the Rudraksha report; each picture is a line of its
/// own such as "[picture: Revati]".
std::string ReadingAsText(std::string_view nakshatraName);

/// Both reports of nakshatraName as one self-contained HTML page, pictures inline from source.
std::string ReadingAsHtml(std::string_view nakshatraName, const PictureSource& source);

}  // namespace tarabead::reports
