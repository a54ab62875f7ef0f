#include "LunarYearInfo.h"

#include "DayNumber.h"
#include "TransDate.h"

#include <gtest/gtest.h>

namespace qh {
namespace {

// The month lengths and leap month of one lunar year as the engine has them,
// packed the way the dialog's table packs them.
std::uint32_t EnginePacked(int year)
{
    const int leap = GetLeapMonth(year);
    std::uint32_t bits = 0;
    for (int month = 1; month <= 12; ++month) {
        const std::uint32_t lengths = LunarMonthLengths(year, month);
        bits = (bits << 1) | ((lengths & 0xFFFF) == 30 ? 1 : 0);
        if (month == leap)
            bits = (bits << 1) | ((lengths >> 16) == 30 ? 1 : 0);
    }
    return bits | (static_cast<std::uint32_t>(leap) << 16);
}

TEST(LunarYearInfo, AgreesWithTheEngineForEveryYear)
{
    ASSERT_EQ(LunarYearInfo.size(), 136u);
    for (int year = LunarYearInfoFirstYear; year <= LunarYearInfoLastYear; ++year)
        EXPECT_EQ(LunarYearInfo[year - LunarYearInfoFirstYear], EnginePacked(year))
            << "lunar year " << year << " should be 0x" << std::hex << EnginePacked(year);
}

TEST(LunarYearInfo, CoversLunar1921ToTheLastDayOfLunar2056)
{
    const int first = WholeDays(EncodeDate(1921, 2, 8));
    const int last = WholeDays(EncodeDate(2057, 2, 3));
    EXPECT_EQ(LunarYearInfoDays(), last - first + 1);
}

// Every day the table reaches gets the engine's lunar year, month and day.
TEST(LunarFromSolar, AgreesWithTheEngineOnEveryDayOfTheTable)
{
    const int first = WholeDays(EncodeDate(1921, 2, 8));
    const int last = WholeDays(EncodeDate(2057, 2, 3));
    int mismatches = 0;
    for (int dayNumber = first; dayNumber <= last && mismatches < 5; ++dayNumber) {
        int year = 0, month = 0, day = 0;
        DecodeDate(dayNumber, year, month, day);
        std::int32_t lYear = 0, lMonth = 0, lDay = 0;
        bool leap = false;
        DayNumberToLunar(dayNumber, lYear, lMonth, lDay, leap);
        const auto lunar = LunarFromSolar(year, month, day);
        if (!lunar || *lunar != LunarMonthDay{lYear, lMonth, lDay}) {
            ++mismatches;
            ADD_FAILURE() << year << "-" << month << "-" << day << " should be lunar " << lYear
                          << "-" << lMonth << "-" << lDay;
        }
    }
}

struct SolarCase {
    int year, month, day;
    std::optional<LunarMonthDay> lunar;
};

class LunarFromSolarCases : public testing::TestWithParam<SolarCase> {};

TEST_P(LunarFromSolarCases, Converts)
{
    const SolarCase& c = GetParam();
    EXPECT_EQ(LunarFromSolar(c.year, c.month, c.day), c.lunar)
        << c.year << "-" << c.month << "-" << c.day;
}

INSTANTIATE_TEST_SUITE_P(
    TableEndsAndOddInput, LunarFromSolarCases,
    testing::Values(SolarCase{1921, 2, 7, std::nullopt},
                    SolarCase{1921, 2, 8, LunarMonthDay{1921, 1, 1}},
                    SolarCase{2021, 2, 11, LunarMonthDay{2020, 12, 30}},
                    SolarCase{2021, 2, 12, LunarMonthDay{2021, 1, 1}},
                    SolarCase{2057, 2, 3, LunarMonthDay{2056, 12, 30}},
                    SolarCase{2057, 2, 4, std::nullopt},
                    SolarCase{2060, 12, 31, std::nullopt},
                    SolarCase{9999, 12, 31, std::nullopt},
                    SolarCase{1, 1, 1, std::nullopt},
                    SolarCase{2010, 0, 1, std::nullopt},
                    SolarCase{2010, 13, 1, std::nullopt},
                    // The repeated sixth month of 2017 carries the number 6.
                    SolarCase{2017, 8, 1, LunarMonthDay{2017, 6, 10}},
                    // 1989 and 2013: months 6/7 and 4/5 as observed.
                    SolarCase{1989, 8, 5, LunarMonthDay{1989, 7, 4}},
                    SolarCase{2013, 6, 8, LunarMonthDay{2013, 5, 1}}));

} // namespace
} // namespace qh
