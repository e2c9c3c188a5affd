#include "chart/modVedicEphemeris.h"

#include <cmath>
#include <utility>

#include "shell/SharedState.h"

namespace tarabead::modVedicEphemeris {

std::string MoonNakshatraName;

namespace {

// One periodic term of the Moon's longitude: coefficient x (E if marked) x
// sin(kD D + kM M + kM' M' + kF F). Coefficients in degrees; the 25 leading terms of the longitude
// series of Meeus, Astronomical Algorithms (2nd ed.), table 47.A, in their published order.
struct LongitudeTerm {
    double KD, KM, KMPrime, KF;  // integer multiples of D, M, M', F
    double Coefficient;          // degrees
    bool TimesE;                 // term scaled by the eccentricity factor E (those in M)
};

constexpr int LongitudeTermCount = 25;

constexpr std::array<LongitudeTerm, LongitudeTermCount> kLongitudeTerms{{
    {0, 0, 1, 0, +6.288774, false},   // 1
    {2, 0, -1, 0, +1.274027, false},  // 2
    {2, 0, 0, 0, +0.658314, false},   // 3
    {0, 0, 2, 0, +0.213618, false},   // 4
    {0, 1, 0, 0, -0.185116, true},    // 5
    {0, 0, 0, 2, -0.114332, false},   // 6
    {2, 0, -2, 0, +0.058793, false},  // 7
    {2, -1, -1, 0, +0.057066, true},  // 8
    {2, 0, 1, 0, +0.053322, false},   // 9
    {2, -1, 0, 0, +0.045758, true},   // 10
    {0, 1, -1, 0, -0.040923, true},   // 11
    {1, 0, 0, 0, -0.034720, false},   // 12
    {0, 1, 1, 0, -0.030383, true},    // 13
    {2, 0, 0, -2, +0.015327, false},  // 14
    {0, 0, 1, 2, -0.012528, false},   // 15
    {0, 0, 1, -2, +0.010980, false},  // 16
    {4, 0, -1, 0, +0.010675, false},  // 17
    {0, 0, 3, 0, +0.010034, false},   // 18
    {4, 0, -2, 0, +0.008548, false},  // 19
    {2, 1, -1, 0, -0.007888, true},   // 20
    {2, 1, 0, 0, -0.006766, true},    // 21
    {1, 0, -1, 0, -0.005163, false},  // 22
    {1, 1, 0, 0, +0.004987, true},    // 23
    {2, -1, 1, 0, +0.004036, true},   // 24
    {2, 0, 2, 0, +0.003994, false},   // 25
}};
static_assert(kLongitudeTerms.size() == 25, "the series keeps the 25 leading terms");

// The fundamental arguments at T (degrees, unreduced) and E.
struct FundamentalArguments {
    double LPrime, D, M, MPrime, F, E;
};

FundamentalArguments ArgumentsAt(double T) {
    FundamentalArguments a;
    a.LPrime = 218.3164591 + 481267.88134236 * T;
    a.D = 297.8502042 + 445267.1115168 * T;
    a.M = 357.5291092 + 35999.0502909 * T;
    a.MPrime = 134.9634114 + 477198.8676313 * T;
    a.F = 93.2720993 + 483202.0175273 * T;
    a.E = 1 - 0.002516 * T - 0.0000074 * (T * T);
    return a;
}

// Term I of the series. The angle is the sum, left to right, of the products k x argument whose
// multiple k is not zero; leaving out a zero multiple changes no bit (adding +-0 to a non-zero
// value returns it), and with the table known at compile time the term costs little beyond its
// sine.
template <std::size_t I>
double Term(const double (&arguments)[4], double e) {
    constexpr LongitudeTerm t = kLongitudeTerms[I];
    constexpr double k[4] = {t.KD, t.KM, t.KMPrime, t.KF};
    double angle = 0;
    bool first = true;
    for (int j = 0; j < 4; ++j) {
        if (k[j] != 0) {
            angle = first ? k[j] * arguments[j] : angle + k[j] * arguments[j];
            first = false;
        }
    }
    if constexpr (t.TimesE) {
        return t.Coefficient * e * std::sin(angle);
    } else {
        return t.Coefficient * std::sin(angle);
    }
}

template <std::size_t... I>
double SumOfTerms(const double (&arguments)[4], double e, std::index_sequence<I...>) {
    double sum = 0;
    ((sum += Term<I>(arguments, e)), ...);
    return sum;
}

// Sum of the 25 terms in table order. D, M, M' and F are converted to radians as they are, without
// first reducing them to one turn.
double LongitudeSeries(const FundamentalArguments& a) {
    const double arguments[4] = {a.D * DegreesToRadians, a.M * DegreesToRadians,
                                 a.MPrime * DegreesToRadians, a.F * DegreesToRadians};
    return SumOfTerms(arguments, a.E, std::make_index_sequence<LongitudeTermCount>{});
}

// Brings a longitude into 0 to 360 inclusive with the same result, bit for bit, as adding 360
// while it is below 0 and then subtracting 360 while it is above 360. Every step of that loop but
// the last is exact, and fmod is exact, so one remainder plus the same last step gives the same
// value: a negative input ends on (remainder + 360), an exact multiple of 360 below zero on +0, and
// a positive multiple of 360 above 360 on 360 itself.
double WrapLongitude(double lambda) {
    if (lambda < 0) {
        const double r = std::fmod(lambda, 360.0);
        lambda = r < 0 ? r + 360.0 : 0.0;
    }
    if (lambda > 360) {
        const double r = std::fmod(lambda, 360.0);
        lambda = r == 0 ? 360.0 : r;
    }
    return lambda;
}

}  // namespace

double JulianDayNumber(int month, int day, int year) {
    const double a = (year + 4800.0) * 12 + month - 3;
    const double r = a - 12 * std::floor(a / 12);
    double j = std::floor((2 * r + 7 + 365 * a) / 12) + day + std::floor(a / 48) - 32083;
    if (j > 2299171) {
        j = j + std::floor(a / 4800) - std::floor(a / 1200) + 38;
    }
    return j;
}

double MoonLongitude(double T) {
    const FundamentalArguments a = ArgumentsAt(T);
    return WrapLongitude(a.LPrime + LongitudeSeries(a));
}

double Ayanamsa(double T) {
    // Longitude of the Moon's mean ascending node and the Sun's mean longitude, degrees.
    const double omega = 125.044555 - 1934.1361849 * T + 0.0020762 * (T * T);
    const double ls = 280.466449 + 36000.7698231 * T + 0.0003106 * (T * T);
    // Periodic part in seconds of arc.
    const double p =
        1.27 * std::sin(ls * DegreesToRadians) + 17.23 * std::sin(omega * DegreesToRadians);
    return (p - T * (5025.64 + 1.11 * T) - 85886.27) / 3600;
}

BirthMoment BirthMomentOf(const BirthDetails& details) {
    // The side of Greenwich decides the direction: -0 is not below 0, so longitude 0 is west.
    const double local = details.Hour + details.Minute / 60.0;
    double zone = details.ZoneHours + details.ZoneMinutes / 60.0;
    const double lon = SignedLongitude(details);
    if (details.DaylightSaving) zone = lon < 0 ? zone + 1 : zone - 1;
    BirthMoment m;
    m.JDN = JulianDayNumber(details.Month, details.Day, details.Year);
    m.UT = lon < 0 ? local - zone : local + zone;
    m.T = ((m.JDN - 2451545) + m.UT / 24 - 0.5) / 36525;
    return m;
}

double SiderealLongitude(double lambda, double correction) {
    double s = lambda + correction;
    if (s < 0) s += 360;
    return s;
}

int NakshatraIndex(double sidereal) { return static_cast<int>(std::floor((60 * sidereal) / 800)); }

MoonNakshatraResult ComputeMoonNakshatra(const BirthDetails& details) {
    MoonNakshatraResult r{};
    const BirthMoment moment = BirthMomentOf(details);
    r.UT = moment.UT;
    r.JDN = moment.JDN;
    r.T = moment.T;

    // Tropical longitude of the Moon.
    const FundamentalArguments a = ArgumentsAt(r.T);
    r.LPrime = a.LPrime;
    r.D = a.D;
    r.M = a.M;
    r.MPrime = a.MPrime;
    r.F = a.F;
    r.E = a.E;
    r.Sigma = LongitudeSeries(a);
    r.Lambda = WrapLongitude(a.LPrime + r.Sigma);

    // Sidereal longitude and the 13 deg 20' division it falls in.
    r.Correction = Ayanamsa(r.T);
    r.Sidereal = SiderealLongitude(r.Lambda, r.Correction);
    r.Quotient = (60 * r.Sidereal) / 800;
    r.Index = NakshatraIndex(r.Sidereal);
    r.Name = NakshatraNames.at(static_cast<std::size_t>(r.Index));
    return r;
}

void ComputeMoonNakshatra() {
    MoonNakshatraName = std::string(ComputeMoonNakshatra(shared::BirthDetails).Name);
}

}  // namespace tarabead::modVedicEphemeris
