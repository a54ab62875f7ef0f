#include "ConverterSteps.h"

#include "DayNumber.h"
#include "TransDate.h"

#include <algorithm>

namespace qh {
namespace {

// The year buttons keep within the calendar's years: false when the step
// would leave them, and then nothing is written.
bool StepYear(TStep step, TPanelBoxes& b)
{
    const int year = b.Year.Read();
    const bool allowed = step == TStep::YearDown ? FirstYear < year && year <= LastYear
                                                 : FirstYear <= year && year < LastYear;
    if (allowed)
        b.Year.Write(year + (step == TStep::YearUp ? 1 : -1));
    return allowed;
}

// ---- Gregorian ----------------------------------------------------------

int SolarMonthLength(const TPanelBoxes& b)
{
    return DaysInMonth(b.Year.Read(), b.Month.Read());
}

void SolarMonthBack(TPanelBoxes& b)
{
    if (b.Month.Read() > 1) {
        b.Month.Write(b.Month.Read() - 1);
    } else {
        b.Month.Write(12);
        b.Year.Write(b.Year.Read() - 1);
    }
}

void SolarMonthForward(TPanelBoxes& b)
{
    if (b.Month.Read() < 12) {
        b.Month.Write(b.Month.Read() + 1);
    } else {
        b.Month.Write(1);
        b.Year.Write(b.Year.Read() + 1);
    }
}

void ClampSolarDay(TPanelBoxes& b)
{
    const int length = SolarMonthLength(b);
    if (b.Day.Read() > length)
        b.Day.Write(length);
}

// ---- Lunar ----------------------------------------------------------------

int LunarMonthLength(const TPanelBoxes& b, bool leapFlag)
{
    return LunarMonthDays(b.Year.Read(), b.Month.Read(), leapFlag);
}

void LunarMonthBack(TPanelBoxes& b, const TLunarHeld& held, bool& flag)
{
    const int month = b.Month.Read();
    if (month <= 1) {
        // Back into the ordinary twelfth month of the year before.
        b.Month.Write(12);
        b.Year.Write(b.Year.Read() - 1);
    } else if (held.LeapMonth >= 1 && held.LeapMonth == held.Month - 1) {
        // From the month after the leap month into the leap twin.
        b.Month.Write(month - 1);
        flag = true;
    } else if (flag) {
        // From the leap twin to its ordinary month: same number.
        flag = false;
    } else {
        b.Month.Write(month - 1);
    }
}

void LunarMonthForward(TPanelBoxes& b, const TLunarHeld& held, bool& flag)
{
    const int month = b.Month.Read();
    if (month >= 12) {
        b.Month.Write(1);
        b.Year.Write(b.Year.Read() + 1);
    } else if (held.LeapMonth == held.Month && !flag) {
        // From the ordinary month into its leap twin: same number.
        flag = true;
    } else {
        flag = false;
        b.Month.Write(month + 1);
    }
}

void ClampLunarDay(TPanelBoxes& b, bool flag)
{
    const int length = LunarMonthLength(b, flag);
    if (b.Day.Read() > length)
        b.Day.Write(length);
}

} // namespace

TBoxValue::TBoxValue(int value, int minimum, int maximum)
    : FValue(value), FMinimum(minimum), FMaximum(maximum)
{
}

void TBoxValue::Write(int value)
{
    FValue = std::clamp(value, FMinimum, FMaximum);
    FWritten = true;
}

bool StepSolarBoxes(TStep step, TPanelBoxes& b)
{
    switch (step) {
    case TStep::YearDown:
    case TStep::YearUp:
        if (!StepYear(step, b))
            return false;
        ClampSolarDay(b);
        break;
    case TStep::MonthDown:
        SolarMonthBack(b);
        ClampSolarDay(b);
        break;
    case TStep::MonthUp:
        SolarMonthForward(b);
        ClampSolarDay(b);
        break;
    case TStep::DayDown:
        if (b.Day.Read() > 1) {
            b.Day.Write(b.Day.Read() - 1);
        } else {
            SolarMonthBack(b);
            b.Day.Write(SolarMonthLength(b));
        }
        break;
    case TStep::DayUp:
        if (b.Day.Read() < SolarMonthLength(b)) {
            b.Day.Write(b.Day.Read() + 1);
        } else {
            SolarMonthForward(b);
            b.Day.Write(1);
        }
        break;
    }
    return true;
}

bool StepLunarBoxes(TStep step, TPanelBoxes& b, const TLunarHeld& held, bool& flag)
{
    switch (step) {
    case TStep::YearDown:
    case TStep::YearUp:
        // The leap flag is kept across a year step.
        if (!StepYear(step, b))
            return false;
        ClampLunarDay(b, flag);
        break;
    case TStep::MonthDown:
        LunarMonthBack(b, held, flag);
        ClampLunarDay(b, flag);
        break;
    case TStep::MonthUp:
        LunarMonthForward(b, held, flag);
        ClampLunarDay(b, flag);
        break;
    case TStep::DayDown:
        if (b.Day.Read() > 1) {
            b.Day.Write(b.Day.Read() - 1);
        } else {
            LunarMonthBack(b, held, flag);
            b.Day.Write(LunarMonthLength(b, flag));
        }
        break;
    case TStep::DayUp:
        if (b.Day.Read() < LunarMonthLength(b, flag)) {
            b.Day.Write(b.Day.Read() + 1);
        } else {
            LunarMonthForward(b, held, flag);
            b.Day.Write(1);
        }
        break;
    }
    return true;
}

bool SolarBoxesBeyondRange(const TPanelBoxes& b)
{
    TDateTime date = 0;
    return TryEncodeDate(b.Year.Read(), b.Month.Read(), b.Day.Read(), date) &&
           !IsConvertibleDate(date);
}

bool LunarBoxesBeyondRange(const TPanelBoxes& b)
{
    return b.Year.Read() < FirstYear || b.Year.Read() > LastYear;
}

} // namespace qh
