// Sexagenary names, animal and solar term of a day, under the lunar
// reckoning and the solar-term reckoning of year and month.

#include "CalendarTestSupport.h"

#include <ostream>
#include <vector>

namespace qh::test {
namespace {

struct TextsCase {
    TDateTime date;
    bool solarTermBasis;
    const char* cYear;
    const char* cMonth;
    const char* cDay;
    const char* animal;
    const char* solarTerm;
};

void PrintTo(const TextsCase& c, std::ostream* os)
{
    *os << FormatIsoDate(c.date) << (c.solarTermBasis ? " by solar terms" : " by lunar months");
}

class DayTexts : public ::testing::TestWithParam<TextsCase> {};

TEST_P(DayTexts, NamesOfTheDay)
{
    const TextsCase& c = GetParam();
    PinnedToday pinned({2026, 12, 11});
    TTransDate transDate;
    transDate.SetBookOfChanges(c.solarTermBasis);
    transDate.SetDate(c.date);
    const TLunarDate& lunar = transDate.LunarDate();
    const std::string where = FormatIsoDate(c.date) + (c.solarTermBasis ? " by solar terms" : " by lunar months");
    EXPECT_EQ(lunar.cYear(), c.cYear) << where;
    EXPECT_EQ(lunar.cMonth(), c.cMonth) << where;
    EXPECT_EQ(lunar.cDay(), c.cDay) << where;
    EXPECT_EQ(lunar.AnimalYear(), c.animal) << where;
    EXPECT_EQ(lunar.SolarTerm(), c.solarTerm) << where;
}

INSTANTIATE_TEST_SUITE_P(BothReckonings, DayTexts, ::testing::Values(
    TextsCase{Day(2011, 1, 12), false, "庚寅", "己丑", "丁卯", "虎", ""},
    TextsCase{Day(2011, 1, 12), true, "庚寅", "己丑", "丁卯", "虎", ""},
    // After the lunar new year, before 立春.
    TextsCase{Day(2012, 1, 30), false, "壬辰", "壬寅", "庚寅", "龙", ""},
    TextsCase{Day(2012, 1, 30), true, "辛卯", "辛丑", "庚寅", "兔", ""},
    TextsCase{Day(2012, 2, 2), true, "辛卯", "辛丑", "癸巳", "兔", ""},
    TextsCase{Day(2012, 2, 4), true, "壬辰", "壬寅", "乙未", "龙", "立春"},
    // The first days of the range.
    TextsCase{Day(1900, 1, 1), false, "己亥", "丁丑", "甲戌", "猪", ""},
    TextsCase{Day(1900, 1, 1), true, "己亥", "丙子", "甲戌", "猪", ""},
    TextsCase{Day(1900, 1, 31), false, "庚子", "戊寅", "甲辰", "鼠", ""},
    TextsCase{Day(1900, 1, 31), true, "己亥", "丁丑", "甲辰", "猪", ""},
    // A leap twin takes the names of its ordinary month.
    TextsCase{Day(2009, 6, 23), false, "己丑", "庚午", "己亥", "牛", ""},
    TextsCase{Day(2010, 12, 22), false, "庚寅", "戊子", "丙午", "虎", "冬至"},
    TextsCase{Day(2011, 3, 21), false, "辛卯", "辛卯", "乙亥", "兔", "春分"},
    TextsCase{Day(2011, 3, 22), false, "辛卯", "辛卯", "丙子", "兔", ""},
    // The last weeks of lunar 2056 fall in 2057 and read the 2057 terms.
    TextsCase{Day(2057, 1, 20), false, "丙子", "辛丑", "丁丑", "鼠", ""},
    TextsCase{Day(2057, 1, 20), true, "丙子", "辛丑", "丁丑", "鼠", ""},
    TextsCase{Day(2057, 2, 3), false, "丙子", "辛丑", "辛卯", "鼠", "立春"},
    TextsCase{Day(2057, 2, 3), true, "丁丑", "壬寅", "辛卯", "牛", "立春"}));

TEST(DayTexts, SolarTermsOf2057)
{
    PinnedToday pinned({2026, 12, 11});
    TTransDate transDate;
    transDate.SetBookOfChanges(true);
    int found = 0;
    for (TDateTime date = Day(2057, 1, 1); date <= LastConvertibleDate; date += 1) {
        transDate.SetDate(date);
        const std::string& term = transDate.LunarDate().SolarTerm();
        if (term.empty())
            continue;
        ++found;
        // 小寒 opens the 丑 month of 丙子; 大寒 stays in it.
        EXPECT_TRUE(term == "小寒" || term == "大寒" || term == "立春") << FormatIsoDate(date);
        if (term != "立春")
            EXPECT_EQ(transDate.LunarDate().cMonth(), "辛丑") << FormatIsoDate(date);
    }
    EXPECT_GE(found, 2);
}

TEST(DayTexts, SolarTermBasisAgreesWithTheTermDaysEverywhere)
{
    // Under the solar-term reckoning the month name changes exactly on the
    // first term of each Gregorian month, and the year name on 立春.
    PinnedToday pinned({2026, 12, 11});
    TTransDate transDate;
    transDate.SetBookOfChanges(true);
    transDate.SetDate(FirstConvertibleDate);
    std::string month = transDate.LunarDate().cMonth();
    std::string year = transDate.LunarDate().cYear();
    for (int n = WholeDays(FirstConvertibleDate) + 1; n <= WholeDays(LastConvertibleDate); ++n) {
        transDate.SetDate(n);
        const TLunarDate& lunar = transDate.LunarDate();
        const int term = GetSolarTermIndex(n);
        const bool firstTerm = term >= 0 && term % 2 == 0;
        ASSERT_EQ(lunar.cMonth() != month, firstTerm) << FormatIsoDate(n);
        ASSERT_EQ(lunar.cYear() != year, term == 2) << FormatIsoDate(n);
        month = lunar.cMonth();
        year = lunar.cYear();
    }
}

} // namespace
} // namespace qh::test
