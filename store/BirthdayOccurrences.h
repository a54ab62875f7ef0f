#pragma once
// The texts a person is registered with, and the Gregorian days on which a
// lunar birthday falls over a span of years. Pure functions: no database,
// no widgets, today's year passed in.

#include "Clock.h"

#include <QString>

#include <optional>
#include <vector>

namespace qh {

// Reads a birthday typed as year-month-day joined by '-', blanks around the
// numbers ignored ("1985-08-08", " 1985 - 8 - 8 "). It is checked as a
// Gregorian date: nothing for any other form, for a day that does not
// exist, and for 1900-01-01.
std::optional<CivilDate> ReadBirthdayText(const QString& text);

// The birthday as stored with the person: "yyyy-m-dd" (1985-8-08).
QString BirthdayStoredText(const CivilDate& birthday);

// Reads the number of years to generate: nothing for a text that is not a
// whole number, or for a count whose span would end outside the years 1 to
// 9999. Counts of -3 and below give an empty span and are accepted.
std::optional<int> ReadYearCount(const QString& text, int currentYear);

struct BirthdayOccurrence {
    QString date;     // "yyyy-mm-dd " with its trailing blank
    int age = 0;      // the occurrence's Gregorian year minus the birth year
    int year = 0;     // the occurrence's Gregorian year
    QString weekday;  // "星期天" to "星期六"
};

// The days whose lunar month and day are the birthday's month and day, over
// the (yearCount + 2) * 365 + 1 days that end on December 31 of
// currentYear + yearCount + 1, latest first. Days the lunar table does not
// reach have no lunar date and are not visited.
std::vector<BirthdayOccurrence> FindBirthdayOccurrences(const CivilDate& birthday,
                                                        int currentYear, int yearCount);

} // namespace qh
