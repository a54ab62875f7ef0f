#include "Nutation.h"

#include <cmath>
#include <iterator>
#include <numbers>

namespace qh::astro {

namespace {

// One periodic term: multiples of the five fundamental arguments (D, M, M',
// F, Omega), then the coefficients of sin in longitude and of cos in
// obliquity, each a constant and a rate per century, in 0.0001".
struct NutationTerm {
    signed char d, m, mPrime, f, omega;
    double psi, psiRate, epsilon, epsilonRate;
};

// The 63 terms of the IAU 1980 series (Meeus, Astronomical Algorithms,
// table 22.A).
constexpr NutationTerm kTerms[] = {
    {0, 0, 0, 0, 1, -171996, -174.2, 92025, 8.9},
    {-2, 0, 0, 2, 2, -13187, -1.6, 5736, -3.1},
    {0, 0, 0, 2, 2, -2274, -0.2, 977, -0.5},
    {0, 0, 0, 0, 2, 2062, 0.2, -895, 0.5},
    {0, 1, 0, 0, 0, 1426, -3.4, 54, -0.1},
    {0, 0, 1, 0, 0, 712, 0.1, -7, 0},
    {-2, 1, 0, 2, 2, -517, 1.2, 224, -0.6},
    {0, 0, 0, 2, 1, -386, -0.4, 200, 0},
    {0, 0, 1, 2, 2, -301, 0, 129, -0.1},
    {-2, -1, 0, 2, 2, 217, -0.5, -95, 0.3},
    {-2, 0, 1, 0, 0, -158, 0, 0, 0},
    {-2, 0, 0, 2, 1, 129, 0.1, -70, 0},
    {0, 0, -1, 2, 2, 123, 0, -53, 0},
    {2, 0, 0, 0, 0, 63, 0, 0, 0},
    {0, 0, 1, 0, 1, 63, 0.1, -33, 0},
    {2, 0, -1, 2, 2, -59, 0, 26, 0},
    {0, 0, -1, 0, 1, -58, -0.1, 32, 0},
    {0, 0, 1, 2, 1, -51, 0, 27, 0},
    {-2, 0, 2, 0, 0, 48, 0, 0, 0},
    {0, 0, -2, 2, 1, 46, 0, -24, 0},
    {2, 0, 0, 2, 2, -38, 0, 16, 0},
    {0, 0, 2, 2, 2, -31, 0, 13, 0},
    {0, 0, 2, 0, 0, 29, 0, 0, 0},
    {-2, 0, 1, 2, 2, 29, 0, -12, 0},
    {0, 0, 0, 2, 0, 26, 0, 0, 0},
    {-2, 0, 0, 2, 0, -22, 0, 0, 0},
    {0, 0, -1, 2, 1, 21, 0, -10, 0},
    {0, 2, 0, 0, 0, 17, -0.1, 0, 0},
    {2, 0, -1, 0, 1, 16, 0, -8, 0},
    {-2, 2, 0, 2, 2, -16, 0.1, 7, 0},
    {0, 1, 0, 0, 1, -15, 0, 9, 0},
    {-2, 0, 1, 0, 1, -13, 0, 7, 0},
    {0, -1, 0, 0, 1, -12, 0, 6, 0},
    {0, 0, 2, -2, 0, 11, 0, 0, 0},
    {2, 0, -1, 2, 1, -10, 0, 5, 0},
    {2, 0, 1, 2, 2, -8, 0, 3, 0},
    {0, 1, 0, 2, 2, 7, 0, -3, 0},
    {-2, 1, 1, 0, 0, -7, 0, 0, 0},
    {0, -1, 0, 2, 2, -7, 0, 3, 0},
    {2, 0, 0, 2, 1, -7, 0, 3, 0},
    {2, 0, 1, 0, 0, 6, 0, 0, 0},
    {-2, 0, 2, 2, 2, 6, 0, -3, 0},
    {-2, 0, 1, 2, 1, 6, 0, -3, 0},
    {2, 0, -2, 0, 1, -6, 0, 3, 0},
    {2, 0, 0, 0, 1, -6, 0, 3, 0},
    {0, -1, 1, 0, 0, 5, 0, 0, 0},
    {-2, -1, 0, 2, 1, -5, 0, 3, 0},
    {-2, 0, 0, 0, 1, -5, 0, 3, 0},
    {0, 0, 2, 2, 1, -5, 0, 3, 0},
    {-2, 0, 2, 0, 1, 4, 0, 0, 0},
    {-2, 1, 0, 2, 1, 4, 0, 0, 0},
    {0, 0, 1, -2, 0, 4, 0, 0, 0},
    {-1, 0, 1, 0, 0, -4, 0, 0, 0},
    {-2, 1, 0, 0, 0, -4, 0, 0, 0},
    {1, 0, 0, 0, 0, -4, 0, 0, 0},
    {0, 0, 1, 2, 0, 3, 0, 0, 0},
    {0, 0, -2, 2, 2, -3, 0, 0, 0},
    {-1, -1, 1, 0, 0, -3, 0, 0, 0},
    {0, 1, 1, 0, 0, -3, 0, 0, 0},
    {0, -1, 1, 2, 2, -3, 0, 0, 0},
    {2, -1, -1, 2, 2, -3, 0, 0, 0},
    {0, 0, 3, 2, 2, -3, 0, 0, 0},
    {2, -1, 0, 2, 2, -3, 0, 0, 0},
};

constexpr double kDegree = std::numbers::pi / 180.0;

double Polynomial(double T, double c0, double c1, double c2, double c3)
{
    return ((c3 * T + c2) * T + c1) * T + c0;
}

} // namespace

Nutation NutationAt(double T)
{
    // Fundamental arguments, degrees.
    const double D = Polynomial(T, 297.85036, 445267.111480, -0.0019142, 1.0 / 189474.0) * kDegree;
    const double M = Polynomial(T, 357.52772, 35999.050340, -0.0001603, -1.0 / 300000.0) * kDegree;
    const double mPrime = Polynomial(T, 134.96298, 477198.867398, 0.0086972, 1.0 / 56250.0) * kDegree;
    const double F = Polynomial(T, 93.27191, 483202.017538, -0.0036825, 1.0 / 327270.0) * kDegree;
    const double omega = Polynomial(T, 125.04452, -1934.136261, 0.0020708, 1.0 / 450000.0) * kDegree;

    double psi = 0.0;
    double epsilon = 0.0;
    for (auto it = std::rbegin(kTerms); it != std::rend(kTerms); ++it) {
        const double argument = it->d * D + it->m * M + it->mPrime * mPrime + it->f * F + it->omega * omega;
        psi += (it->psi + it->psiRate * T) * std::sin(argument);
        epsilon += (it->epsilon + it->epsilonRate * T) * std::cos(argument);
    }
    constexpr double kUnit = 0.0001 / 3600.0 * kDegree;
    return {psi * kUnit, epsilon * kUnit};
}

} // namespace qh::astro
