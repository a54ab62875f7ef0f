#pragma once
// Moments of new moon.

namespace qh::astro {

// Lunation number of the first new moon on or after a Julian day; lunation 0
// is the new moon of 2000-01-06.
int LunationOnOrAfter(double julianDay);

// The moment of the new moon of a lunation, Julian ephemeris day (TT).
double NewMoon(int lunation);

} // namespace qh::astro
