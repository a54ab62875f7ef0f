#include "Clock.h"

#include <gtest/gtest.h>

TEST(Clock, PinnedTodayOverridesAndRestoresTheSystemClock)
{
    const qh::CivilDate system = qh::Today();
    {
        qh::PinnedToday pinned({2010, 3, 15});
        EXPECT_EQ(qh::Today(), (qh::CivilDate{2010, 3, 15}));
    }
    const qh::CivilDate after = qh::Today();
    // The system clock may have passed midnight meanwhile, but it is no
    // longer the pinned day of 2010.
    EXPECT_GE(after.year, system.year);
    EXPECT_NE(after, (qh::CivilDate{2010, 3, 15}));
}
