#pragma once
// The lunar calendar engine: day arithmetic over the compiled-in tables,
// the lunar date value TLunarDate and the conversion component TTransDate
// that keeps a Gregorian date and its lunar date in step.
//
// Texts are UTF-8. Nothing here raises errors or shows messages: values out
// of range are refused silently by the setters.

#include "DayNumber.h"
#include "TransDateConst.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace qh {

// ---- Table arithmetic --------------------------------------------------

// Leap month 1..12 of a lunar year; 0 when it has none or lies outside
// FirstYear..LastYear.
std::int32_t GetLeapMonth(std::int32_t Year);

// Low 16 bits: days (29 or 30) of the ordinary month; high 16 bits: days of
// its leap twin when Month is the year's leap month, else 0. Outside the
// year range (or for a month outside 1..12) the answer is 30.
std::uint32_t LunarMonthLengths(std::uint16_t Year, std::uint16_t Month);

// Days of a lunar year, leap month included; 0 outside the year range.
std::int32_t LunarYearDays(std::int32_t Year);

// Days of a lunar month, of its leap twin when IsLeap is set and Month is
// the year's leap month; 30 outside the year range.
std::int32_t LunarMonthDays(std::int32_t Year, std::int32_t Month, bool IsLeap);

// Day of the Gregorian month on which the month's first solar term begins;
// 0 for a year the solar-term table does not cover (1900..2057).
std::uint16_t GetFirstTermDay(std::uint16_t Year, std::uint16_t Month);

// The solar term (0 = 小寒, 1 = 大寒, 2 = 立春 ... 23 = 冬至) that begins on
// the date; -1 when none does or the year lies outside 1900..2057.
std::int32_t GetSolarTermIndex(TDateTime ADate);

// Day number of a lunar date. IsLeap counts only when Month is the year's
// leap month. Dates of lunar 1899 are days of its twelfth month, which
// ends on 1900-01-30.
std::int32_t LunarToDayNumber(std::int32_t Year, std::int32_t Month, std::int32_t Day, bool IsLeap);

// Lunar date of a day number. Only meaningful for convertible dates
// (IsConvertibleDate); anything else answers lunar 1899-12-01 or lunar
// 2056's last day, never loops.
void DayNumberToLunar(TDateTime ADate, std::int32_t& Year, std::int32_t& Month, std::int32_t& Day,
                      bool& IsLeap);

class TTransDate;

// ---- TLunarDate ---------------------------------------------------------

// One date of the lunar calendar with everything derived from it: month
// length, sexagenary names, animal, solar term and lunar festival.
class TLunarDate {
public:
    using TChangeLunarDateEvent = std::function<void(TLunarDate& LD)>;

    // Starts with today's Gregorian year, month and day numbers as they are
    // (an owning TTransDate replaces them with today's lunar date at once).
    TLunarDate();
    virtual ~TLunarDate() = default;
    TLunarDate(const TLunarDate&) = delete;
    TLunarDate& operator=(const TLunarDate&) = delete;

    std::int32_t lYear() const { return FlYear; }
    std::int32_t lMonth() const { return FlMonth; }
    std::int32_t lDay() const { return FlDay; }
    bool FlagLeapMonth() const { return FFlagLeapMonth; }
    std::int32_t MaxMonthDays() const { return FMaxMonthDays; }
    const std::string& cYear() const { return FcYear; }
    const std::string& cMonth() const { return FcMonth; }
    const std::string& cDay() const { return FcDay; }
    const std::string& SolarTerm() const { return FSolarTerm; }
    const std::string& AnimalYear() const { return FAnimalYear; }
    const std::string& FeastOfLunar() const { return FFeastOfLunar; }
    bool BookOfChanges() const { return FBookOfChanges; }

    // Year 1900..2056, month 1..12: other values and the value already held
    // are ignored. A taken value recomputes and announces.
    void SetlYear(std::int32_t Value);
    void SetlMonth(std::int32_t Value);
    // Takes a day 1..MonthDays(lYear, lMonth); recomputes and announces in
    // every case, even when the day is refused or unchanged.
    void SetlDay(std::int32_t Value);
    // Announces when the value changes; recomputes nothing.
    void SetFlagLeapMonth(bool Value);
    // Plain field, as stored with a window layout.
    void SetMaxMonthDays(std::int32_t Value) { FMaxMonthDays = Value; }
    // Rebuilds the texts under the new basis and announces, always.
    void SetBookOfChanges(bool Value);

    // Days of the month (Year, Month), of its leap twin when this date's
    // leap flag is set and Month is Year's leap month.
    std::int32_t MonthDays(std::int32_t Year, std::int32_t Month) const;

    // Month length, day clamp, texts and festival.
    void Recalc();
    // cYear, cMonth, cDay, AnimalYear and SolarTerm.
    void UpdateTexts();
    // FeastOfLunar.
    void CalcFeastOfLunar();

    // Calls OnChange with this instance when one is assigned.
    virtual void Change();

    TChangeLunarDateEvent OnChange;

private:
    friend class TTransDate;

