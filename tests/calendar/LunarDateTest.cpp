// The lunar date value: which writes it takes, what it recomputes and
// when it announces a change.

#include "CalendarTestSupport.h"

namespace qh::test {
namespace {

// A free-standing lunar date (no owning component) set to a known day
// through its setters, with its own announcements counted.
class LunarDateValue : public ::testing::Test {
protected:
    PinnedToday pinned{{2011, 1, 12}};
    TLunarDate lunar;
    int changes = 0;

    void Hold(int year, int month, int day, bool leap = false)
    {
        lunar.SetlYear(year);
        lunar.SetlMonth(month);
        lunar.SetlDay(day);
        lunar.SetFlagLeapMonth(leap);
        lunar.OnChange = [this](TLunarDate& changed) {
            EXPECT_EQ(&changed, &lunar);
            ++changes;
        };
    }
};

TEST_F(LunarDateValue, StartsWithTodaysNumbersUnconverted)
{
    TLunarDate fresh;
    EXPECT_EQ(fresh.lYear(), 2011);
    EXPECT_EQ(fresh.lMonth(), 1);
    EXPECT_EQ(fresh.lDay(), 12);
    EXPECT_EQ(fresh.MaxMonthDays(), fresh.MonthDays(2011, 1));
    EXPECT_FALSE(fresh.FlagLeapMonth());
    EXPECT_TRUE(fresh.cYear().empty());
    EXPECT_TRUE(fresh.FeastOfLunar().empty());
}

TEST_F(LunarDateValue, RefusedYearOrMonthChangesNothingAndStaysSilent)
{
    Hold(2010, 12, 9);
    const std::string cDay = lunar.cDay();
    for (int year : {1899, 2057, 2010})
        lunar.SetlYear(year);
    for (int month : {0, 13, 12})
        lunar.SetlMonth(month);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(lunar.lYear(), 2010);
    EXPECT_EQ(lunar.lMonth(), 12);
    EXPECT_EQ(lunar.cDay(), cDay);
}

TEST_F(LunarDateValue, RefusedDayStillRecomputesAndAnnounces)
{
    Hold(2011, 2, 15); // lunar 2011 month 2 has 29 days
    ASSERT_EQ(lunar.MaxMonthDays(), 29);
    int expected = 0;
    for (int day : {30, 0, 15}) {
        lunar.SetlDay(day);
        EXPECT_EQ(lunar.lDay(), 15) << day;
        EXPECT_EQ(changes, ++expected) << day;
    }
}

TEST_F(LunarDateValue, ShorterMonthLowersTheDay)
{
    Hold(2011, 1, 30); // month 1 has 30 days, month 2 has 29
    lunar.SetlMonth(2);
    EXPECT_EQ(lunar.lDay(), 29);
    EXPECT_EQ(lunar.MaxMonthDays(), 29);
    EXPECT_EQ(changes, 1);
}

TEST_F(LunarDateValue, MonthDaysFollowsTheHeldLeapFlag)
{
    Hold(1900, 8, 1);
    EXPECT_EQ(lunar.MonthDays(1900, 8), 30);
    EXPECT_EQ(lunar.MonthDays(2010, 8), 30);
    lunar.SetFlagLeapMonth(true);
    EXPECT_EQ(lunar.MonthDays(1900, 8), 29);
    EXPECT_EQ(lunar.MonthDays(2010, 8), 30); // 2010 has no leap month
    EXPECT_EQ(lunar.MonthDays(1899, 12), 30);
    EXPECT_EQ(lunar.MonthDays(2057, 1), 30);
}

TEST_F(LunarDateValue, LeapFlagAnnouncesOnlyAChangeAndRecomputesNothing)
{
    Hold(1900, 8, 30);
    const std::string cDay = lunar.cDay();
    lunar.SetFlagLeapMonth(true);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(lunar.MaxMonthDays(), 30);
    EXPECT_EQ(lunar.lDay(), 30);
    EXPECT_EQ(lunar.cDay(), cDay);
    lunar.SetFlagLeapMonth(true);
    EXPECT_EQ(changes, 1);
    // The next recomputation catches up: the twin has 29 days.
    lunar.SetlDay(30);
    EXPECT_EQ(lunar.MaxMonthDays(), 29);
    EXPECT_EQ(lunar.lDay(), 29);
}

TEST_F(LunarDateValue, BasisSwitchAlwaysRebuildsTextsAndAnnounces)
{
    Hold(2012, 1, 8); // 2012-01-30, before 立春
    lunar.SetBookOfChanges(false);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(lunar.cYear(), "壬辰");
    lunar.SetBookOfChanges(true);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(lunar.cYear(), "辛卯");
}

} // namespace
} // namespace qh::test
