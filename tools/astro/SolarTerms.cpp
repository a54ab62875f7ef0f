#include "SolarTerms.h"

#include "Sun.h"
#include "TimeScale.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

namespace qh::astro {

namespace {

constexpr std::array<std::string_view, SolarTermsPerYear> kNames = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨",
    "立夏", "小满", "芒种", "夏至", "小暑", "大暑", "立秋", "处暑",
    "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至",
};

} // namespace

std::string_view SolarTermName(int index)
{
    return kNames.at(static_cast<std::size_t>(index));
}

double SolarTermLongitude(int index)
{
    return std::fmod(285.0 + 15.0 * index, 360.0);
}

SolarTermMoment SolarTerm(int year, int index)
{
    // Every term begins within a few days of the 6th (first term of the
    // month) or the 21st (second term) of its month.
    const int month = index / 2 + 1;
    const int day = index % 2 == 0 ? 6 : 21;
    const double jde = SunReachesLongitude(SolarTermLongitude(index), JulianDay(year, month, day));
    return {year, index, jde, ChinaDayNumber(jde), ChinaSecondsOfDay(jde)};
}

std::vector<std::uint8_t> SolarTermTableBytes(int firstYear, int lastYear)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(lastYear - firstYear + 1) * 12);
    for (int year = firstYear; year <= lastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const CivilDate first = DateOfDayNumber(SolarTerm(year, 2 * (month - 1)).dayNumber);
            const CivilDate second = DateOfDayNumber(SolarTerm(year, 2 * (month - 1) + 1).dayNumber);
            const int high = 15 - first.day;
            const int low = second.day - 15;
            if (first.month != month || second.month != month || high < 0 || high > 15 || low < 0 || low > 15)
                throw std::runtime_error("solar term outside its month in " + std::to_string(year));
            bytes.push_back(static_cast<std::uint8_t>(high << 4 | low));
        }
    }
    return bytes;
}

} // namespace qh::astro
