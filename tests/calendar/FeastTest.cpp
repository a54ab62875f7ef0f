// Gregorian and lunar festivals of a day, the lunar Easter rule and the
// zodiac sign.

#include "CalendarTestSupport.h"

#include <vector>

namespace qh::test {
namespace {

// A day and the text expected of it.
struct DayText {
    TDateTime date;
    const char* text;
};

class Festivals : public CountedTransDate {
protected:
    const std::string& FeastOf(TDateTime date)
    {
        transDate.SetDate(date);
        return transDate.Feast();
    }
};

TEST_F(Festivals, GregorianFestivalTexts)
{
    const std::vector<DayText> rows = {
        {Day(2011, 4, 24), "复活节 Easter Sunday世界青年反对殖民主义日 亚非新闻工作者日"},
        {Day(2019, 3, 24), "复活节 Easter Sunday世界防治结核病日"},
        {Day(2019, 4, 21), "世界儿童日 全国企业家活动日"},
        {Day(2011, 5, 8), "母亲节 救助贫困母亲日 世界红十字日 世界微笑日"},
        {Day(2012, 5, 13), "母亲节 救助贫困母亲日 "},
        {Day(2011, 11, 24), "感恩节(United States) Thanksgiving Day "},
        {Day(2011, 10, 10), "感恩节(Canada) Thanksgiving Day 辛亥革命纪念日 世界精神卫生日 世界居室卫生日"},
        {Day(2011, 1, 30), "世界麻风日 "},
        {Day(2011, 6, 7), ""},
        {Day(2011, 7, 1), "中国共产党建党日 世界建筑日 香港回归日 亚洲\"三十亿人口日\""},
        {Day(2011, 10, 28), "世界\"男性健康日\""},
        {Day(2011, 8, 8), "中国男子节（爸爸节）"},
        {Day(2011, 5, 15), "全国助残日 世界家庭(咨询)日"},
        {Day(2011, 5, 17), "国际牛奶日 世界电信日"},
        // The fourth Sunday of September is also its last.
        {Day(2011, 9, 25), "国际聋人节 世界儿童日 国际海事日 世界心脏日 "},
        {Day(2011, 3, 28), "全国中小学生安全教育日 "},
        {Day(2012, 1, 1), "黑人日 元旦"},
    };
    for (const DayText& row : rows)
        EXPECT_EQ(FeastOf(row.date), row.text) << FormatIsoDate(row.date);
}

TEST_F(Festivals, EasterFollowsTheLunarFifteenthAfterTheEquinox)
{
    const std::vector<TDateTime> easters = {
        Day(2008, 3, 23), Day(2010, 4, 4), Day(2011, 4, 24), Day(2012, 4, 8),
        Day(2013, 3, 31), Day(2019, 3, 24), Day(2024, 3, 31), Day(2025, 4, 13),
    };
    for (const TDateTime easter : easters) {
        EXPECT_EQ(FeastOf(easter).rfind("复活节 Easter Sunday", 0), 0u) << FormatIsoDate(easter);
        int year = 0, month = 0, day = 0;
        DecodeDate(easter, year, month, day);
        int marked = 0;
        for (TDateTime date = Day(year, 3, 1); date <= Day(year, 5, 31); date += 1)
            marked += FeastOf(date).find("Easter") != std::string::npos;
        EXPECT_EQ(marked, 1) << year;
    }
    EXPECT_EQ(FeastOf(Day(2025, 4, 20)).find("Easter"), std::string::npos);
}

TEST_F(Festivals, NoEasterWhenTheRuleFallsAfterApril25)
{
    for (TDateTime date = Day(1981, 3, 1); date <= Day(1981, 5, 31); date += 1)
        EXPECT_EQ(FeastOf(date).find("Easter"), std::string::npos) << FormatIsoDate(date);
}

TEST_F(Festivals, LunarFestivalTexts)
{
    const std::vector<DayText> rows = {
        {Day(2011, 2, 3), "春节"},
        {Day(2011, 2, 2), "除夕"},  // lunar 2010-12-30, month of 30 days
        {Day(2013, 2, 9), "除夕"},  // lunar 2012-12-29, month of 29 days
        {Day(1900, 1, 30), "除夕"}, // the last day of lunar 1899
        {Day(2011, 4, 5), "清明节"},
        {Day(2014, 11, 1), "重阳节 中国老年节"}, // leap month 9, day 9
        {Day(2014, 10, 2), "重阳节 中国老年节"},
        {Day(2011, 1, 26), "北方小年"},
        {Day(2011, 1, 27), "小年"},
        {Day(2011, 1, 11), "腊八节"},
        {Day(2011, 8, 14), "中元节(鬼节、盂兰盆)"},
        {Day(2011, 1, 12), ""},
    };
    for (const DayText& row : rows) {
        transDate.SetDate(row.date);
        EXPECT_EQ(Lunar().FeastOfLunar(), row.text) << FormatIsoDate(row.date);
    }
}

TEST_F(Festivals, ZodiacSigns)
{
    const std::vector<DayText> rows = {
        {Day(2011, 3, 20), "双鱼座"}, {Day(2011, 3, 21), "白羊座"}, {Day(2011, 12, 21), "射手座"},
        {Day(2011, 12, 22), "摩羯座"}, {Day(2011, 1, 19), "摩羯座"}, {Day(2011, 1, 20), "水瓶座"},
        {Day(2011, 2, 18), "水瓶座"}, {Day(2011, 2, 19), "双鱼座"}, {Day(2011, 7, 22), "巨蟹座"},
        {Day(2011, 7, 23), "狮子座"}, {Day(2011, 10, 23), "天蝎座"}, {Day(2011, 12, 31), "摩羯座"},
    };
    for (const DayText& row : rows) {
        transDate.SetDate(row.date);
        EXPECT_EQ(transDate.Constellation(), row.text) << FormatIsoDate(row.date);
    }
}

TEST(FestivalTables, DateKeysAreUniqueAndAscending)
{
    for (std::size_t i = 1; i < std::size(Feasts); ++i)
        EXPECT_LT(Feasts[i - 1].Key, Feasts[i].Key) << i;
}

} // namespace
} // namespace qh::test
