#include "shell/BirthDetails.h"

namespace tarabead {

double SignedLongitude(const BirthDetails& details) {
    double lon = details.LongitudeDegrees + details.LongitudeMinutes / 60.0;
    return details.LongitudeEast ? -lon : lon;
}

double SignedLatitude(const BirthDetails& details) {
    double lat = details.LatitudeDegrees + details.LatitudeMinutes / 60.0;
    return details.LatitudeSouth ? -lat : lat;
}

}  // namespace tarabead
