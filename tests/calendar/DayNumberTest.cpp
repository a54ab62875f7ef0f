// Gregorian day numbers: encoding, decoding, weekdays and the convertible
// span.

#include "CalendarTestSupport.h"

#include <stdexcept>
#include <vector>

namespace qh::test {
namespace {

TEST(DayNumbers, EncodeAndDecodeAgree)
{
    struct Row {
        int year, month, day;
        TDateTime number;
    };
    const std::vector<Row> rows = {
        {1899, 12, 30, 0},    {1899, 12, 31, 1},   {1900, 1, 1, 2},      {1900, 1, 31, 32},
        {1900, 3, 1, 61},     {2000, 2, 29, 36585}, {2011, 1, 12, 40555}, {2057, 2, 3, 57379},
        {1, 1, 1, -693593},   {9999, 12, 31, 2958465},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(EncodeDate(row.year, row.month, row.day), row.number) << row.year << "-" << row.month;
        int y = 0, m = 0, d = 0;
        DecodeDate(row.number, y, m, d);
        EXPECT_EQ(y, row.year);
        EXPECT_EQ(m, row.month);
        EXPECT_EQ(d, row.day);
    }
    EXPECT_EQ(EncodeDate(1900, 1, 1), FirstConvertibleDate);
    EXPECT_EQ(EncodeDate(2057, 2, 3), LastConvertibleDate);
}

TEST(DayNumbers, DaysThatDoNotExistAreRefused)
{
    struct Row {
        int year, month, day;
    };
    const std::vector<Row> rows = {
        {2011, 2, 29}, {1900, 2, 29}, {2011, 4, 31}, {2011, 13, 1}, {2011, 0, 1},
        {2011, 1, 0},  {0, 1, 1},     {10000, 1, 1}, {2011, 1, 32},
    };
    for (const Row& row : rows) {
        TDateTime date = 123;
        EXPECT_FALSE(TryEncodeDate(row.year, row.month, row.day, date)) << row.year << "-" << row.month << "-" << row.day;
        EXPECT_EQ(date, 123);
        try {
            EncodeDate(row.year, row.month, row.day);
            ADD_FAILURE() << "no error for " << row.year << "-" << row.month << "-" << row.day;
        } catch (const std::invalid_argument& e) {
            EXPECT_STREQ(e.what(), "Invalid argument to date encode");
        }
    }
}

TEST(DayNumbers, WeekdaysAndMonthLengths)
{
    EXPECT_EQ(DayOfWeek(40555), 4); // Wednesday
    EXPECT_EQ(IsoDayOfWeek(40555), 3);
    EXPECT_EQ(DayOfWeek(0), 7); // 1899-12-30, a Saturday
    EXPECT_EQ(DayOfWeek(1), 1);
    EXPECT_EQ(IsoDayOfWeek(1), 7);
    EXPECT_EQ(DayOfWeek(-693593), 2); // 0001-01-01, a Monday
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2011, 4), 30);
    EXPECT_EQ(DaysInMonth(2011, 13), 0);
}

TEST(DayNumbers, TimeOfDayIsIgnored)
{
    EXPECT_EQ(WholeDays(40555.75), 40555);
    EXPECT_EQ(FormatIsoDate(40555.99), "2011-01-12");
    EXPECT_EQ(DayOfWeek(40555.5), 4);
    EXPECT_TRUE(IsConvertibleDate(LastConvertibleDate + 0.9));
    EXPECT_FALSE(IsConvertibleDate(FirstConvertibleDate - 0.1));
    EXPECT_FALSE(IsConvertibleDate(LastConvertibleDate + 1));
}

TEST(DayNumbers, TodayComesFromTheClock)
{
    PinnedToday pinned({2024, 2, 29});
    EXPECT_EQ(TodayDayNumber(), EncodeDate(2024, 2, 29));
}

} // namespace
} // namespace qh::test
