// qhastro: computes the solar terms and new moons behind the calendar
// engine's tables.
//
//   qhastro table [--out FILE]   write the solar-term table source (stdout
//                                without --out) and list on stderr every
//                                term and new moon within two minutes of
//                                midnight, China Standard Time
//   qhastro terms YEAR           the 24 terms of a year with their moments
//   qhastro lunar                the lunar years 1900-2056 derived from the
//                                new moons and principal terms
//   qhastro near-midnight [SECONDS]  terms and new moons within SECONDS
//                                (default 120) of midnight

#include "LunarCalendar.h"
#include "NewMoon.h"
#include "SolarTerms.h"
#include "TableSource.h"
#include "TimeScale.h"

#include <SolarTermTable.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

namespace {

using namespace qh::astro;

constexpr int kFirstYear = qh::SolarTermFirstYear;
constexpr int kLastYear = qh::SolarTermLastYear;
constexpr int kLastLunarYear = 2056;

// "YYYY-MM-DD hh:mm:ss.s" in China Standard Time.
std::string ChinaTime(int dayNumber, double secondsOfDay)
{
    const CivilDate d = DateOfDayNumber(dayNumber);
    const int whole = static_cast<int>(secondsOfDay * 10.0 + 0.5);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%d", d.year, d.month, d.day, whole / 36000,
                  whole / 600 % 60, whole / 10 % 60, whole % 10);
    return text;
}

// Signed seconds to the nearest midnight: negative before it.
double FromMidnight(double secondsOfDay)
{
    return secondsOfDay < 43200.0 ? secondsOfDay : secondsOfDay - 86400.0;
}

void ListNearMidnightTerms(std::ostream& out, double limit)
{
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        for (int index = 0; index < SolarTermsPerYear; ++index) {
            const SolarTermMoment t = SolarTerm(year, index);
            const double offset = FromMidnight(t.secondsOfDay);
            if (std::fabs(offset) <= limit)
                out << year << ' ' << SolarTermName(index) << "  " << ChinaTime(t.dayNumber, t.secondsOfDay)
                    << "  (" << (offset < 0 ? "" : "+") << std::lround(offset) << " s from midnight)\n";
        }
    }
}

void ListNearMidnightNewMoons(std::ostream& out, double limit)
{
    const int from = LunationOnOrAfter(JulianDay(kFirstYear - 1, 11, 1));
    const int to = LunationOnOrAfter(JulianDay(kLastYear, 12, 31));
    for (int k = from; k <= to; ++k) {
        const double jde = NewMoon(k);
        const double seconds = ChinaSecondsOfDay(jde);
        const double offset = FromMidnight(seconds);
        if (std::fabs(offset) <= limit)
            out << "new moon  " << ChinaTime(ChinaDayNumber(jde), seconds) << "  (" << (offset < 0 ? "" : "+")
                << std::lround(offset) << " s from midnight)\n";
    }
}

int Table(int argc, char** argv)
{
    std::string outPath;
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--out" && i + 1 < argc)
            outPath = argv[++i];
        else {
            std::cerr << "qhastro table: unknown argument " << arg << '\n';
            return 2;
        }
    }
    const auto bytes = SolarTermTableBytes(kFirstYear, kLastYear);
    if (outPath.empty()) {
        WriteSolarTermTableSource(std::cout, kFirstYear, bytes);
    } else {
        std::ofstream file(outPath, std::ios::binary);
        WriteSolarTermTableSource(file, kFirstYear, bytes);
        if (!file) {
            std::cerr << "qhastro table: cannot write " << outPath << '\n';
            return 1;
        }
    }
    std::cerr << "Solar terms within two minutes of midnight (China Standard Time):\n";
    ListNearMidnightTerms(std::cerr, 120.0);
    std::cerr << "New moons within two minutes of midnight:\n";
    ListNearMidnightNewMoons(std::cerr, 120.0);
    return 0;
}

int Terms(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: qhastro terms YEAR\n";
        return 2;
    }
    const int year = std::atoi(argv[2]);
    if (year < 1800 || year > 2150) {
        std::cerr << "qhastro terms: year out of 1800-2150\n";
        return 2;
    }
    for (int index = 0; index < SolarTermsPerYear; ++index) {
        const SolarTermMoment t = SolarTerm(year, index);
        std::cout << SolarTermName(index) << "  " << ChinaTime(t.dayNumber, t.secondsOfDay) << "  (Delta T "
                  << DeltaTSeconds(t.jde) << " s)\n";
    }
    return 0;
}

int Lunar()
{
    for (const LunarYear& y : DeriveLunarYears(kFirstYear, kLastLunarYear)) {
        const CivilDate d = DateOfDayNumber(y.newYearDay);
        char line[80];
        std::snprintf(line, sizeof line, "%d  %04X  leap %2d  %3d days  new year %04d-%02d-%02d\n", y.year, y.word,
                      y.leapMonth, y.days, d.year, d.month, d.day);
        std::cout << line;
    }
    return 0;
}

int NearMidnight(int argc, char** argv)
{
    const double limit = argc > 2 ? std::atof(argv[2]) : 120.0;
    ListNearMidnightTerms(std::cout, limit);
    ListNearMidnightNewMoons(std::cout, limit);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string_view command = argc > 1 ? argv[1] : "";
    try {
        if (command == "table")
            return Table(argc, argv);
        if (command == "terms")
            return Terms(argc, argv);
        if (command == "lunar")
            return Lunar();
        if (command == "near-midnight")
            return NearMidnight(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "qhastro: " << e.what() << '\n';
        return 1;
    }
    std::cerr << "usage: qhastro table [--out FILE] | terms YEAR | lunar | near-midnight [SECONDS]\n";
    return 2;
}
