// The committed solar-term table is exactly what the generator computes, and
// the generator's model is good to about a second.

#include "SolarTerms.h"
#include "TimeScale.h"

#include <SolarTermTable.h>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

using namespace qh::astro;

std::uint8_t CommittedByte(int year, int month)
{
    return qh::SolarTermTable[(year - qh::SolarTermFirstYear) * 12 + month - 1];
}

TEST(SolarTermTable, EqualsTheRecomputedTable)
{
    const auto computed = SolarTermTableBytes(qh::SolarTermFirstYear, qh::SolarTermLastYear);
    ASSERT_EQ(computed.size(), static_cast<std::size_t>(qh::SolarTermTableSize));
    for (int year = qh::SolarTermFirstYear; year <= qh::SolarTermLastYear; ++year)
        for (int month = 1; month <= 12; ++month)
            EXPECT_EQ(CommittedByte(year, month), computed[(year - qh::SolarTermFirstYear) * 12 + month - 1])
                << year << '-' << month << ": regenerate with qhastro table --out calendar/SolarTermTable.cpp";
}

// Whole rows of the published table, with the days it printed wrong set
// right: 2010 立秋 Aug 7; 2011 小寒 Jan 6, 小雪 Nov 23; 2056 夏至 Jun 20,
// 霜降 Oct 23, 立冬 Nov 7.
TEST(SolarTermTable, HoldsTheKnownRows)
{
    struct Row {
        int year;
        std::array<std::uint8_t, 12> bytes;
    };
    const Row rows[] = {
        {1900, {0x95, 0xB4, 0x96, 0xA5, 0x96, 0x97, 0x88, 0x78, 0x78, 0x69, 0x78, 0x87}},
        {2010, {0xA5, 0xB4, 0x96, 0xA5, 0xA6, 0x96, 0x88, 0x88, 0x78, 0x78, 0x87, 0x87}},
        {2011, {0x95, 0xB4, 0x96, 0xA5, 0x96, 0x97, 0x88, 0x78, 0x78, 0x79, 0x78, 0x87}},
        {2056, {0xA5, 0xB4, 0xA5, 0xB4, 0xA5, 0xA5, 0x97, 0x87, 0x87, 0x88, 0x86, 0x96}},
    };
    for (const Row& row : rows)
        for (int month = 1; month <= 12; ++month)
            EXPECT_EQ(CommittedByte(row.year, month), row.bytes[month - 1]) << row.year << '-' << month;
}

int CommittedDay(int year, int index)
{
    const std::uint8_t byte = CommittedByte(year, index / 2 + 1);
    return index % 2 == 0 ? 15 - (byte >> 4) : 15 + (byte & 0x0F);
}

// Terms that begin within a minute of midnight, China Standard Time: the
// day they fall on, and the moment a modern ephemeris (JPL DE440) gives for
// them in Terrestrial Time, in seconds from the nearest local midnight.
struct KnifeEdge {
    int year;
    int index;
    int month;
    int day;
    double de440SecondsTT; // NaN where no reference moment is at hand
};

constexpr double kNoReference = std::numeric_limits<double>::quiet_NaN();

const KnifeEdge kKnifeEdges[] = {
    {1911, 8, 5, 7, 28.899},    // 立夏 00:00:17
    {1923, 3, 2, 19, 3.509},    // 雨水 23:59:40
    {1951, 23, 12, 23, 31.217}, // 冬至 00:00:02
    {1979, 1, 1, 20, 44.609},   // 大寒 23:59:55
    {2008, 9, 5, 21, kNoReference},  // 小满 00:00:53
    {2021, 23, 12, 21, kNoReference}, // 冬至 23:59:15
};

TEST(SolarTermTable, PutsTermsNearMidnightOnTheirDays)
{
    for (const KnifeEdge& k : kKnifeEdges) {
        EXPECT_EQ(CommittedDay(k.year, k.index), k.day) << k.year << ' ' << SolarTermName(k.index);
        const CivilDate date = DateOfDayNumber(SolarTerm(k.year, k.index).dayNumber);
        EXPECT_EQ(date.month, k.month) << k.year << ' ' << SolarTermName(k.index);
        EXPECT_EQ(date.day, k.day) << k.year << ' ' << SolarTermName(k.index);
    }
}

TEST(SolarTermTable, ModelAgreesWithDe440WithinASecond)
{
    for (const KnifeEdge& k : kKnifeEdges) {
        if (std::isnan(k.de440SecondsTT))
            continue;
        const double local = SolarTerm(k.year, k.index).jde + ChinaStandardTimeOffset - DayNumberEpoch;
        const double secondsTT = (local - std::round(local)) * 86400.0;
        EXPECT_NEAR(secondsTT, k.de440SecondsTT, 1.0) << k.year << ' ' << SolarTermName(k.index);
    }
}

} // namespace
