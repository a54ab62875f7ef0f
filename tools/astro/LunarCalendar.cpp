#include "LunarCalendar.h"

#include "NewMoon.h"
#include "SolarTerms.h"
#include "TimeScale.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace qh::astro {

namespace {

constexpr int kWinterSolstice = 23;

struct Month {
    int startDay;
    bool hasPrincipalTerm = false;
    int number = 0;
    bool leap = false;
};

// Index of the month whose days contain the given day.
std::size_t MonthContaining(const std::vector<Month>& months, int day)
{
    auto it = std::upper_bound(months.begin(), months.end(), day,
                               [](int d, const Month& m) { return d < m.startDay; });
    if (it == months.begin() || it == months.end())
        throw std::runtime_error("day outside the computed new moons");
    return static_cast<std::size_t>(it - months.begin()) - 1;
}

} // namespace

std::vector<LunarMonth> DeriveLunarMonths(int firstYear, int lastYear)
{
    // Winter solstices from the one before lunar year firstYear begins to
    // the one after lunar year lastYear ends.
    std::vector<int> solstices;
    for (int y = firstYear - 1; y <= lastYear + 1; ++y)
        solstices.push_back(SolarTerm(y, kWinterSolstice).dayNumber);

    // New moons from a month before the first solstice to two after the last.
    std::vector<Month> months;
    const double from = DayNumberEpoch + solstices.front() - 35;
    const double to = DayNumberEpoch + solstices.back() + 60;
    for (int k = LunationOnOrAfter(from);; ++k) {
        const double jde = NewMoon(k);
        if (jde > to)
            break;
        months.push_back({ChinaDayNumber(jde)});
    }

    // Principal terms (the odd-numbered terms) over the same stretch.
    for (int y = firstYear - 1; y <= lastYear + 1; ++y) {
        for (int index = 1; index < SolarTermsPerYear; index += 2) {
            const int day = SolarTerm(y, index).dayNumber;
            if (day >= months.front().startDay && day < months.back().startDay)
                months[MonthContaining(months, day)].hasPrincipalTerm = true;
        }
    }

    // Number the months span by span, from one solstice month to the next.
    for (std::size_t s = 0; s + 1 < solstices.size(); ++s) {
        const std::size_t a = MonthContaining(months, solstices[s]);
        const std::size_t b = MonthContaining(months, solstices[s + 1]);
        if (b - a != 12 && b - a != 13)
            throw std::runtime_error("span of " + std::to_string(b - a) + " months");
        bool leapTaken = b - a == 12;
        months[a].number = 11;
        for (std::size_t i = a + 1; i < b; ++i) {
            if (!leapTaken && !months[i].hasPrincipalTerm) {
                months[i].number = months[i - 1].number;
                months[i].leap = true;
                leapTaken = true;
            } else {
                months[i].number = months[i - 1].number % 12 + 1;
            }
        }
        if (!leapTaken)
            throw std::runtime_error("13 months without a month lacking a principal term");
    }

    // Give each month its year: a year begins with its (ordinary) month 1.
    std::vector<LunarMonth> result;
    const std::size_t first = MonthContaining(months, solstices.front());
    const std::size_t last = MonthContaining(months, solstices.back());
    int year = firstYear - 1;
    for (std::size_t i = first; i < last; ++i) {
        if (months[i].number == 1 && !months[i].leap)
            ++year;
        if (year < firstYear || year > lastYear)
            continue;
        result.push_back({year, months[i].number, months[i].leap, months[i].startDay,
                          months[i + 1].startDay - months[i].startDay});
    }
    return result;
}

std::vector<LunarYear> DeriveLunarYears(int firstYear, int lastYear)
{
    std::vector<LunarYear> years;
    int bit = 15;
    for (const LunarMonth& month : DeriveLunarMonths(firstYear, lastYear)) {
        if (years.empty() || years.back().year != month.year) {
            years.push_back({month.year, 0, 0, month.startDay, 0});
            bit = 15;
        }
        LunarYear& y = years.back();
        if (month.leap)
            y.leapMonth = month.number;
        if (month.days == 30)
            y.word = static_cast<std::uint16_t>(y.word | 1u << bit);
        --bit;
        y.days += month.days;
    }
    return years;
}

} // namespace qh::astro