    bool FFlagLeapMonth = false;
    std::string FcYear;
    std::int32_t FlDay = 0;
    std::int32_t FlYear = 0;
    std::int32_t FlMonth = 0;
    std::string FcMonth;
    std::string FcDay;
    std::string FSolarTerm;
    std::string FAnimalYear;
    std::int32_t FMaxMonthDays = 0;
    std::string FFeastOfLunar;
    bool FBookOfChanges = false;
};

// ---- TTransDate -----------------------------------------------------------

// A Gregorian date and the same day in the lunar calendar, kept in step both
// ways: writing Date converts to the lunar date, and every change announced
// by the lunar date's setters converts back and moves Date. Every
// recomputation is announced through OnChange.
class TTransDate {
public:
    using TNotifyEvent = std::function<void(TTransDate& Sender)>;

    // Holds today (qh::Today(), kept inside the convertible span).
    TTransDate();
    virtual ~TTransDate() = default;
    TTransDate(const TTransDate&) = delete;
    TTransDate& operator=(const TTransDate&) = delete;

    TDateTime Date() const { return FDate; }
    // Converts to the lunar date and announces once (twice for a date up to
    // 1900-01-30). The value already held, or a date outside
    // FirstConvertibleDate..LastConvertibleDate, changes nothing.
    void SetDate(TDateTime Value);

    TLunarDate& LunarDate() { return *FLunarDate; }
    const TLunarDate& LunarDate() const { return *FLunarDate; }
    // Copies Value's lunar year, month, day and leap flag into the owned
    // lunar date and moves Date to it (refused when that day is outside the
    // convertible span).
    void SetLunarDate(const TLunarDate& Value);

    bool BookOfChanges() const { return FBookOfChanges; }
    // Sexagenary year and month by the lunar calendar (false) or by the
    // solar terms (true). Announces even when the value is unchanged.
    void SetBookOfChanges(bool Value);

    bool LeapMonth() const { return FLeapMonth; }
    // Asks for the leap twin (true) or the ordinary month (false) of the
    // current lunar month; only a month that has a twin moves.
    void SetLeapMonth(bool Value);

    bool ISO8601() const { return FISO8601; }
    // Weekday numbering of Week; no announcement.
    void SetISO8601(bool Value);
    // 1 = Monday .. 7 = Sunday with ISO8601, else 1 = Sunday .. 7 = Saturday.
    std::int32_t Week() const { return FWeek; }
    void UpdateWeek();

    // Days of Date's Gregorian month as of the last SetDate or SetLunarDate.
    std::int32_t MaxMonthDays() const { return FMaxMonthDays; }
    // Plain field, as stored with a window layout.
    void SetMaxMonthDays(std::int32_t Value) { FMaxMonthDays = Value; }

    // Gregorian festivals of Date; empty on other days.
    const std::string& Feast() const { return FFeast; }
    void CalcFeast();

    // Western zodiac sign of Date.
    std::string Constellation() const { return GetConstellation(); }
    std::string GetConstellation() const;

    // The lunar date in digits: "2010年 12月 9日", "2009年 闰5月 1日".
    std::string GetLunarDateText() const;

    // Writes the lunar date of ADate into LD: straight into its fields, or
    // for a date up to 1900-01-30 through its day setter. A date outside the
    // convertible span is refused and LD left as it was.
    void DateToLunar(TLunarDate& LD, TDateTime ADate);
    // Gregorian date of LD's lunar date (its day used as held).
    TDateTime LunarToDate(const TLunarDate& LD) const;

    // Calls OnChange with this component when one is assigned.
    virtual void Change();
    // Hooked to the owned lunar date's OnChange: moves Date to it.
    virtual void LunarDateChange(TLunarDate& LD);

    TNotifyEvent OnChange;

private:
    TDateTime FDate = 0;
    bool FLeapMonth = false;
    bool FISO8601 = false;
    std::int32_t FWeek = 0;
    std::unique_ptr<TLunarDate> FLunarDate;
    std::int32_t FMaxMonthDays = 0;
    std::string FFeast;
    bool FBookOfChanges = false;

    void HookLunarDate();
    // After Date was set with its lunar date: month length, weekday,
    // festivals, announcement.
    void DateMoved();
};

// ---- Stored layouts -----------------------------------------------------------

// The values a window layout stores for one TTransDate, defaulting to those
// of the main window's two components.
struct TTransDateLayout {
    bool BookOfChanges = false;
    std::int32_t MaxMonthDays = 31;
    std::int32_t LunarMaxMonthDays = 30;
    std::int32_t lYear = 2010;
    std::int32_t lMonth = 12;
    std::int32_t lDay = 9;
    bool FlagLeapMonth = false;
    bool ISO8601 = false;
    TDateTime Date = 40555;
    bool LeapMonth = false;
};

// Applies a stored layout through the setters, in the order a layout is
// loaded: BookOfChanges, MaxMonthDays, the lunar MaxMonthDays, lYear,
// lMonth, lDay, FlagLeapMonth (each lunar write announcing and moving
// Date), ISO8601, Date, LeapMonth.
void ApplyLayout(TTransDate& TransDate, const TTransDateLayout& Layout);

} // namespace qh
