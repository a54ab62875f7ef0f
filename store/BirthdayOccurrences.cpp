#include "BirthdayOccurrences.h"

#include "DayNumber.h"
#include "LunarYearInfo.h"

#include <QStringList>

#include <algorithm>

namespace qh {
namespace {

// Weekday texts by weekday number, 1 being Sunday.
const char* const WeekDayNames[7] = {"星期天", "星期一", "星期二", "星期三",
                                     "星期四", "星期五", "星期六"};

constexpr int LastStorableYear = 9999;

// A whole number of ASCII digits, short enough never to overflow.
std::optional<int> ReadDigits(const QString& part)
{
    const QString digits = part.trimmed();
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    for (QChar c : digits)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    return digits.toInt();
}

int DayNumber(int year, int month, int day)
{
    return WholeDays(EncodeDate(year, month, day));
}

} // namespace

std::optional<CivilDate> ReadBirthdayText(const QString& text)
{
    const QStringList parts = text.split(u'-');
    if (parts.size() != 3)
        return std::nullopt;
    const auto year = ReadDigits(parts[0]);
    const auto month = ReadDigits(parts[1]);
    const auto day = ReadDigits(parts[2]);
    if (!year || !month || !day)
        return std::nullopt;
    TDateTime date = 0;
    if (!TryEncodeDate(*year, *month, *day, date))
        return std::nullopt;
    const CivilDate birthday{*year, *month, *day};
    // 1900-01-01 stands for "no date" and is never a birthday.
    if (birthday == CivilDate{1900, 1, 1})
        return std::nullopt;
    return birthday;
}

QString BirthdayStoredText(const CivilDate& birthday)
{
    return QStringLiteral("%1-%2-%3")
        .arg(birthday.year, 4, 10, QChar(u'0'))
        .arg(birthday.month)
        .arg(birthday.day, 2, 10, QChar(u'0'));
}

std::optional<int> ReadYearCount(const QString& text, int currentYear)
{
    bool ok = false;
    const int count = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    if (count <= -3)
        return count;  // the span is empty: nothing to place in the calendar
    const long long lastYear = static_cast<long long>(currentYear) + count + 1;
    if (lastYear < 1 || lastYear > LastStorableYear)
        return std::nullopt;
    return count;
}

std::vector<BirthdayOccurrence> FindBirthdayOccurrences(const CivilDate& birthday,
                                                        int currentYear, int yearCount)
{
    std::vector<BirthdayOccurrence> found;
    const long long spanDays = (static_cast<long long>(yearCount) + 2) * 365 + 1;
    if (spanDays <= 0)
        return found;
    const long long lastYear = static_cast<long long>(currentYear) + yearCount + 1;
    if (lastYear < 1 || lastYear > LastStorableYear)
        return found;
    const long long spanLast = DayNumber(static_cast<int>(lastYear), 12, 31);
    const long long spanFirst = spanLast - spanDays + 1;

    // Only the days the lunar table knows can match.
    const long long tableFirst = DayNumber(LunarYearInfoFirstYear, 2, 8);
    const long long tableLast = tableFirst + LunarYearInfoDays() - 1;
    const long long last = std::min(spanLast, tableLast);
    const long long first = std::max(spanFirst, tableFirst);

    for (long long dayNumber = last; dayNumber >= first; --dayNumber) {
        const auto date = static_cast<TDateTime>(dayNumber);
        int year = 0, month = 0, day = 0;
        DecodeDate(date, year, month, day);
        const auto lunar = LunarFromSolar(year, month, day);
        if (!lunar || lunar->month != birthday.month || lunar->day != birthday.day)
            continue;
        found.push_back({QString::fromStdString(FormatIsoDate(date)) + u' ', year - birthday.year, year,
                         QString::fromUtf8(WeekDayNames[DayOfWeek(date) - 1])});
    }
    return found;
}

} // namespace qh
