#pragma once
// Angles in radians: reduction to one turn and signed differences.

#include <cmath>
#include <numbers>

namespace qh::astro {

inline constexpr double Pi = std::numbers::pi;
inline constexpr double TwoPi = 2.0 * std::numbers::pi;
inline constexpr double Degree = Pi / 180.0;
inline constexpr double Arcsecond = Degree / 3600.0;

// The angle reduced to [0, 2 pi).
inline double ReduceAngle(double angle)
{
    angle = std::fmod(angle, TwoPi);
    return angle < 0.0 ? angle + TwoPi : angle;
}

// a - b reduced to (-pi, pi].
inline double AngleDifference(double a, double b)
{
    double d = std::fmod(a - b, TwoPi);
    if (d > Pi)
        d -= TwoPi;
    else if (d <= -Pi)
        d += TwoPi;
    return d;
}

} // namespace qh::astro
