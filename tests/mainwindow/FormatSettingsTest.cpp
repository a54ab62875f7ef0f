// The locale formats of the converter panels: weekday names and the long
// date, with simplified Chinese standing in for the C locale.

#include "DayNumber.h"
#include "FormatSettings.h"

#include <gtest/gtest.h>

namespace qh {
namespace {

TEST(FormatSettings, TheCLocaleFallsBackToSimplifiedChinese)
{
    const TFormatSettings s = FormatSettingsFor(QLocale::c());
    EXPECT_EQ(s.Locale.language(), QLocale::Chinese);
    const TDateTime date = EncodeDate(2011, 1, 12);
    EXPECT_EQ(s.FormatWeekday(date), QStringLiteral("星期三"));
    EXPECT_EQ(s.FormatLongDate(date), QStringLiteral("2011年1月12日"));
}

TEST(FormatSettings, OtherLocalesKeepTheirOwnNames)
{
    const TFormatSettings s = FormatSettingsFor(QLocale(QLocale::English, QLocale::UnitedStates));
    const TDateTime date = EncodeDate(2024, 3, 31);
    EXPECT_EQ(s.FormatWeekday(date), QStringLiteral("Sunday"));
    EXPECT_EQ(s.FormatLongDate(date), QStringLiteral("March 31, 2024"));
    EXPECT_EQ(s.LongDayNames.size(), 7);
    EXPECT_EQ(s.LongDayNames[0], QStringLiteral("Sunday"));
    EXPECT_EQ(s.LongMonthNames.size(), 12);
}

TEST(FormatSettings, TheLongDateLeavesTheWeekdayToThePanels)
{
    const struct {
        const char* format;
        const char* expected;
    } cases[] = {
        {"yyyy年M月d日dddd", "yyyy年M月d日"},
        {"dddd, MMMM d, yyyy", "MMMM d, yyyy"},
        {"dddd d MMMM yyyy", "d MMMM yyyy"},
        {"d. MMMM yyyy", "d. MMMM yyyy"},
        {"yyyy年M月d日", "yyyy年M月d日"},
        {"d MMMM yyyy, ddd", "d MMMM yyyy"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithoutWeekday(QString::fromUtf8(c.format)), QString::fromUtf8(c.expected)) << c.format;
}

TEST(FormatSettings, TheUserLocaleIsRead)
{
    // The tests run with LC_ALL=zh_CN.UTF-8.
    EXPECT_EQ(UserFormatSettings().Locale.language(), QLocale::Chinese);
}

} // namespace
} // namespace qh
