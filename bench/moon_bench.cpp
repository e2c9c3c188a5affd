// Cost of one reading's calculation against its floor: the 25 series sines plus the two sines of
// the ayanamsa, which no implementation of the same series can avoid.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "chart/modVedicEphemeris.h"

namespace {

using namespace tarabead;
using namespace tarabead::modVedicEphemeris;

// A spread of birth details over the accepted years, east and west, with and without daylight
// saving, so the timings are not those of one lucky argument.
std::vector<BirthDetails> Inputs() {
    std::vector<BirthDetails> v;
    for (int i = 0; i < 1024; ++i) {
        BirthDetails b;
        b.Day = static_cast<std::int16_t>(1 + i % 28);
        b.Month = static_cast<std::int16_t>(1 + i % 12);
        b.Year = static_cast<std::int16_t>(1905 + (i * 37) % 146);
        b.Hour = static_cast<std::int16_t>(i % 25);
        b.Minute = static_cast<std::int16_t>((i * 7) % 60);
        b.ZoneHours = static_cast<std::int16_t>(i % 13);
        b.ZoneMinutes = static_cast<std::int16_t>(i % 3 == 0 ? 30 : 0);
        b.LongitudeDegrees = static_cast<std::int16_t>((i * 11) % 180);
        b.LongitudeMinutes = static_cast<std::int16_t>(i % 60);
        b.LongitudeEast = i % 2 == 0;
        b.DaylightSaving = i % 5 == 0;
        v.push_back(b);
    }
    return v;
}

void BM_FullCalculation(benchmark::State& state) {
    const auto inputs = Inputs();
    std::size_t i = 0;
    for (auto _ : state) {
        auto r = ComputeMoonNakshatra(inputs[i++ & 1023]);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_FullCalculation);

// The same 27 sines on the same arguments, with nothing else around them.
void BM_SinesOnly(benchmark::State& state) {
    const auto inputs = Inputs();
    std::vector<double> ts;
    for (const auto& b : inputs) ts.push_back(ComputeMoonNakshatra(b).T);
    static constexpr double k[25][4] = {
        {0, 0, 1, 0},  {2, 0, -1, 0}, {2, 0, 0, 0},  {0, 0, 2, 0},  {0, 1, 0, 0},
        {0, 0, 0, 2},  {2, 0, -2, 0}, {2, -1, -1, 0}, {2, 0, 1, 0}, {2, -1, 0, 0},
        {0, 1, -1, 0}, {1, 0, 0, 0},  {0, 1, 1, 0},  {2, 0, 0, -2}, {0, 0, 1, 2},
        {0, 0, 1, -2}, {4, 0, -1, 0}, {0, 0, 3, 0},  {4, 0, -2, 0}, {2, 1, -1, 0},
        {2, 1, 0, 0},  {1, 0, -1, 0}, {1, 1, 0, 0},  {2, -1, 1, 0}, {2, 0, 2, 0}};
    std::vector<std::array<double, 27>> args(ts.size());
    for (std::size_t n = 0; n < ts.size(); ++n) {
        const double t = ts[n];
        const double d = (297.8502042 + 445267.1115168 * t) * DegreesToRadians;
        const double m = (357.5291092 + 35999.0502909 * t) * DegreesToRadians;
        const double mp = (134.9634114 + 477198.8676313 * t) * DegreesToRadians;
        const double f = (93.2720993 + 483202.0175273 * t) * DegreesToRadians;
        for (int j = 0; j < 25; ++j) args[n][j] = k[j][0] * d + k[j][1] * m + k[j][2] * mp + k[j][3] * f;
        args[n][25] = (280.466449 + 36000.7698231 * t) * DegreesToRadians;
        args[n][26] = (125.044555 - 1934.1361849 * t) * DegreesToRadians;
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& a = args[i++ & 1023];
        double sum = 0;
        for (double x : a) sum += std::sin(x);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_SinesOnly);

}  // namespace

BENCHMARK_MAIN();
