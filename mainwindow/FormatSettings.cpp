#include "FormatSettings.h"

#include <QDate>
#include <QRegularExpression>

namespace qh {
namespace {

QDate ToQDate(TDateTime date)
{
    int year = 0, month = 0, day = 0;
    DecodeDate(date, year, month, day);
    return QDate(year, month, day);
}

// The separator a format puts between its fields, e.g. "/" in "M/d/yy".
QString SeparatorIn(const QString& format, const QString& fallback)
{
    static const QRegularExpression separator(QStringLiteral("[yMdHhms]+([^yMdHhmsAaPpt\\s]+)"));
    const QRegularExpressionMatch match = separator.match(format);
    return match.hasMatch() ? match.captured(1) : fallback;
}

} // namespace

QString WithoutWeekday(const QString& format)
{
    // Three or four d's are a weekday name; take it with the separator that
    // joins it to the rest, whichever side that is on.
    static const QRegularExpression trailing(QStringLiteral("(?<![d'])d{3,4}(?!d)[\\s,，、]*"));
    static const QRegularExpression leading(QStringLiteral("[\\s,，、]*(?<![d'])d{3,4}(?!d)$"));
    QString result = format;
    if (result.contains(leading))
        result.remove(leading);
    else
        result.remove(trailing);
    return result.trimmed();
}

TFormatSettings FormatSettingsFor(const QLocale& locale)
{
    TFormatSettings s;
    s.Locale = locale.language() == QLocale::C ? QLocale(QLocale::Chinese, QLocale::China) : locale;
    s.ShortDateFormat = s.Locale.dateFormat(QLocale::ShortFormat);
    s.LongDateFormat = WithoutWeekday(s.Locale.dateFormat(QLocale::LongFormat));
    s.DateSeparator = SeparatorIn(s.ShortDateFormat, QStringLiteral("-"));
    s.TimeSeparator = SeparatorIn(s.Locale.timeFormat(QLocale::ShortFormat), QStringLiteral(":"));
    for (int day : {7, 1, 2, 3, 4, 5, 6}) {
        s.LongDayNames.append(s.Locale.dayName(day, QLocale::LongFormat));
        s.ShortDayNames.append(s.Locale.dayName(day, QLocale::ShortFormat));
    }
    for (int month = 1; month <= 12; ++month) {
        s.LongMonthNames.append(s.Locale.monthName(month, QLocale::LongFormat));
        s.ShortMonthNames.append(s.Locale.monthName(month, QLocale::ShortFormat));
    }
    return s;
}

TFormatSettings UserFormatSettings()
{
    return FormatSettingsFor(QLocale::system());
}

QString TFormatSettings::FormatWeekday(TDateTime date) const
{
    return LongDayNames.value(DayOfWeek(date) - 1);
}

QString TFormatSettings::FormatLongDate(TDateTime date) const
{
    return Locale.toString(ToQDate(date), LongDateFormat);
}

} // namespace qh
