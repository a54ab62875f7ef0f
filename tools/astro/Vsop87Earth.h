#pragma once
// The Earth's heliocentric position from the VSOP87D planetary theory:
// spherical coordinates referred to the mean ecliptic and equinox of date.

#include <cstddef>

namespace qh::astro {

struct VsopTerm {
    double amplitude;
    double phase;
    double frequency;
};

// The terms of one power of tau.
struct VsopSeries {
    const VsopTerm* terms;
    std::size_t count;
};

extern const VsopSeries Vsop87EarthLongitude[];
extern const std::size_t Vsop87EarthLongitudePowers;
extern const VsopSeries Vsop87EarthLatitude[];
extern const std::size_t Vsop87EarthLatitudePowers;
extern const VsopSeries Vsop87EarthRadius[];
extern const std::size_t Vsop87EarthRadiusPowers;

struct HeliocentricPosition {
    double longitude; // radians, not reduced to one turn
    double latitude;  // radians
    double radius;    // astronomical units
};

// tau: Julian millennia of Terrestrial Time from J2000.0.
HeliocentricPosition EarthPosition(double tau);
double EarthLongitude(double tau);
double EarthRadius(double tau);

} // namespace qh::astro
