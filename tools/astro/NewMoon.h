#pragma once
// Moments of new moon.

namespace qh::astro {

// Lunation number of the first new moon on or after a Julian day; lunation 0
// is the new moon of 2000-01-06.
int LunationOnOrAfter(double julianDay);

// The moment of the new moon of a lunation, Julian ephemeris day (TT): the
// Moon's apparent longitude equals the Sun's. Found from the ELP/MPP02 Moon
// and the VSOP87 Sun, starting from Meeus' expression of the mean phase with
// its periodic corrections.
double NewMoon(int lunation);

// Meeus' expression alone (Astronomical Algorithms, chapter 49), good to
// about half a minute.
double MeeusNewMoon(int lunation);

} // namespace qh::astro
