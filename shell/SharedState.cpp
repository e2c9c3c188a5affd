#include "shell/SharedState.h"

namespace tarabead::shared {

tarabead::BirthDetails BirthDetails{};
std::string NakshatraName;

}  // namespace tarabead::shared
