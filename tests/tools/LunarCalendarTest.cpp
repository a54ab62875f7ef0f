// The lunar calendar derived from the new moons and the principal terms is
// the one the engine's tables hold, for every year of the range.

#include "LunarCalendar.h"
#include "TimeScale.h"

#include <TransDate.h>
#include <TransDateConst.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace qh::astro;

class DerivedCalendar : public testing::Test {
protected:
    static void SetUpTestSuite() { years_ = new std::vector<LunarYear>(DeriveLunarYears(qh::FirstYear, qh::LastYear)); }
    static void TearDownTestSuite()
    {
        delete years_;
        years_ = nullptr;
    }
    static const std::vector<LunarYear>& Years() { return *years_; }

private:
    static inline std::vector<LunarYear>* years_ = nullptr;
};

std::string Hex(unsigned word)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04X", word);
    return text;
}

TEST_F(DerivedCalendar, CoversEveryYearOfTheRange)
{
    ASSERT_EQ(Years().size(), static_cast<std::size_t>(qh::LastYear - qh::FirstYear + 1));
    for (std::size_t i = 0; i < Years().size(); ++i)
        EXPECT_EQ(Years()[i].year, qh::FirstYear + static_cast<int>(i));
}

TEST_F(DerivedCalendar, EqualsTheMonthTable)
{
    for (const LunarYear& y : Years())
        EXPECT_EQ(Hex(y.word), Hex(qh::LunarMonthTable[y.year - qh::FirstYear])) << "lunar year " << y.year;
}

TEST_F(DerivedCalendar, EqualsTheLeapMonthTable)
{
    for (const LunarYear& y : Years()) {
        EXPECT_EQ(y.leapMonth, qh::GetLeapMonth(y.year)) << "lunar year " << y.year;
        if (y.year < qh::LastYear) {
            const int offset = y.year - qh::FirstYear;
            const int nibble = offset % 2 == 0 ? qh::LeapMonthTable[offset / 2] >> 4 : qh::LeapMonthTable[offset / 2] & 0x0F;
            EXPECT_EQ(y.leapMonth, nibble) << "lunar year " << y.year;
        }
    }
}

TEST_F(DerivedCalendar, StartsAndEndsWhereTheEngineDoes)
{
    // Lunar 1900 begins on 1900-01-31 and lunar 2056 ends on 2057-02-03.
    EXPECT_EQ(Years().front().newYearDay, DayNumberOf(1900, 1, 31));
    EXPECT_EQ(Years().back().newYearDay + Years().back().days - 1, DayNumberOf(2057, 2, 3));
    for (const LunarYear& y : Years())
        EXPECT_EQ(y.days, qh::LunarYearDays(y.year)) << "lunar year " << y.year;
}

} // namespace
