#include "NewMoon.h"

#include "Angles.h"
#include "ElpMpp02.h"
#include "Sun.h"

#include <cmath>
#include <iterator>

namespace qh::astro {

namespace {

constexpr double kSynodicMonth = 29.530588861;

double MeanNewMoon(double k, double T)
{
    return 2451550.09766 + kSynodicMonth * k + T * T * (0.00015437 + T * (-0.000000150 + T * 0.00000000073));
}

} // namespace

// The mean phase with the periodic corrections for the new moon and the
// planetary arguments.
double MeeusNewMoon(int lunation)
{
    const double k = lunation;
    const double T = k / 1236.85;
    const double E = 1.0 - T * (0.002516 + T * 0.0000074);
    const double M = (2.5534 + 29.10535670 * k + T * T * (-0.0000014 - T * 0.00000011)) * Degree;
    const double m = (201.5643 + 385.81693528 * k + T * T * (0.0107582 + T * (0.00001238 - T * 0.000000058))) * Degree;
    const double F = (160.7108 + 390.67050284 * k + T * T * (-0.0016118 + T * (-0.00000227 + T * 0.000000011))) * Degree;
    const double omega = (124.7746 - 1.56375588 * k + T * T * (0.0020672 + T * 0.00000215)) * Degree;

    using std::sin;
    const double periodic =
        -0.40720 * sin(m) + 0.17241 * E * sin(M) + 0.01608 * sin(2 * m) + 0.01039 * sin(2 * F)
        + 0.00739 * E * sin(m - M) - 0.00514 * E * sin(m + M) + 0.00208 * E * E * sin(2 * M)
        - 0.00111 * sin(m - 2 * F) - 0.00057 * sin(m + 2 * F) + 0.00056 * E * sin(2 * m + M)
        - 0.00042 * sin(3 * m) + 0.00042 * E * sin(M + 2 * F) + 0.00038 * E * sin(M - 2 * F)
        - 0.00024 * E * sin(2 * m - M) - 0.00017 * sin(omega) - 0.00007 * sin(m + 2 * M)
        + 0.00004 * sin(2 * m - 2 * F) + 0.00004 * sin(3 * M) + 0.00003 * sin(m + M - 2 * F)
        + 0.00003 * sin(2 * m + 2 * F) - 0.00003 * sin(m + M + 2 * F) + 0.00003 * sin(m - M + 2 * F)
        - 0.00002 * sin(m - M - 2 * F) - 0.00002 * sin(3 * m + M) + 0.00002 * sin(4 * m);

    struct Planetary {
        double amplitude, phase, rate;
    };
    constexpr Planetary kPlanetary[] = {
        {0.000325, 299.77, 0.107408}, {0.000165, 251.88, 0.016321}, {0.000164, 251.83, 26.651886},
        {0.000126, 349.42, 36.412478}, {0.000110, 84.66, 18.206239}, {0.000062, 141.74, 53.303771},
        {0.000060, 207.14, 2.453732}, {0.000056, 154.84, 7.306860}, {0.000047, 34.52, 27.261239},
        {0.000042, 207.19, 0.121824}, {0.000040, 291.34, 1.844379}, {0.000037, 161.72, 24.198154},
        {0.000035, 239.56, 25.513099}, {0.000023, 331.55, 3.592518},
    };
    double planetary = 0.0;
    for (std::size_t i = 0; i < std::size(kPlanetary); ++i) {
        double argument = kPlanetary[i].phase + kPlanetary[i].rate * k;
        if (i == 0)
            argument -= 0.009173 * T * T;
        planetary += kPlanetary[i].amplitude * sin(argument * Degree);
    }
    return MeanNewMoon(k, T) + periodic + planetary;
}

namespace {

// The Moon's apparent longitude minus the Sun's (nutation, common to both,
// left out), radians in (-pi, pi].
double Elongation(double jde)
{
    // Light takes about 1.28 s from the Moon; its change over the month
    // (under 0.1 s) moves the answer by less than 0.1".
    constexpr double kMoonLightDays = 1.282 / 86400.0;
    return AngleDifference(MoonGeometricLongitude(jde - kMoonLightDays), SunAberratedMeanLongitude(jde));
}

} // namespace

int LunationOnOrAfter(double julianDay)
{
    int k = static_cast<int>(std::floor((julianDay - 2451550.09766) / kSynodicMonth)) - 1;
    while (NewMoon(k) < julianDay)
        ++k;
    return k;
}

double NewMoon(int lunation)
{
    // Secant steps from Meeus' moment and one a mean step away.
    constexpr double kMeanSynodicRate = TwoPi / kSynodicMonth; // radians per day
    double t0 = MeeusNewMoon(lunation);
    double f0 = Elongation(t0);
    double t1 = t0 - f0 / kMeanSynodicRate;
    for (int i = 0; i < 10; ++i) {
        const double f1 = Elongation(t1);
        if (f1 == f0)
            break;
        const double t2 = t1 - f1 * (t1 - t0) / (f1 - f0);
        t0 = t1;
        f0 = f1;
        t1 = t2;
        if (std::fabs(t1 - t0) < 1e-7) // under 0.01 s
            break;
    }
    return t1;
}

} // namespace qh::astro
