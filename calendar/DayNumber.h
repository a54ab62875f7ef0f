#pragma once
// Gregorian dates as day numbers: the count of days since 1899-12-30
// (1900-01-01 is day 2, 2011-01-12 is day 40555), held in a double whose
// whole part is the day. Stored window layouts hold dates in this form.

#include <string>

namespace qh {

using TDateTime = double;

// The span of days the lunar calendar engine converts: 1900-01-01 (lunar
// 1899-12-01) to 2057-02-03, the last day of lunar year 2056.
inline constexpr TDateTime FirstConvertibleDate = 2;
inline constexpr TDateTime LastConvertibleDate = 57379;

// The whole-day part of a date (a time of day is ignored).
int WholeDays(TDateTime date);

// The remainder of value / divisor in 0 .. divisor - 1, also for negative
// values (weekdays and the sexagenary cycles count back before 1900).
int PositiveMod(long long value, int divisor);

// True when the whole day of the date lies in the convertible span.
bool IsConvertibleDate(TDateTime date);

bool IsLeapYear(int year);

// Days (28 to 31) of a Gregorian month; 0 for a month outside 1 to 12.
int DaysInMonth(int year, int month);

// Day number of a Gregorian date. A date that does not exist, or a year
// outside 1 to 9999, is refused: TryEncodeDate answers false and leaves
// `date` alone, EncodeDate throws std::invalid_argument.
bool TryEncodeDate(int year, int month, int day, TDateTime& date);
TDateTime EncodeDate(int year, int month, int day);

// Gregorian year, month and day of a date's whole day.
void DecodeDate(TDateTime date, int& year, int& month, int& day);

// Weekday 1 = Sunday to 7 = Saturday.
int DayOfWeek(TDateTime date);
// Weekday 1 = Monday to 7 = Sunday.
int IsoDayOfWeek(TDateTime date);

// Today's date (qh::Today()) as a day number.
TDateTime TodayDayNumber();

// "YYYY-MM-DD" of a date's whole day.
std::string FormatIsoDate(TDateTime date);

} // namespace qh
