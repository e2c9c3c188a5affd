// The report pictures as PNG bytes linked into the program, for targets that have no Qt
// resources (the command-line companion's HTML reports).
#pragma once

#include <string_view>

#include "reports/ReportWriter.h"

namespace tarabead::reports {

/// PNG bytes of picture number of a list (1-based, 1x resolution); empty when there is none.
std::string_view ReportPicturePng(PictureList list, int number);

}  // namespace tarabead::reports
