#include "Sun.h"

#include "Nutation.h"
#include "TimeScale.h"
#include "Vsop87Earth.h"

#include <cmath>
#include <numbers>

namespace qh::astro {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kDegree = kPi / 180.0;
constexpr double kArcsecond = kDegree / 3600.0;
constexpr double kLightDaysPerAu = 0.0057755183; // light time for 1 au, days
constexpr double kDaysPerMillennium = 365250.0;

double Reduce(double angle)
{
    angle = std::fmod(angle, kTwoPi);
    return angle < 0.0 ? angle + kTwoPi : angle;
}

// Signed difference a - b reduced to (-pi, pi].
double Difference(double a, double b)
{
    double d = std::fmod(a - b, kTwoPi);
    if (d > kPi)
        d -= kTwoPi;
    else if (d <= -kPi)
        d += kTwoPi;
    return d;
}

} // namespace

double SunApparentLongitude(double jde)
{
    // The light that reaches the Earth now left the Sun one light time ago;
    // seen from the moving Earth, the Sun stands where the Earth's
    // heliocentric direction pointed (turned half a circle) at that earlier
    // moment. This accounts for aberration with the Earth's true motion.
    const double tau = (jde - J2000) / kDaysPerMillennium;
    const double radius = EarthPosition(tau).radius;
    const double emitted = tau - radius * kLightDaysPerAu / kDaysPerMillennium;
    const HeliocentricPosition earth = EarthPosition(emitted);

    double longitude = earth.longitude + kPi;

    // From the dynamical frame of VSOP87 to FK5 (the term in the latitude,
    // under 1e-7", is left out).
    longitude += -0.09033 * kArcsecond;

    // The equinox of date of VSOP87 moves at the rate of the IAU 1976
    // precession; the IAU 2000/2006 precession used by current ephemerides
    // corrects that rate by -0.29965" per century in longitude. Without it
    // the moments drift by about 7 s per century against a modern
    // ephemeris (DE440 with IAU 2006 precession).
    const double T = (jde - J2000) / 36525.0;
    longitude += -0.29965 * kArcsecond * T;

    longitude += NutationAt(T).longitude;
    return Reduce(longitude);
}

double SunReachesLongitude(double longitudeDegrees, double guess)
{
    constexpr double kMeanRate = kTwoPi / 365.2422; // radians per day
    const double target = longitudeDegrees * kDegree;
    double t = guess;
    for (int i = 0; i < 20; ++i) {
        const double step = Difference(target, SunApparentLongitude(t)) / kMeanRate;
        t += step;
        if (std::fabs(step) < 1e-7) // under 0.01 s
            break;
    }
    return t;
}

} // namespace qh::astro
