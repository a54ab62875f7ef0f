// Day arithmetic over the lunar tables: leap months, month and year lengths,
// solar-term days, and the two day counts between lunar and Gregorian dates.

#include "CalendarTestSupport.h"

#include <ostream>
#include <vector>

namespace qh::test {
namespace {

struct LunarCase {
    TDateTime date;
    int year, month, day;
    bool leap;
};

void PrintTo(const LunarCase& c, std::ostream* os)
{
    *os << FormatIsoDate(c.date) << " = lunar " << c.year << "-" << (c.leap ? "leap " : "") << c.month << "-" << c.day;
}

class LunarDayCount : public ::testing::TestWithParam<LunarCase> {};

TEST_P(LunarDayCount, BothDirectionsAgree)
{
    const LunarCase& c = GetParam();
    std::int32_t year = 0, month = 0, day = 0;
    bool leap = true;
    DayNumberToLunar(c.date, year, month, day, leap);
    EXPECT_EQ(year, c.year);
    EXPECT_EQ(month, c.month);
    EXPECT_EQ(day, c.day);
    EXPECT_EQ(leap, c.leap);
    EXPECT_EQ(LunarToDayNumber(c.year, c.month, c.day, c.leap), c.date);
}

INSTANTIATE_TEST_SUITE_P(KnownDays, LunarDayCount, ::testing::Values(
    LunarCase{2, 1899, 12, 1, false},              // 1900-01-01, the first day
    LunarCase{31, 1899, 12, 30, false},            // 1900-01-30
    LunarCase{32, 1900, 1, 1, false},              // lunar new year 1900
    LunarCase{40555, 2010, 12, 9, false},          // 2011-01-12
    LunarCase{Day(2000, 2, 5), 2000, 1, 1, false},
    LunarCase{Day(2020, 1, 25), 2020, 1, 1, false},
    LunarCase{Day(2033, 1, 31), 2033, 1, 1, false},
    LunarCase{Day(2033, 12, 22), 2033, 11, 1, true},
    LunarCase{Day(2009, 5, 24), 2009, 5, 1, false},
    LunarCase{39987, 2009, 5, 1, true},            // 2009-06-23
    LunarCase{Day(2009, 7, 22), 2009, 6, 1, false},
    // Days that the corrected tables move.
    LunarCase{Day(1989, 9, 14), 1989, 8, 15, false},  // 中秋
    LunarCase{Day(2013, 6, 8), 2013, 5, 1, false},
    LunarCase{Day(2025, 4, 28), 2025, 4, 1, false},
    LunarCase{Day(2025, 5, 27), 2025, 5, 1, false},
    LunarCase{Day(2025, 7, 25), 2025, 6, 1, true},
    LunarCase{LastConvertibleDate, 2056, 12, 30, false}));

TEST(LunarDayCount, LeapFlagOnAnOrdinaryMonthIsIgnored)
{
    EXPECT_EQ(LunarToDayNumber(2010, 5, 10, true), LunarToDayNumber(2010, 5, 10, false));
    EXPECT_EQ(LunarToDayNumber(2009, 4, 10, true), LunarToDayNumber(2009, 4, 10, false));
}

TEST(LunarDayCount, EveryDayOfTheRangeRoundTrips)
{
    std::int32_t previousYear = 1899, previousMonth = 12, previousDay = 0;
    bool previousLeap = false;
    for (int n = WholeDays(FirstConvertibleDate); n <= WholeDays(LastConvertibleDate); ++n) {
        std::int32_t year = 0, month = 0, day = 0;
        bool leap = false;
        DayNumberToLunar(n, year, month, day, leap);
        ASSERT_EQ(LunarToDayNumber(year, month, day, leap), n) << FormatIsoDate(n);
        // Each day follows the one before: the next day of the month, or
        // day 1 of the month that comes next.
        if (day != previousDay + 1) {
            ASSERT_EQ(day, 1) << FormatIsoDate(n);
            const bool intoTwin = !previousLeap && GetLeapMonth(previousYear) == previousMonth;
            if (intoTwin) {
                ASSERT_TRUE(leap && month == previousMonth && year == previousYear) << FormatIsoDate(n);
            } else if (previousMonth == 12) {
                ASSERT_TRUE(!leap && month == 1 && year == previousYear + 1) << FormatIsoDate(n);
            } else {
                ASSERT_TRUE(!leap && month == previousMonth + 1 && year == previousYear) << FormatIsoDate(n);
            }
            ASSERT_TRUE(previousDay == 29 || previousDay == 30) << FormatIsoDate(n);
        }
        previousYear = year;
        previousMonth = month;
        previousDay = day;
        previousLeap = leap;
    }
    EXPECT_EQ(previousYear, LastYear);
    EXPECT_EQ(previousMonth, 12);
    EXPECT_EQ(previousDay, 30);
}

TEST(LunarDayCount, EveryLunarNewYearFallsBetweenJanuary21AndFebruary20)
{
    for (int year = FirstYear; year <= LastYear; ++year) {
        int y = 0, m = 0, d = 0;
        DecodeDate(LunarToDayNumber(year, 1, 1, false), y, m, d);
        EXPECT_EQ(y, year);
        EXPECT_TRUE((m == 1 && d >= 21) || (m == 2 && d <= 20)) << year << ": " << m << "-" << d;
    }
}

TEST(LunarDayCount, OutOfRangeDaysEndWithoutLooping)
{
    std::int32_t year = 0, month = 0, day = 0;
    bool leap = false;
    DayNumberToLunar(LastConvertibleDate + 400, year, month, day, leap);
    EXPECT_EQ(year, LastYear);
    DayNumberToLunar(-5, year, month, day, leap);
    EXPECT_EQ(year, 1899);
}

struct MonthLengthCase {
    int year, month;
    std::uint32_t lengths;
};

void PrintTo(const MonthLengthCase& c, std::ostream* os)
{
    *os << c.year << "-" << c.month;
}

class MonthLengths : public ::testing::TestWithParam<MonthLengthCase> {};

TEST_P(MonthLengths, OrdinaryInLowHalfTwinInHighHalf)
{
    const MonthLengthCase& c = GetParam();
    EXPECT_EQ(LunarMonthLengths(static_cast<std::uint16_t>(c.year), static_cast<std::uint16_t>(c.month)), c.lengths)
        << c.year << "-" << c.month;
}

INSTANTIATE_TEST_SUITE_P(Table, MonthLengths, ::testing::Values(
    MonthLengthCase{1900, 8, 29 * 65536 + 30},
    MonthLengthCase{2010, 1, 30},
    MonthLengthCase{1899, 1, 30},
    MonthLengthCase{2057, 3, 30},
    // The corrected years.
    MonthLengthCase{1989, 6, 30},
    MonthLengthCase{1989, 7, 29},
    MonthLengthCase{2013, 4, 29},
    MonthLengthCase{2013, 5, 30},
    MonthLengthCase{2025, 3, 30},
    MonthLengthCase{2025, 4, 29},
    MonthLengthCase{2054, 6, 30},
    MonthLengthCase{2055, 6, 30 * 65536 + 29}));

TEST(YearTables, LeapMonthsAndYearLengths)
{
    struct Row {
        int year, leapMonth, days;
    };
    const std::vector<Row> rows = {
        {1899, 0, 0},   {1900, 8, 384}, {1901, 0, 354}, {2006, 7, 385}, {2010, 0, 354},
        {2033, 11, 384}, {2054, 0, 354}, {2055, 6, 383}, {2056, 0, 355}, {2057, 0, 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(GetLeapMonth(row.year), row.leapMonth) << row.year;
        EXPECT_EQ(LunarYearDays(row.year), row.days) << row.year;
    }
}

TEST(YearTables, CorrectedWordsAndLeapMonths)
{
    EXPECT_EQ(LunarMonthTable[1989 - FirstYear], 0x9570);
    EXPECT_EQ(LunarMonthTable[2013 - FirstYear], 0xAD50);
    EXPECT_EQ(LunarMonthTable[2025 - FirstYear], 0xA570);
    EXPECT_EQ(LunarMonthTable[2054 - FirstYear], 0x64B0);
    EXPECT_EQ(LunarMonthTable[2055 - FirstYear], 0x6A50);
    EXPECT_EQ(LunarMonthTable[2056 - FirstYear], 0xEA50);
    // 1914 to 1920 stay as long printed.
    EXPECT_EQ(GetLeapMonth(1914), 5);
    EXPECT_EQ(GetLeapMonth(1917), 2);
    EXPECT_EQ(GetLeapMonth(1919), 7);
    EXPECT_EQ(LunarMonthTable[1920 - FirstYear], 0x49B0);
}

TEST(YearTables, WordsUseOnlyTheBitsOfTheirMonths)
{
    for (int year = FirstYear; year <= LastYear; ++year) {
        const unsigned unused = GetLeapMonth(year) ? 0x7u : 0xFu;
        EXPECT_EQ(LunarMonthTable[year - FirstYear] & unused, 0u) << year;
    }
}

TEST(SolarTermDays, TermOfADay)
{
    struct Row {
        TDateTime date;
        int term;
    };
    const std::vector<Row> rows = {
        {Day(2011, 3, 21), 5},  {Day(2010, 1, 5), 0},   {Day(2010, 1, 20), 1},
        {Day(2011, 2, 4), 2},   {Day(2010, 12, 22), 23}, {Day(2010, 1, 6), -1},
        {Day(1899, 12, 22), -1}, {Day(1899, 1, 6), -1},  {Day(2058, 1, 5), -1},
        // Days long printed wrong.
        {Day(2010, 8, 7), 14},  {Day(2010, 8, 8), -1},
        {Day(2011, 1, 6), 0},   {Day(2011, 1, 5), -1},
        {Day(2011, 11, 23), 21}, {Day(2011, 11, 22), -1},
        {Day(2056, 6, 20), 11}, {Day(2056, 10, 23), 19}, {Day(2056, 11, 7), 20},
    };
    for (const Row& row : rows)
        EXPECT_EQ(GetSolarTermIndex(row.date), row.term) << FormatIsoDate(row.date);
}

TEST(SolarTermDays, RowsOf1900And2010)
{
    const int firstDays1900[12] = {6, 4, 6, 5, 6, 6, 7, 8, 8, 9, 8, 7};
    const int firstDays2010[12] = {5, 4, 6, 5, 5, 6, 7, 7, 8, 8, 7, 7};
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(GetFirstTermDay(1900, static_cast<std::uint16_t>(month)), firstDays1900[month - 1]) << month;
        EXPECT_EQ(GetFirstTermDay(2010, static_cast<std::uint16_t>(month)), firstDays2010[month - 1]) << month;
    }
}

TEST(SolarTermDays, EveryYearOfTheRangeHasAll24TermsInOrder)
{
    for (int year = FirstYear; year <= LastYear; ++year) {
        int expected = 0;
        for (TDateTime date = Day(year, 1, 1); date <= Day(year, 12, 31); date += 1) {
            const int term = GetSolarTermIndex(date);
            if (term >= 0)
                ASSERT_EQ(term, expected++) << FormatIsoDate(date);
        }
        EXPECT_EQ(expected, 24) << year;
    }
}

} // namespace
} // namespace qh::test
