#pragma once
// The Chinese lunar calendar derived from the new moons and the principal
// solar terms, civil days in China Standard Time.

#include <cstdint>
#include <vector>

namespace qh::astro {

struct LunarMonth {
    int year;       // lunar year
    int number;     // 1 to 12
    bool leap;      // the leap twin of month `number`
    int startDay;   // day number of its first day (the day of the new moon)
    int days;       // 29 or 30
};

struct LunarYear {
    int year;
    int leapMonth;        // 0 when the year has none
    std::uint16_t word;   // month lengths, calendar order from bit 15 down, 1 = 30 days
    int newYearDay;       // day number of month 1, day 1
    int days;
};

// The months of the lunar years firstYear to lastYear, in order.
// Each winter-solstice month is month 11; between two of them, a span of
// 13 months takes the first month without a principal term as its leap month.
std::vector<LunarMonth> DeriveLunarMonths(int firstYear, int lastYear);

// The same, year by year, in the packed form of the engine's tables.
std::vector<LunarYear> DeriveLunarYears(int firstYear, int lastYear);

} // namespace qh::astro
