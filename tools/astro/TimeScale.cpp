#include "TimeScale.h"

#include <cmath>

namespace qh::astro {

namespace {

// Days from 0000-03-01 of the proleptic Gregorian calendar (Howard Hinnant's
// days-from-civil reckoning), shifted so that 1899-12-30 is 0.
int DaysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468; // days since 1970-01-01
}

constexpr int kUnixToDayNumber = 25569; // 1970-01-01 is day number 25569

} // namespace

int DayNumberOf(int year, int month, int day)
{
    return DaysFromCivil(year, month, day) + kUnixToDayNumber;
}

double JulianDay(int year, int month, int day)
{
    return DayNumberEpoch + DayNumberOf(year, month, day);
}

CivilDate DateOfDayNumber(int dayNumber)
{
    int z = dayNumber - kUnixToDayNumber + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    const int d = doy - (153 * mp + 2) / 5 + 1;
    const int m = mp + (mp < 10 ? 3 : -9);
    return {yoe + era * 400 + (m <= 2), m, d};
}

double DeltaTSeconds(double julianDay)
{
    // Decimal year as used by the polynomials.
    const double y = 2000.0 + (julianDay - J2000) / 365.2425;
    if (y < 1900.0) {
        const double t = y - 1860.0;
        return 7.62 + t * (0.5737 + t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233174.0))));
    }
    if (y < 1920.0) {
        const double t = y - 1900.0;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 + t * -0.000197)));
    }
    if (y < 1941.0) {
        const double t = y - 1920.0;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return 29.07 + t * (0.407 + t * (-1.0 / 233.0 + t / 2547.0));
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return 45.45 + t * (1.067 + t * (-1.0 / 260.0 - t / 718.0));
    }
    if (y < 2005.0) {
        const double t = y - 2000.0;
        return 63.86 + t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return 62.92 + t * (0.32217 + t * 0.005589);
    }
    const double u = (y - 1820.0) / 100.0;
    return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
}

double UniversalTime(double julianEphemerisDay)
{
    return julianEphemerisDay - DeltaTSeconds(julianEphemerisDay) / 86400.0;
}

int ChinaDayNumber(double julianEphemerisDay)
{
    return static_cast<int>(std::floor(UniversalTime(julianEphemerisDay) + ChinaStandardTimeOffset - DayNumberEpoch));
}

double ChinaSecondsOfDay(double julianEphemerisDay)
{
    const double local = UniversalTime(julianEphemerisDay) + ChinaStandardTimeOffset - DayNumberEpoch;
    return (local - std::floor(local)) * 86400.0;
}

} // namespace qh::astro
