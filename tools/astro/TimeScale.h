#pragma once
// Julian days, civil dates and the difference between Terrestrial Time and
// Universal Time.

namespace qh::astro {

inline constexpr double J2000 = 2451545.0;         // 2000-01-01 12:00 TT
inline constexpr double DayNumberEpoch = 2415018.5; // 1899-12-30 00:00, day number 0
inline constexpr double ChinaStandardTimeOffset = 8.0 / 24.0; // UTC+8, in days

struct CivilDate {
    int year;
    int month;
    int day;
};

// Julian day at 00:00 of a Gregorian date.
double JulianDay(int year, int month, int day);

// Gregorian date of a day number (days since 1899-12-30) and back.
CivilDate DateOfDayNumber(int dayNumber);
int DayNumberOf(int year, int month, int day);

// TT - UT in seconds at a Julian day, from the polynomial expressions of
// Espenak and Meeus (valid 1860 to 2150).
double DeltaTSeconds(double julianDay);

// Universal Time of a moment given in Terrestrial Time.
double UniversalTime(double julianEphemerisDay);

// Day number of the civil day, in China Standard Time, on which a moment given
// in Terrestrial Time falls.
int ChinaDayNumber(double julianEphemerisDay);

// Seconds after midnight, China Standard Time, of that moment.
double ChinaSecondsOfDay(double julianEphemerisDay);

} // namespace qh::astro
