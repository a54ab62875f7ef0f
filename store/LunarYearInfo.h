#pragma once
// The add-birthday dialog finds the lunar month and day of a Gregorian day
// with its own compact table of lunar years, independent of the conversion
// component: one packed value per lunar year from 1921 on.

#include <array>
#include <cstdint>
#include <optional>

namespace qh {

inline constexpr int LunarYearInfoFirstYear = 1921;
inline constexpr int LunarYearInfoLastYear = 2056;

// One value per lunar year, index 0 being 1921. A value below 0xFFF is a
// year of 12 months: bits 11 down to 0 are months 1 to 12 in order (set:
// 30 days, clear: 29). A value of 0xFFF or more is a year of 13 months:
// bits 12 down to 0 in calendar order, the leap month right after the
// month it repeats, whose number is the value shifted right by 16.
extern const std::array<std::uint32_t, LunarYearInfoLastYear - LunarYearInfoFirstYear + 1>
    LunarYearInfo;

// Days covered by the table: lunar 1921-01-01 (1921-02-08) counts 1.
int LunarYearInfoDays();

struct LunarMonthDay {
    int year = 0;   // lunar year
    int month = 0;  // 1 to 12; the days of a leap month carry the number it repeats
    int day = 0;    // 1 to 30
    friend bool operator==(const LunarMonthDay&, const LunarMonthDay&) = default;
};

// The lunar date of a Gregorian day, or nothing for a day outside the
// table (before 1921-02-08 or after the last day of lunar 2056).
std::optional<LunarMonthDay> LunarFromSolar(int year, int month, int day);

} // namespace qh
