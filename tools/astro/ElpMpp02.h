#pragma once
// The Moon's geocentric ecliptic longitude from the ELP/MPP02 lunar solution.

#include <cstddef>

namespace qh::astro {

struct ElpTerm {
    double amplitude; // arcseconds
    double argument[5]; // radians: constant and coefficients of T, T^2, T^3, T^4
};

struct ElpSeries {
    const ElpTerm* terms;
    std::size_t count;
};

// Mean longitude W1 of the Moon, radians, coefficients of T^0 to T^4.
extern const double ElpMeanLongitude[5];
// Periodic terms of the longitude, one series per power of T.
extern const ElpSeries ElpLongitude[];
extern const std::size_t ElpLongitudePowers;

// Geometric longitude of the Moon, radians (not reduced to one turn),
// referred to the mean equinox of date (IAU 2000 precession rate), at a
// moment in Terrestrial Time (Julian ephemeris day).
double MoonGeometricLongitude(double julianEphemerisDay);

} // namespace qh::astro
