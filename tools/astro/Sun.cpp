#include "Sun.h"

#include "Angles.h"
#include "Nutation.h"
#include "TimeScale.h"
#include "Vsop87Earth.h"

#include <cmath>

namespace qh::astro {

namespace {

constexpr double kLightDaysPerAu = 0.0057755183; // light time for 1 au, days
constexpr double kDaysPerMillennium = 365250.0;

} // namespace

double SunAberratedMeanLongitude(double jde)
{
    // The light that reaches the Earth now left the Sun one light time ago;
    // seen from the moving Earth, the Sun stands where the Earth's
    // heliocentric direction pointed (turned half a circle) at that earlier
    // moment. This accounts for aberration with the Earth's true motion.
    const double tau = (jde - J2000) / kDaysPerMillennium;
    const double emitted = tau - EarthRadius(tau) * kLightDaysPerAu / kDaysPerMillennium;
    double longitude = EarthLongitude(emitted) + Pi;

    // From the dynamical frame of VSOP87 to FK5 (the term in the latitude,
    // under 1e-7", is left out).
    longitude += -0.09033 * Arcsecond;

    // The equinox of date of VSOP87 moves at the rate of the IAU 1976
    // precession; the IAU 2000/2006 precession used by current ephemerides
    // corrects that rate by -0.29965" per century in longitude. Without it
    // the moments drift by about 7 s per century against a modern
    // ephemeris (DE440 with IAU 2006 precession).
    const double T = (jde - J2000) / 36525.0;
    longitude += -0.29965 * Arcsecond * T;
    return ReduceAngle(longitude);
}

double SunApparentLongitude(double jde)
{
    const double T = (jde - J2000) / 36525.0;
    return ReduceAngle(SunAberratedMeanLongitude(jde) + NutationAt(T).longitude);
}

double SunReachesLongitude(double longitudeDegrees, double guess)
{
    constexpr double kMeanRate = TwoPi / 365.2422; // radians per day
    const double target = longitudeDegrees * Degree;
    double t = guess;
    for (int i = 0; i < 20; ++i) {
        const double step = AngleDifference(target, SunApparentLongitude(t)) / kMeanRate;
        t += step;
        if (std::fabs(step) < 1e-7) // under 0.01 s
            break;
    }
    return t;
}

} // namespace qh::astro
