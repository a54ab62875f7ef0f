#pragma once
// The compiled-in data of the lunar calendar: the range constants, the
// month and leap-month tables, and (further down) the texts and festival
// tables that the engine names days with.

#include <cstdint>
#include <string_view>

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

// ---- Sexagenary cycle, animals, solar terms ----------------------------

inline constexpr int YearStemOffset = 6;    // added to the year for its stem
inline constexpr int YearBranchOffset = 8;  // ... for its branch and animal
inline constexpr int MonthStemOffset = 1;   // added to the month count
inline constexpr int MonthBranchOffset = 1;
inline constexpr int DayStemOffset = 9;     // added to the day count
inline constexpr int DayBranchOffset = 9;

extern const std::string_view HeavenlyStems[10];
extern const std::string_view EarthlyBranches[12];
extern const std::string_view AnimalNames[12];
// Index 2 * (month - 1) is the first term of a Gregorian month, the next
// index its second term.
extern const std::string_view SolarTermNames[24];

// ---- Festivals and zodiac signs -------------------------------------------
// Weekdays in the festival tables run 1 = Monday to 7 = Sunday; keys pack
// month * 256 + day.

struct FeastStr {
    std::uint16_t Key;
    std::string_view Name;
};

struct FeastDynamicStr {
    std::uint16_t Month;
    std::uint16_t Nth;  // 1 for days 1..7, 2 for days 8..14, ...
    std::uint16_t Weekday;
    std::string_view Name;
};

struct FeastLastWeekStr {
    std::uint16_t Month;
    std::uint16_t Weekday;
    std::string_view Name;
};

struct FeastOfLunarStr {
    std::uint16_t Key;
    std::string_view Name;
};

// Gregorian festivals by date; keys unique and ascending.
extern const FeastStr Feasts[129];
// Gregorian festivals on the n-th weekday of a month.
extern const FeastDynamicStr FeastsDynamic[17];
// Gregorian festivals on the last given weekday of a month.
extern const FeastLastWeekStr FeastsLastWeek[3];
// Lunar festivals by lunar month and day.
extern const FeastOfLunarStr FeastsOfLunar[12];

inline constexpr std::string_view EasterText = "复活节 Easter Sunday";
inline constexpr std::string_view ThanksgivingText = "感恩节(United States) Thanksgiving Day ";
inline constexpr std::string_view NewYearsEveText = "除夕";
inline constexpr std::string_view QingmingTermName = "清明";
inline constexpr std::string_view QingmingFestivalText = "清明节";

// 白羊座 (from March 21) to 双鱼座, in the order of the year from spring.
extern const std::string_view ConstellationNames[12];

} // namespace qh
