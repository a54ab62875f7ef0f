#pragma once
// The user's locale date formats, read once when the main window is
// created; the converter panels take the weekday names and the long date
// format from them.

#include "DayNumber.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace qh {

struct TFormatSettings {
    QLocale Locale;
    QString DateSeparator;
    QString TimeSeparator;
    QString ShortDateFormat;
    // The long date without a weekday: the panels append the weekday
    // themselves.
    QString LongDateFormat;
    QStringList LongDayNames;    // [0] Sunday .. [6] Saturday
    QStringList ShortDayNames;
    QStringList LongMonthNames;  // [0] January .. [11] December
    QStringList ShortMonthNames;

    // The full weekday name of a date ("dddd").
    QString FormatWeekday(TDateTime date) const;
    // The date in the long date format ("dddddd").
    QString FormatLongDate(TDateTime date) const;
};

// The formats of a locale. The C (POSIX) locale, which names no language,
// falls back to simplified Chinese (zh_CN), the program's own language.
TFormatSettings FormatSettingsFor(const QLocale& locale);

// The formats of the user's default locale.
TFormatSettings UserFormatSettings();

// A long date format with its weekday part removed ("dddd, MMMM d, yyyy"
// gives "MMMM d, yyyy", "yyyy年M月d日dddd" gives "yyyy年M月d日").
QString WithoutWeekday(const QString& format);

} // namespace qh
