// The new moons from the ELP/MPP02 Moon agree with Meeus' independent
// expression, which is good to about 20 s, over the whole range.

#include "NewMoon.h"
#include "TimeScale.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace qh::astro;

TEST(NewMoon, AgreesWithMeeusOverTheRange)
{
    const int from = LunationOnOrAfter(JulianDay(1899, 11, 1));
    const int to = LunationOnOrAfter(JulianDay(2057, 12, 31));
    double sum = 0.0;
    for (int k = from; k <= to; ++k) {
        const double seconds = (NewMoon(k) - MeeusNewMoon(k)) * 86400.0;
        EXPECT_LT(std::fabs(seconds), 25.0) << "lunation " << k;
        sum += seconds;
    }
    // No bias between the two: a wrong frame or precession would show here.
    EXPECT_LT(std::fabs(sum / (to - from + 1)), 2.0);
}

TEST(NewMoon, FindsTheLunationOfADay)
{
    // Meeus' example: the new moon of 1977 February, 18th 03:37:42 TT.
    const int k = LunationOnOrAfter(JulianDay(1977, 2, 1));
    EXPECT_EQ(k, -283);
    EXPECT_NEAR(NewMoon(k), 2443192.65118, 5.0 / 86400.0);
}

} // namespace
