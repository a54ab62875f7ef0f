#pragma once
// Small helpers shared by the calendar tests.

#include "Clock.h"
#include "TransDate.h"

#include <gtest/gtest.h>

#include <string>

namespace qh::test {

inline TDateTime Day(int year, int month, int day)
{
    return EncodeDate(year, month, day);
}

// A conversion component with today pinned (so that construction does not
// depend on the machine's date) and every announcement counted.
class CountedTransDate : public ::testing::Test {
protected:
    PinnedToday pinned{{2026, 12, 11}};
    TTransDate transDate;
    int changes = 0;

    CountedTransDate()
    {
        transDate.OnChange = [this](TTransDate&) { ++changes; };
    }

    // Moves to a day without counting the announcements of the move.
    void HoldDay(TDateTime date)
    {
        transDate.SetDate(date);
        changes = 0;
    }

    TLunarDate& Lunar() { return transDate.LunarDate(); }
};

} // namespace qh::test
