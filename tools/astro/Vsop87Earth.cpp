#include "Vsop87Earth.h"

#include <cmath>

namespace qh::astro {

namespace {

// Sum of the series times the powers of tau. The smallest terms come last
// in each series, so they are added first to keep the rounding low.
double Evaluate(const VsopSeries* series, std::size_t powers, double tau)
{
    double result = 0.0;
    double tauPower = 1.0;
    for (std::size_t p = 0; p < powers; ++p) {
        double sum = 0.0;
        for (std::size_t i = series[p].count; i-- > 0;) {
            const VsopTerm& t = series[p].terms[i];
            sum += t.amplitude * std::cos(t.phase + t.frequency * tau);
        }
        result += sum * tauPower;
        tauPower *= tau;
    }
    return result;
}

} // namespace

HeliocentricPosition EarthPosition(double tau)
{
    return {EarthLongitude(tau), Evaluate(Vsop87EarthLatitude, Vsop87EarthLatitudePowers, tau), EarthRadius(tau)};
}

double EarthLongitude(double tau)
{
    return Evaluate(Vsop87EarthLongitude, Vsop87EarthLongitudePowers, tau);
}

double EarthRadius(double tau)
{
    return Evaluate(Vsop87EarthRadius, Vsop87EarthRadiusPowers, tau);
}

} // namespace qh::astro
