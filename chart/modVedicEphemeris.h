// The birth moment, the Moon's tropical longitude, the ayanamsa and the birth nakshatra.
//
// Units: angles in degrees unless a name says radians; T in Julian centuries of 36525 days from
// J2000.0 (noon of 1 January 2000, Julian day 2451545), taken from Universal Time. All arithmetic
// is IEEE double precision in a fixed order, so every quantity is reproducible to the last bit;
// the build forbids floating-point contraction for this module.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "shell/BirthDetails.h"

namespace tarabead::modVedicEphemeris {

/// Degrees to radians, the fixed decimal factor every sine of the calculation goes through.
inline constexpr double DegreesToRadians = 0.0174532925199433;

/// The 27 nakshatras in zodiacal order; index k covers sidereal longitudes from k x 13 deg 20'
/// up to, not including, (k + 1) x 13 deg 20'.
inline constexpr std::array<std::string_view, 27> NakshatraNames{"Ashwini",
                                                                 "Bharani",
                                                                 "Krittika",
                                                                 "Rohini",
                                                                 "Mrigasira",
                                                                 "Ardra",
                                                                 "Punarvasu",
                                                                 "Pushya",
                                                                 "Ashlesha",
                                                                 "Magha",
                                                                 "Poorva Phalguni",
                                                                 "Uttara Phalguni",
                                                                 "Hasta",
                                                                 "Chitra",
                                                                 "Swati",
                                                                 "Vishakha",
                                                                 "Anuradha",
                                                                 "Jyeshtha",
                                                                 "Moola",
                                                                 "Purva Ashadha",
                                                                 "Uttara Ashadha",
                                                                 "Shravana",
                                                                 "Dhanistha",
                                                                 "Shatabhisha",
                                                                 "Poorva Bhadrapada",
                                                                 "Uttara Bhadrapada",
                                                                 "Revati"};

/// The birth moment of a set of birth details, as the calculation uses it.
struct BirthMoment {
    double UT;   ///< Universal Time of birth, hours from the start of the civil date
    double JDN;  ///< Julian day number of the civil date (integral value)
    double T;    ///< Julian centuries from J2000.0
};

/// Every quantity of one calculation, from the birth moment to the nakshatra's name.
struct MoonNakshatraResult {
    double UT;              ///< Universal Time of birth, hours from the start of the civil date
    double JDN;             ///< Julian day number of the civil date (integral value)
    double T;               ///< Julian centuries from J2000.0
    double LPrime;          ///< Moon's mean longitude L', degrees, unreduced
    double D;               ///< mean elongation of the Moon, degrees, unreduced
    double M;               ///< Sun's mean anomaly, degrees, unreduced
    double MPrime;          ///< Moon's mean anomaly M', degrees, unreduced
    double F;               ///< Moon's argument of latitude, degrees, unreduced
    double E;               ///< eccentricity factor of the Earth's orbit, no unit
    double Sigma;           ///< sum of the 25 periodic terms, degrees
    double Lambda;          ///< Moon's geocentric tropical longitude, degrees, 0 to 360 inclusive
    double Correction;      ///< ayanamsa with its sign reversed (negative), degrees
    double Sidereal;        ///< sidereal longitude s, degrees, 0 to below 360
    double Quotient;        ///< (60 s) / 800: the position counted in nakshatras
    int Index;              ///< nakshatra index k, 0 to 26
    std::string_view Name;  ///< NakshatraNames[Index]
};

/// Julian day number of a civil date: the number of the Julian day that begins at noon of that
/// date. Dates up to 15 October 1582 are read in the Julian calendar, later ones in the Gregorian
/// (Fliegel and Van Flandern's integer form, in real arithmetic with floor). The day is not
/// checked against the month's length.
double JulianDayNumber(int month, int day, int year);

/// Moon's geocentric tropical longitude, degrees in 0 to 360 inclusive, for T in Julian
/// centuries: the mean longitude plus the 25 leading longitude terms of the analytical lunar
/// theory in the low-precision form of Meeus, Astronomical Algorithms, ch. 47, with the factor E
/// on the terms in M. No nutation, no Delta T.
double MoonLongitude(double T);

/// The correction a (degrees, negative) that turns a tropical longitude into a sidereal one at
/// T: minus (85886.27" + 5025.64" T + 1.11" T^2 - 17.23" sin Omega - 1.27" sin Ls).
double Ayanamsa(double T);

/// Universal Time, day number and T of the birth. The zone offset is a magnitude; it and the
/// daylight-saving hour are applied in the direction of the longitude's side of Greenwich
/// (longitude 0 counts as west). UT is not folded into 0 to 24: T carries the overflow.
BirthMoment BirthMomentOf(const BirthDetails& details);

/// Sidereal longitude s (degrees, 0 to below 360) of a tropical longitude lambda (0 to 360) with
/// the correction a from Ayanamsa: lambda + a, plus one turn when that is negative.
double SiderealLongitude(double lambda, double correction);

/// Index k (0 to 26) of the nakshatra holding sidereal longitude s: floor((60 s) / 800), the 800
/// arc minutes of one nakshatra. A longitude on a boundary belongs to the nakshatra beginning
/// there.
int NakshatraIndex(double sidereal);

/// The whole calculation for one set of birth details, without touching any module state.
MoonNakshatraResult ComputeMoonNakshatra(const BirthDetails& details);

/// Name of the Moon's nakshatra from the last call of ComputeMoonNakshatra(); empty before it.
extern std::string MoonNakshatraName;

/// Reads the shared BirthDetails of the current reading and sets MoonNakshatraName.
void ComputeMoonNakshatra();

}  // namespace tarabead::modVedicEphemeris
