#pragma once
// The stepping rules of the two converter panels, worked on copies of the
// panel's three number boxes so that a step can be checked against the
// calendar's range before anything on screen changes.

namespace qh {

// One number box as the rules see it: reading yields the value the box
// holds, writing brings the value within the box's limits (as the real box
// does) and marks the box as written.
class TBoxValue {
public:
    TBoxValue(int value, int minimum, int maximum);

    int Read() const { return FValue; }
    void Write(int value);
    bool Written() const { return FWritten; }

private:
    int FValue;
    int FMinimum;
    int FMaximum;
    bool FWritten = false;
};

struct TPanelBoxes {
    TBoxValue Year;
    TBoxValue Month;
    TBoxValue Day;
};

enum class TStep { YearDown, YearUp, MonthDown, MonthUp, DayDown, DayUp };

// Gregorian panel: steps the boxes with carry into the month and year and
// the day clamp. Answers false when the step does nothing at all (a year
// step that would leave the calendar's years).
bool StepSolarBoxes(TStep step, TPanelBoxes& boxes);

// The lunar date last converted by the lunar panel, on which the leap-month
// decisions are taken.
struct TLunarHeld {
    int LeapMonth = 0;      // leap month of the held year, 0 for none
    int Month = 0;          // held lunar month
};

// Lunar panel: steps the boxes through the months of the lunar calendar,
// entering and leaving leap months through `leapFlag` (the held flag on
// entry, the flag to hold afterwards on return). Month lengths follow the
// flag as it stands at each moment. Answers false when the step does nothing
// at all.
bool StepLunarBoxes(TStep step, TPanelBoxes& boxes, const TLunarHeld& held, bool& leapFlag);

// True when the boxes hold a Gregorian date that exists but lies outside the
// days the calendar converts (1900-01-01 to 2057-02-03).
bool SolarBoxesBeyondRange(const TPanelBoxes& boxes);
// True when the boxes hold a lunar year outside 1900 to 2056.
bool LunarBoxesBeyondRange(const TPanelBoxes& boxes);

} // namespace qh
