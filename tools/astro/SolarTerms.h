#pragma once
// The 24 solar terms: the moments at which they begin and the table of their
// civil days in China Standard Time.

#include <cstdint>
#include <string_view>
#include <vector>

namespace qh::astro {

inline constexpr int SolarTermsPerYear = 24;

// Index 0 is 小寒 (the first term of January), 23 is 冬至.
std::string_view SolarTermName(int index);

// The Sun's apparent longitude, in degrees, at which the term begins.
double SolarTermLongitude(int index);

struct SolarTermMoment {
    int year;             // Gregorian year
    int index;            // 0 to 23
    double jde;           // Julian ephemeris day (TT)
    int dayNumber;        // civil day, China Standard Time, days since 1899-12-30
    double secondsOfDay;  // seconds after midnight, China Standard Time
};

SolarTermMoment SolarTerm(int year, int index);

// Twelve bytes per year from firstYear to lastYear: for each month, the high
// nibble is 15 minus the day of its first term and the low nibble the day of
// its second term minus 15.
std::vector<std::uint8_t> SolarTermTableBytes(int firstYear, int lastYear);

} // namespace qh::astro
