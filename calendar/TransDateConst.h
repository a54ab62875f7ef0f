#pragma once
// The compiled-in data of the lunar calendar: the range constants, the
// month and leap-month tables, and (further down) the texts and festival
// tables that the engine names days with.

#include <cstdint>

namespace qh {

// First and last lunar year the tables cover.
inline constexpr int FirstYear = 1900;
inline constexpr int LastYear = 2056;
// A day number minus DayNumberOffset counts the days from 1899-12-31
// (1900-01-01 counts 1).
inline constexpr int DayNumberOffset = 1;
// Lunar new year 1900 (1900-01-31) counts 31 days from 1899-12-31.
inline constexpr int LunarEpochDay = 31;

// One word per lunar year 1900..2056, indexed by year - 1900. A set bit is a
// month of 30 days, a clear bit one of 29. Months run from bit 15 downwards
// in calendar order, the leap month right after the month it repeats.
extern const std::uint16_t LunarMonthTable[LastYear - FirstYear + 1];

// The leap month (0 = none) of each lunar year 1900..2055, two years to a
// byte: year offset a = year - 1900 sits in byte a / 2, in the high nibble
// when a is even and in the low nibble when a is odd. Year 2056 has no
// entry and no leap month.
extern const std::uint8_t LeapMonthTable[(LastYear - FirstYear) / 2];

} // namespace qh
