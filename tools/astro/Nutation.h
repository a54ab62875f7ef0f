#pragma once
// Nutation in longitude and obliquity after the IAU 1980 theory.

namespace qh::astro {

struct Nutation {
    double longitude; // delta psi, radians
    double obliquity; // delta epsilon, radians
};

// T: Julian centuries of Terrestrial Time from J2000.0.
Nutation NutationAt(double T);

} // namespace qh::astro
