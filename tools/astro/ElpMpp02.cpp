#include "ElpMpp02.h"

#include "Angles.h"
#include "TimeScale.h"

#include <cmath>

namespace qh::astro {

namespace {

double Polynomial(const double (&c)[5], double T)
{
    return (((c[4] * T + c[3]) * T + c[2]) * T + c[1]) * T + c[0];
}

} // namespace

double MoonGeometricLongitude(double jde)
{
    const double T = (jde - J2000) / 36525.0;

    double periodic = 0.0;
    double power = 1.0;
    for (std::size_t p = 0; p < ElpLongitudePowers; ++p) {
        double sum = 0.0;
        for (std::size_t i = ElpLongitude[p].count; i-- > 0;) {
            const ElpTerm& term = ElpLongitude[p].terms[i];
            sum += term.amplitude * std::sin(Polynomial(term.argument, T));
        }
        periodic += sum * power;
        power *= T;
    }

    // From the departure point of J2000 to the mean equinox of date: the
    // general precession in longitude with the IAU 2000 rate correction.
    constexpr double kPrecession[5] = {0.0, 5029.0966 - 0.29965, 1.1120, 0.000077, -0.00002353};
    const double precession = Polynomial(kPrecession, T);

    return Polynomial(ElpMeanLongitude, T) + (periodic + precession) * Arcsecond;
}

} // namespace qh::astro
