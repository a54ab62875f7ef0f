#include "DayNumber.h"

#include "Clock.h"

#include <cmath>
#include <stdexcept>

namespace qh {
namespace {

// Days from 0000-03-01 of the proleptic Gregorian calendar, counting years
// from March so that the leap day ends the year.
long long DaysFromCivil(long long y, int m, int d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

void CivilFromDays(long long z, int& year, int& month, int& day)
{
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

const long long DayZero = DaysFromCivil(1899, 12, 30);

} // namespace

int PositiveMod(long long value, int divisor)
{
    const int r = static_cast<int>(value % divisor);
    return r < 0 ? r + divisor : r;
}

int WholeDays(TDateTime date)
{
    // Far beyond any calendar date; keeps the conversion to int defined.
    constexpr double limit = 1e9;
    if (std::isnan(date))
        return 0;
    if (date >= limit || date <= -limit)
        return date > 0 ? static_cast<int>(limit) : -static_cast<int>(limit);
    return static_cast<int>(std::trunc(date));
}

bool IsConvertibleDate(TDateTime date)
{
    // Written so that NaN is refused too.
    return date >= FirstConvertibleDate && std::trunc(date) <= LastConvertibleDate;
}

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month)
{
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& date)
{
    if (year < 1 || year > 9999 || day < 1 || day > DaysInMonth(year, month))
        return false;
    date = static_cast<TDateTime>(DaysFromCivil(year, month, day) - DayZero);
    return true;
}

TDateTime EncodeDate(int year, int month, int day)
{
    TDateTime date = 0;
    if (!TryEncodeDate(year, month, day, date))
        throw std::invalid_argument("Invalid argument to date encode");
    return date;
}

void DecodeDate(TDateTime date, int& year, int& month, int& day)
{
    CivilFromDays(DayZero + WholeDays(date), year, month, day);
}

int DayOfWeek(TDateTime date)
{
    // Day 0, 1899-12-30, was a Saturday.
    return PositiveMod(WholeDays(date) + 6LL, 7) + 1;
}

int IsoDayOfWeek(TDateTime date)
{
    return PositiveMod(WholeDays(date) + 5LL, 7) + 1;
}

TDateTime TodayDayNumber()
{
    const CivilDate today = Today();
    return EncodeDate(today.year, today.month, today.day);
}

std::string FormatIsoDate(TDateTime date)
{
    int y = 0, m = 0, d = 0;
    DecodeDate(date, y, m, d);
    if (y < 0 || y > 9999)
        return std::to_string(y) + '-' + std::to_string(m) + '-' + std::to_string(d);
    const auto digit = [](int value) { return static_cast<char>('0' + value % 10); };
    return {digit(y / 1000), digit(y / 100), digit(y / 10), digit(y), '-', digit(m / 10), digit(m), '-',
            digit(d / 10), digit(d)};
}

} // namespace qh
