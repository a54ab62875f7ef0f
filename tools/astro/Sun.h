#pragma once
// The Sun's apparent geocentric ecliptic longitude and the moments at which it
// reaches a given value.

namespace qh::astro {

// Apparent longitude of the Sun, referred to the true equinox of date, in
// radians within [0, 2 pi), at a moment in Terrestrial Time (Julian
// ephemeris day). Light time and aberration are taken into account through
// the Earth's own motion, nutation through the IAU 1980 series.
double SunApparentLongitude(double julianEphemerisDay);

// The same without nutation: referred to the mean equinox of date, for
// comparing with another body whose longitude lacks nutation as well.
double SunAberratedMeanLongitude(double julianEphemerisDay);

// The moment (Julian ephemeris day) nearest to the guess at which the Sun's
// apparent longitude equals longitudeDegrees. The guess must lie within a
// few days of the answer.
double SunReachesLongitude(double longitudeDegrees, double guessJulianEphemerisDay);

} // namespace qh::astro
