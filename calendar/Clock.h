#pragma once
// The one source of "today" for the whole program. Everything that needs
// today's date asks Today(); tests pin it with PinnedToday so that nothing
// depends on the day the tests happen to run.

#include <functional>

namespace qh {

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// Today's date in the local time zone, or the pinned one.
CivilDate Today();

// Replaces the source of today's date; an empty function restores the
// system clock.
void SetTodaySource(std::function<CivilDate()> source);

// Pins today to a fixed date for the lifetime of the object.
class PinnedToday {
public:
    explicit PinnedToday(CivilDate date);
    ~PinnedToday();
    PinnedToday(const PinnedToday&) = delete;
    PinnedToday& operator=(const PinnedToday&) = delete;
};

} // namespace qh
