#include "LunarYearInfo.h"

namespace qh {

// Lunar 1921 to 2020 as the program has always carried them (they hold the
// true month lengths of 1989 and 2013), then 2021 to 2056 derived once from
// the calendar engine's tables; a test keeps the two in agreement.
const std::array<std::uint32_t, LunarYearInfoLastYear - LunarYearInfoFirstYear + 1>
    LunarYearInfo = {
        0xA4B,   0x5164B, 0x6A5,   0x6D4,   0x415B5, 0x2B6,   0x957,   0x2092F, 0x497,   0x60C96,  // 1921
        0xD4A,   0xEA5,   0x50DA9, 0x5AD,   0x2B6,   0x3126E, 0x92E,   0x7192D, 0xC95,   0xD4A,    // 1931
        0x61B4A, 0xB55,   0x56A,   0x4155B, 0x25D,   0x92D,   0x2192B, 0xA95,   0x71695, 0x6CA,    // 1941
        0xB55,   0x50AB5, 0x4DA,   0xA5B,   0x30A57, 0x52B,   0x8152A, 0xE95,   0x6AA,   0x615AA,  // 1951
        0xAB5,   0x4B6,   0x414AE, 0xA57,   0x526,   0x31D26, 0xD95,   0x70B55, 0x56A,   0x96D,    // 1961
        0x5095D, 0x4AD,   0xA4D,   0x41A4D, 0xD25,   0x81AA5, 0xB54,   0xB6A,   0x612DA, 0x95B,    // 1971
        0x49B,   0x41497, 0xA4B,   0xA164B, 0x6A5,   0x6D4,   0x615B4, 0xAB6,   0x957,   0x5092F,  // 1981
        0x497,   0x64B,   0x30D4A, 0xEA5,   0x80D65, 0x5AC,   0xAB6,   0x5126D, 0x92E,   0xC96,    // 1991
        0x41A95, 0xD4A,   0xDA5,   0x20B55, 0x56A,   0x7155B, 0x25D,   0x92D,   0x5192B, 0xA95,    // 2001
        0xB4A,   0x416AA, 0xAD5,   0x90AB5, 0x4BA,   0xA5B,   0x60A57, 0x52B,   0xA93,   0x40E95,  // 2011
        0x6AA,   0xAD5,   0x209B5, 0x4B6,   0x614AE, 0xA4E,   0xD26,   0x51D26, 0xD53,   0x5AA,    // 2021
        0x30D6A, 0x96D,   0xB095D, 0x4AD,   0xA4D,   0x61A4B, 0xD25,   0xD52,   0x51B54, 0xB5A,    // 2031
        0x56D,   0x2095B, 0x49B,   0x71497, 0xA4B,   0xAA5,   0x516A5, 0x6D2,   0xADA,   0x30AB6,  // 2041
        0x937,   0x8092F, 0x497,   0x64B,   0x60D4A, 0xEA5,                                        // 2051
};

namespace {

// Days of a common year before the first of each Gregorian month.
constexpr int MonthStartDays[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

constexpr int MonthsOf(std::uint32_t info)
{
    return info >= 0xFFF ? 13 : 12;
}

// Length of the month at position p (1-based, calendar order) of a year.
constexpr int MonthLength(std::uint32_t info, int p)
{
    return (info >> (MonthsOf(info) - p)) & 1 ? 30 : 29;
}

constexpr int CountTableDays()
{
    int days = 0;
    for (std::uint32_t info : LunarYearInfo)
        for (int p = 1; p <= MonthsOf(info); ++p)
            days += MonthLength(info, p);
    return days;
}

} // namespace

int LunarYearInfoDays()
{
    static const int days = CountTableDays();
    return days;
}

std::optional<LunarMonthDay> LunarFromSolar(int year, int month, int day)
{
    if (month < 1 || month > 12)
        return std::nullopt;
    // Days since 1921-01-01 less 37, so that 1921-02-08, the first day of
    // lunar 1921, counts 1. Every fourth year is taken as a leap year, which
    // holds for every year the table reaches.
    const long long years = static_cast<long long>(year) - LunarYearInfoFirstYear;
    long long c = years * 365 + years / 4 + MonthStartDays[month - 1] + day - 38;
    if (c < 1 || c > LunarYearInfoDays())
        return std::nullopt;
    if (year % 4 == 0 && month > 2)
        ++c;

    for (std::size_t i = 0; i < LunarYearInfo.size(); ++i) {
        const std::uint32_t info = LunarYearInfo[i];
        const int months = MonthsOf(info);
        const int leap = months == 13 ? static_cast<int>(info >> 16) : 0;
        for (int p = 1; p <= months; ++p) {
            const int length = MonthLength(info, p);
            if (c <= length) {
                const int number = leap > 0 && p > leap ? p - 1 : p;
                return LunarMonthDay{LunarYearInfoFirstYear + static_cast<int>(i), number,
                                     static_cast<int>(c)};
            }
            c -= length;
        }
    }
    return std::nullopt;  // only a day past the table's last day gets here
}

} // namespace qh
