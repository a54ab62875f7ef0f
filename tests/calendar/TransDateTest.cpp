// The conversion component: both directions of conversion, the
// announcements of every path, the range it refuses, stored layouts.

#include "CalendarTestSupport.h"

#include <cmath>
#include <limits>

namespace qh::test {
namespace {

using TransDateConversion = CountedTransDate;

TEST_F(TransDateConversion, DateConvertsToTheLunarDateAndAnnouncesOnce)
{
    transDate.SetDate(40555);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Lunar().lYear(), 2010);
    EXPECT_EQ(Lunar().lMonth(), 12);
    EXPECT_EQ(Lunar().lDay(), 9);
    EXPECT_FALSE(Lunar().FlagLeapMonth());
    EXPECT_EQ(Lunar().MaxMonthDays(), 30);
    EXPECT_EQ(transDate.Week(), 4);
    EXPECT_EQ(transDate.MaxMonthDays(), 31);
    EXPECT_EQ(transDate.GetLunarDateText(), "2010年 12月 9日");
    transDate.SetISO8601(true);
    EXPECT_EQ(transDate.Week(), 3);
    EXPECT_EQ(changes, 1);

    transDate.SetDate(40555);
    EXPECT_EQ(changes, 1);
}

TEST_F(TransDateConversion, LeapTwinIsNamedInTheText)
{
    transDate.SetDate(Day(2009, 6, 23));
    EXPECT_TRUE(Lunar().FlagLeapMonth());
    EXPECT_EQ(transDate.GetLunarDateText(), "2009年 闰5月 1日");
}

TEST_F(TransDateConversion, FirstMonthOfTheRangeAnnouncesTwice)
{
    transDate.SetDate(Day(1900, 1, 1));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(transDate.GetLunarDateText(), "1899年 12月 1日");
    EXPECT_EQ(transDate.Date(), 2);
    transDate.SetDate(Day(1900, 1, 31));
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(transDate.GetLunarDateText(), "1900年 1月 1日");
}

TEST_F(TransDateConversion, LunarDateOf1899ClearsALeapFlagLeftOn)
{
    transDate.SetDate(Day(2009, 6, 23));
    transDate.SetDate(Day(1900, 1, 5));
    EXPECT_FALSE(Lunar().FlagLeapMonth());
    EXPECT_EQ(transDate.GetLunarDateText(), "1899年 12月 5日");
}

TEST_F(TransDateConversion, LunarToDateAtTheStartOfTheRange)
{
    Lunar().SetlYear(1900);
    Lunar().SetlMonth(1);
    Lunar().SetlDay(1);
    EXPECT_EQ(transDate.Date(), 32);
    transDate.SetDate(Day(1900, 1, 30));
    EXPECT_EQ(transDate.LunarToDate(Lunar()), Day(1900, 1, 30));
}

TEST_F(TransDateConversion, DatesOutsideTheRangeAreRefused)
{
    HoldDay(40555);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (TDateTime outside : {1.0, 0.0, -700000.0, LastConvertibleDate + 1, 3e12, nan}) {
        transDate.SetDate(outside);
        EXPECT_EQ(transDate.Date(), 40555) << outside;
        TLunarDate scratch;
        scratch.SetlYear(2020);
        transDate.DateToLunar(scratch, outside);
        EXPECT_EQ(scratch.lYear(), 2020) << outside;
    }
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(transDate.GetLunarDateText(), "2010年 12月 9日");

    transDate.SetDate(LastConvertibleDate);
    EXPECT_EQ(transDate.GetLunarDateText(), "2056年 12月 30日");
}

TEST_F(TransDateConversion, TodayOutsideTheRangeStartsAtTheNearestEnd)
{
    {
        PinnedToday late({2100, 6, 1});
        TTransDate component;
        EXPECT_EQ(component.Date(), LastConvertibleDate);
        EXPECT_EQ(component.LunarDate().lYear(), 2056);
    }
    PinnedToday early({1850, 6, 1});
    TTransDate component;
    EXPECT_EQ(component.Date(), FirstConvertibleDate);
}

TEST_F(TransDateConversion, ConstructionHoldsTodayConverted)
{
    TTransDate component;
    EXPECT_EQ(component.Date(), Day(2026, 12, 11));
    EXPECT_EQ(component.GetLunarDateText(), "2026年 11月 3日");
    EXPECT_EQ(component.LunarDate().cYear(), "丙午");
    EXPECT_FALSE(component.BookOfChanges());
    EXPECT_FALSE(component.ISO8601());
}

TEST_F(TransDateConversion, LeapMonthRequestMovesOnlyAMonthWithATwin)
{
    HoldDay(Day(2009, 6, 2)); // lunar 2009-05-10
    transDate.SetLeapMonth(true);
    EXPECT_EQ(transDate.Date(), Day(2009, 7, 2));
    EXPECT_EQ(changes, 1);
    transDate.SetLeapMonth(false);
    EXPECT_EQ(transDate.Date(), Day(2009, 6, 2));
    EXPECT_EQ(changes, 2);

    HoldDay(Day(2010, 6, 21)); // lunar 2010-05-10
    transDate.SetLeapMonth(true);
    EXPECT_TRUE(transDate.LeapMonth());
    EXPECT_EQ(transDate.Date(), Day(2010, 6, 21));
    EXPECT_FALSE(Lunar().FlagLeapMonth());
    EXPECT_EQ(changes, 0);
}

TEST_F(TransDateConversion, LunarWritesMoveTheDate)
{
    HoldDay(40555); // lunar 2010-12-09
    Lunar().SetlYear(2009);
    Lunar().SetlMonth(5);
    Lunar().SetlDay(1);
    EXPECT_EQ(transDate.Date(), Day(2009, 5, 24));
    EXPECT_EQ(changes, 3);
    Lunar().SetFlagLeapMonth(true);
    EXPECT_EQ(transDate.Date(), Day(2009, 6, 23));
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(transDate.Week(), 3);
    EXPECT_EQ(transDate.Feast(), "国际奥林匹克日 世界手球日");
    // The Gregorian month length waits for the next SetDate.
    EXPECT_EQ(transDate.MaxMonthDays(), 31);
}

TEST_F(TransDateConversion, AnnouncementsPerPath)
{
    struct Path {
        const char* name;
        TDateTime start;
        std::function<void(TTransDate&)> act;
        int changes;
    };
    const std::vector<Path> paths = {
        {"new date", 40555, [](TTransDate& t) { t.SetDate(40556); }, 1},
        {"same date", 40555, [](TTransDate& t) { t.SetDate(40555); }, 0},
        {"date in lunar 1899", 40555, [](TTransDate& t) { t.SetDate(5); }, 2},
        {"refused date", 40555, [](TTransDate& t) { t.SetDate(1); }, 0},
        {"lunar year", 40555, [](TTransDate& t) { t.LunarDate().SetlYear(2011); }, 1},
        {"refused lunar year", 40555, [](TTransDate& t) { t.LunarDate().SetlYear(2057); }, 0},
        {"lunar month", 40555, [](TTransDate& t) { t.LunarDate().SetlMonth(3); }, 1},
        {"same lunar month", 40555, [](TTransDate& t) { t.LunarDate().SetlMonth(12); }, 0},
        {"same lunar day", 40555, [](TTransDate& t) { t.LunarDate().SetlDay(9); }, 1},
        {"refused lunar day", 40555, [](TTransDate& t) { t.LunarDate().SetlDay(31); }, 1},
        {"leap flag on an ordinary month", 40555, [](TTransDate& t) { t.LunarDate().SetFlagLeapMonth(true); }, 1},
        {"same leap flag", 40555, [](TTransDate& t) { t.LunarDate().SetFlagLeapMonth(false); }, 0},
        {"same basis", 40555, [](TTransDate& t) { t.SetBookOfChanges(false); }, 1},
        {"other basis", 40555, [](TTransDate& t) { t.SetBookOfChanges(true); }, 1},
        {"leap request with a twin", Day(2009, 6, 2), [](TTransDate& t) { t.SetLeapMonth(true); }, 1},
        {"leap request without a twin", 40555, [](TTransDate& t) { t.SetLeapMonth(true); }, 0},
        {"weekday numbering", 40555, [](TTransDate& t) { t.SetISO8601(true); }, 0},
        {"month length field", 40555, [](TTransDate& t) { t.SetMaxMonthDays(28); }, 0},
    };
    for (const Path& path : paths) {
        TTransDate component;
        component.SetDate(path.start);
        int count = 0;
        component.OnChange = [&count](TTransDate&) { ++count; };
        path.act(component);
        EXPECT_EQ(count, path.changes) << path.name;
    }
}

TEST_F(TransDateConversion, LeapFlagOnAnOrdinaryMonthLeavesTheDate)
{
    HoldDay(40555);
    Lunar().SetFlagLeapMonth(true);
    EXPECT_EQ(transDate.Date(), 40555);
    EXPECT_EQ(changes, 1);
}

TEST_F(TransDateConversion, AdoptsAnotherLunarDateByValue)
{
    HoldDay(40555);
    TLunarDate other;
    other.SetlYear(2009);
    other.SetlMonth(5);
    other.SetlDay(1);
    other.SetFlagLeapMonth(true);
    transDate.SetLunarDate(other);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(transDate.Date(), Day(2009, 6, 23));
    EXPECT_EQ(transDate.MaxMonthDays(), 30);
    EXPECT_EQ(Lunar().MaxMonthDays(), 29);
    EXPECT_NE(&transDate.LunarDate(), &other);
    // The held lunar date is still hooked to the component.
    Lunar().SetlDay(2);
    EXPECT_EQ(transDate.Date(), Day(2009, 6, 24));

    transDate.SetLunarDate(transDate.LunarDate());
    EXPECT_EQ(changes, 2);
}

TEST_F(TransDateConversion, StoredLayoutLoadsThroughTheSetters)
{
    ApplyLayout(transDate, TTransDateLayout{});
    // Basis switch, then lunar year, month and day each announce a change.
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(transDate.Date(), 40555);
    EXPECT_EQ(transDate.GetLunarDateText(), "2010年 12月 9日");
    EXPECT_EQ(transDate.MaxMonthDays(), 31);
    EXPECT_EQ(Lunar().MaxMonthDays(), 30);
    EXPECT_EQ(Lunar().cDay(), "丁卯");
    EXPECT_EQ(transDate.Week(), 4);
    EXPECT_FALSE(transDate.LeapMonth());
}

TEST_F(TransDateConversion, StoredLayoutWithTheSolarTermBasis)
{
    TTransDateLayout layout;
    layout.BookOfChanges = true;
    layout.lYear = 2012;
    layout.lMonth = 1;
    layout.lDay = 8;
    layout.Date = Day(2012, 1, 30);
    ApplyLayout(transDate, layout);
    EXPECT_EQ(transDate.Date(), Day(2012, 1, 30));
    EXPECT_EQ(Lunar().cYear(), "辛卯");
    EXPECT_TRUE(Lunar().BookOfChanges());
}

TEST(TransDateRange, EveryDayRoundTripsThroughTheComponent)
{
    PinnedToday pinned({2026, 12, 11});
    TTransDate component;
    for (int n = WholeDays(FirstConvertibleDate); n <= WholeDays(LastConvertibleDate); ++n) {
        component.SetDate(n);
        ASSERT_EQ(component.LunarToDate(component.LunarDate()), n) << FormatIsoDate(n);
        ASSERT_LE(component.LunarDate().lDay(), component.LunarDate().MaxMonthDays()) << FormatIsoDate(n);
    }
}

} // namespace
} // namespace qh::test
