// The program-wide values that one reading hands from step to step: the birth data the main
// window accepted and the name of the birth nakshatra both reports are built from. They live for
// the whole run; the chart calculation's own result, MoonNakshatraName, stays in its module.
#pragma once

#include <string>

#include "shell/BirthDetails.h"

namespace tarabead::shared {

/// Birth data of the last accepted reading request; zeros and false flags before the first.
extern tarabead::BirthDetails BirthDetails;

/// Name of the birth nakshatra of the current reading: set by a reading request or by opening a
/// reading file, read by both report builders and by saving.
extern std::string NakshatraName;

}  // namespace tarabead::shared
