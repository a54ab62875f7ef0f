#include "TransDate.h"

#include "Clock.h"
#include "SolarTermTable.h"

#include <algorithm>
#include <array>
#include <bit>
#include <iterator>
#include <limits>

namespace qh {
namespace {

constexpr int MonthsPerYear = 12;
// Lunar 1899 is known only by its twelfth month, the last before the tables.
constexpr int YearBeforeTables = FirstYear - 1;
// Both halves of LunarMonthLengths for a month outside the tables.
constexpr int DaysOfUnknownYear = 30 * MonthsPerYear;

bool InTableYears(std::int32_t year)
{
    return year >= FirstYear && year <= LastYear;
}

// Days from lunar new year 1900 to lunar new year of each year 1900..2057,
// summed once from the year lengths so that a conversion need not walk
// every year since 1900.
const std::array<std::int32_t, LastYear - FirstYear + 2>& NewYearOffsets()
{
    static const auto offsets = [] {
        std::array<std::int32_t, LastYear - FirstYear + 2> sums{};
        for (int year = FirstYear; year <= LastYear; ++year)
            sums[year - FirstYear + 1] = sums[year - FirstYear] + LunarYearDays(year);
        return sums;
    }();
    return offsets;
}

// Day counts of nonsense dates stay defined instead of overflowing.
std::int32_t Saturated(long long count)
{
    return static_cast<std::int32_t>(
        std::clamp<long long>(count, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::uint32_t BothHalves(std::uint32_t lengths)
{
    return (lengths & 0xFFFF) + (lengths >> 16);
}

std::uint8_t SolarTermByte(int year, int month)
{
    return SolarTermTable[(year - SolarTermFirstYear) * MonthsPerYear + month - 1];
}

bool InSolarTermYears(int year)
{
    return year >= SolarTermFirstYear && year <= SolarTermLastYear;
}

std::string SexagenaryName(long long count, int stemOffset, int branchOffset)
{
    std::string name(HeavenlyStems[PositiveMod(count + stemOffset, 10)]);
    name += EarthlyBranches[PositiveMod(count + branchOffset, 12)];
    return name;
}

// Easter by the lunar calendar: the first Sunday after the lunar 15th that
// falls on or follows the day of 春分. Only days from March 21 to April 25
// are looked at.
bool IsLunarEasterSunday(TDateTime date)
{
    int y = 0, m = 0, d = 0;
    DecodeDate(date, y, m, d);
    const int md = m * 100 + d;
    if (md < 321 || md > 425)
        return false;

    TDateTime p = EncodeDate(y, 3, 16);
    constexpr int daysToSearch = 36; // to April 20
    int tried = 0;
    while (tried < daysToSearch && GetSolarTermIndex(p) != 5) {
        p += 1;
        ++tried;
    }
    if (tried == daysToSearch)
        return false;

    std::int32_t ly = 0, lm = 0, ld = 0;
    bool leap = false;
    DayNumberToLunar(p, ly, lm, ld, leap);
    if (ld <= 15)
        p += 15 - ld;
    else
        p += LunarMonthDays(ly, lm, leap) - ld + 15;

    const int w = DayOfWeek(p);
    p += w == 1 ? 7 : 8 - w;
    return WholeDays(date) == WholeDays(p);
}

} // namespace

// ---- Table arithmetic --------------------------------------------------------

std::int32_t GetLeapMonth(std::int32_t Year)
{
    if (!InTableYears(Year))
        return 0;
    const std::size_t a = static_cast<std::size_t>(Year - FirstYear);
    if (a / 2 >= std::size(LeapMonthTable))
        return 0; // 2056, the year without an entry
    const std::uint8_t pair = LeapMonthTable[a / 2];
    return a % 2 == 0 ? pair >> 4 : pair & 0x0F;
}

std::uint32_t LunarMonthLengths(std::uint16_t Year, std::uint16_t Month)
{
    if (!InTableYears(Year) || Month < 1 || Month > MonthsPerYear)
        return 30;
    const std::int32_t leap = GetLeapMonth(Year);
    const std::uint16_t word = LunarMonthTable[Year - FirstYear];
    int bit = 16 - Month;
    if (leap > 0 && leap < Month)
        --bit; // the leap twin sits before this month
    const std::uint32_t ordinary = (word >> bit) & 1 ? 30 : 29;
    std::uint32_t twin = 0;
    if (Month == leap)
        twin = (word >> (bit - 1)) & 1 ? 30 : 29;
    return ordinary + twin * 65536;
}

std::int32_t LunarYearDays(std::int32_t Year)
{
    if (!InTableYears(Year))
        return 0;
    // 29 days per month plus one for every month of 30 (a set bit).
    const int months = GetLeapMonth(Year) ? MonthsPerYear + 1 : MonthsPerYear;
    const unsigned mask = ((1u << months) - 1) << (16 - months);
    return 29 * months + std::popcount(LunarMonthTable[Year - FirstYear] & mask);
}

std::int32_t LunarMonthDays(std::int32_t Year, std::int32_t Month, bool IsLeap)
{
    if (!InTableYears(Year))
        return 30;
    const std::uint32_t lengths =
        LunarMonthLengths(static_cast<std::uint16_t>(Year), static_cast<std::uint16_t>(std::clamp(Month, 0, 13)));
    const std::uint32_t twin = lengths >> 16;
    return static_cast<std::int32_t>(IsLeap && twin != 0 ? twin : lengths & 0xFFFF);
}

std::uint16_t GetFirstTermDay(std::uint16_t Year, std::uint16_t Month)
{
    if (!InSolarTermYears(Year) || Month < 1 || Month > MonthsPerYear)
        return 0;
    return static_cast<std::uint16_t>(15 - (SolarTermByte(Year, Month) >> 4));
}

std::int32_t GetSolarTermIndex(TDateTime ADate)
{
    int y = 0, m = 0, d = 0;
    DecodeDate(ADate, y, m, d);
    if (!InSolarTermYears(y))
        return -1;
    const std::uint8_t days = SolarTermByte(y, m);
    const bool second = d >= 15;
    const int termDay = second ? 15 + (days & 0x0F) : 15 - (days >> 4);
    if (termDay != d)
        return -1;
    return 2 * (m - 1) + (second ? 1 : 0);
}

std::int32_t LunarToDayNumber(std::int32_t Year, std::int32_t Month, std::int32_t Day, bool IsLeap)
{
    long long n = Day;
    if (Year < FirstYear)
        return Saturated(n + DayNumberOffset);
    if (IsLeap && Month == GetLeapMonth(Year))
        n += LunarMonthLengths(static_cast<std::uint16_t>(Year), static_cast<std::uint16_t>(Month)) & 0xFFFF;
    for (int month = 1; month < std::min(Month, MonthsPerYear + 1); ++month) {
        n += InTableYears(Year)
                 ? BothHalves(LunarMonthLengths(static_cast<std::uint16_t>(Year), static_cast<std::uint16_t>(month)))
                 : 30;
    }
    const auto& offsets = NewYearOffsets();
    n += offsets[std::min(Year, LastYear + 1) - FirstYear];
    if (Year > LastYear + 1) // years past the tables count 30-day months
        n += static_cast<long long>(Year - LastYear - 1) * DaysOfUnknownYear;

    return Saturated(n + LunarEpochDay);
}

void DayNumberToLunar(TDateTime ADate, std::int32_t& Year, std::int32_t& Month, std::int32_t& Day, bool& IsLeap)
{
    const int k = WholeDays(ADate) - DayNumberOffset;
    IsLeap = false;
    if (k < LunarEpochDay) {
        Year = YearBeforeTables;
        Month = MonthsPerYear;
        Day = std::max(k, 1);
        return;
    }

    int e = k - LunarEpochDay;
    const auto& offsets = NewYearOffsets();
    // The last year whose new year is on or before the day, lunar 2056 at most.
    const auto next = std::upper_bound(offsets.begin(), offsets.end() - 1, e);
    Year = FirstYear + static_cast<std::int32_t>(next - offsets.begin()) - 1;
    e -= offsets[Year - FirstYear];
    e = std::min(e, LunarYearDays(Year) - 1); // past lunar 2056: its last day

    const std::int32_t leap = GetLeapMonth(Year);
    for (Month = 1; Month <= MonthsPerYear; ++Month) {
        const std::uint32_t lengths = LunarMonthLengths(static_cast<std::uint16_t>(Year), static_cast<std::uint16_t>(Month));
        const int ordinary = static_cast<int>(lengths & 0xFFFF);
        if (e < ordinary)
            break;
        e -= ordinary;
        if (Month == leap) {
            const int twin = static_cast<int>(lengths >> 16);
            if (e < twin) {
                IsLeap = true;
                break;
            }
            e -= twin;
        }
    }
    Month = std::min(Month, MonthsPerYear); // e lies within the year
    Day = e + 1;
}

// ---- TLunarDate ---------------------------------------------------------------

TLunarDate::TLunarDate()
{
    const CivilDate today = Today();
    FlYear = today.year;
    FlMonth = today.month;
    FlDay = today.day;
    FMaxMonthDays = MonthDays(FlYear, FlMonth);
}

std::int32_t TLunarDate::MonthDays(std::int32_t Year, std::int32_t Month) const
{
    return LunarMonthDays(Year, Month, FFlagLeapMonth);
}

void TLunarDate::SetlYear(std::int32_t Value)
{
    if (Value == FlYear || !InTableYears(Value))
        return;
    FlYear = Value;
    Recalc();
    Change();
}

void TLunarDate::SetlMonth(std::int32_t Value)
{
    if (Value == FlMonth || Value < 1 || Value > MonthsPerYear)
        return;
    FlMonth = Value;
    Recalc();
    Change();
}

void TLunarDate::SetlDay(std::int32_t Value)
{
    if (Value >= 1 && Value <= MonthDays(FlYear, FlMonth))
        FlDay = Value;
    Recalc();
    Change();
}

void TLunarDate::SetFlagLeapMonth(bool Value)
{
    if (Value == FFlagLeapMonth)
        return;
    FFlagLeapMonth = Value;
    Change();
}

void TLunarDate::SetBookOfChanges(bool Value)
{
    FBookOfChanges = Value;
    UpdateTexts();
    Change();
}

void TLunarDate::Recalc()
{
    FMaxMonthDays = MonthDays(FlYear, FlMonth);
    if (FlDay > FMaxMonthDays)
        FlDay = FMaxMonthDays;
    UpdateTexts();
    CalcFeastOfLunar();
}

void TLunarDate::UpdateTexts()
{
    const std::int32_t t = LunarToDayNumber(FlYear, FlMonth, FlDay, FFlagLeapMonth);
    const long long dayCount = static_cast<long long>(t) - DayNumberOffset;
    int y = 0, m = 0, d = 0;
    DecodeDate(t, y, m, d);

    FcDay = SexagenaryName(dayCount, DayStemOffset, DayBranchOffset);

    long long monthCount = 0;
    long long year = FlYear;
    if (!FBookOfChanges) {
        // A leap twin takes the names of its ordinary month.
        monthCount = static_cast<long long>(FlYear - YearBeforeTables) * MonthsPerYear + FlMonth;
    } else {
        // Solar month s runs from the first term of Gregorian month s to the
        // day before the next one; 立春 opens the 寅 month, as lunar month 1
        // does, so solar month s takes the names of lunar month s - 1.
        const auto firstTerm = [](int gregorianYear, int gregorianMonth) {
            return GetFirstTermDay(static_cast<std::uint16_t>(gregorianYear), static_cast<std::uint16_t>(gregorianMonth));
        };
        int solarMonth = m;
        int solarYear = y;
        if (d < firstTerm(y, m)) {
            solarMonth = m - 1;
            if (m == 1) {
                solarMonth = MonthsPerYear;
                solarYear = y - 1;
            }
        }
        monthCount = static_cast<long long>(solarYear - YearBeforeTables) * MonthsPerYear + solarMonth - 1;
        // The year changes at 立春.
        const bool beforeLichun = m == 1 || (m == 2 && d < firstTerm(y, 2));
        year = beforeLichun ? y - 1 : y;
    }
    FcMonth = SexagenaryName(monthCount, MonthStemOffset, MonthBranchOffset);
    FcYear = SexagenaryName(year, YearStemOffset, YearBranchOffset);
    FAnimalYear = AnimalNames[PositiveMod(year + YearBranchOffset, 12)];

    const std::int32_t term = GetSolarTermIndex(t);
    FSolarTerm = term >= 0 ? std::string(SolarTermNames[term]) : std::string();
}

void TLunarDate::CalcFeastOfLunar()
{
    FFeastOfLunar.clear();
    const int key = FlMonth * 256 + FlDay;
    for (const FeastOfLunarStr& row : FeastsOfLunar) {
        if (row.Key == key) {
            FFeastOfLunar = row.Name;
            break;
        }
    }
    if (FlMonth == MonthsPerYear && FlDay == FMaxMonthDays)
        FFeastOfLunar = NewYearsEveText;
    if (FSolarTerm == QingmingTermName)
        FFeastOfLunar = QingmingFestivalText;
}

void TLunarDate::Change()
{
    if (OnChange)
        OnChange(*this);
}

// ---- TTransDate ---------------------------------------------------------------

TTransDate::TTransDate()
    : FLunarDate(std::make_unique<TLunarDate>())
{
    FISO8601 = false;
    SetDate(std::clamp(TodayDayNumber(), FirstConvertibleDate, LastConvertibleDate));
    HookLunarDate();
    SetBookOfChanges(false);
}

void TTransDate::HookLunarDate()
{
    FLunarDate->OnChange = [this](TLunarDate& LD) { LunarDateChange(LD); };
}

void TTransDate::SetDate(TDateTime Value)
{
    if (Value == FDate || !IsConvertibleDate(Value))
        return;
    FDate = Value;
    DateToLunar(*FLunarDate, Value);
    FLunarDate->Recalc();
    DateMoved();
}

void TTransDate::SetLunarDate(const TLunarDate& Value)
{
    if (&Value == FLunarDate.get())
        return;
    const TDateTime date = LunarToDate(Value);
    if (!IsConvertibleDate(date))
        return;
    TLunarDate& held = *FLunarDate;
    held.FlYear = Value.FlYear;
    held.FlMonth = Value.FlMonth;
    held.FlDay = Value.FlDay;
    held.FFlagLeapMonth = Value.FFlagLeapMonth;
    FDate = date;
    held.Recalc();
    DateMoved();
}

void TTransDate::DateMoved()
{
    int y = 0, m = 0, d = 0;
    DecodeDate(FDate, y, m, d);
    FMaxMonthDays = DaysInMonth(y, m);
    UpdateWeek();
    CalcFeast();
    Change();
}

void TTransDate::SetBookOfChanges(bool Value)
{
    FBookOfChanges = Value;
    FLunarDate->SetBookOfChanges(Value);
}

void TTransDate::SetLeapMonth(bool Value)
{
    FLeapMonth = Value;
    TLunarDate& held = *FLunarDate;
    if (GetLeapMonth(held.lYear()) == held.lMonth() && held.FlagLeapMonth() != Value) {
        held.SetFlagLeapMonth(Value); // announces, and LunarDateChange moves Date
        SetDate(LunarToDate(held));
    }
}

void TTransDate::SetISO8601(bool Value)
{
    FISO8601 = Value;
    UpdateWeek();
}

void TTransDate::UpdateWeek()
{
    FWeek = FISO8601 ? IsoDayOfWeek(FDate) : DayOfWeek(FDate);
}

void TTransDate::CalcFeast()
{
    FFeast.clear();
    int y = 0, m = 0, d = 0;
    DecodeDate(FDate, y, m, d);
    const int weekday = IsoDayOfWeek(FDate);
    const int nth = (d - 1) / 7 + 1;
    constexpr int thursday = 4;

    if (IsLunarEasterSunday(FDate))
        FFeast = EasterText;
    if (m == 11 && nth == 4 && weekday == thursday)
        FFeast += ThanksgivingText;
    for (const FeastDynamicStr& row : FeastsDynamic) {
        if (row.Month == m && row.Nth == nth && row.Weekday == weekday) {
            FFeast += row.Name;
            FFeast += ' ';
        }
    }
    const bool lastWeekOfMonth = d > DaysInMonth(y, m) - 7;
    for (const FeastLastWeekStr& row : FeastsLastWeek) {
        if (row.Month == m && lastWeekOfMonth && row.Weekday == weekday) {
            FFeast += row.Name;
            FFeast += ' ';
        }
    }
    const int key = m * 256 + d;
    const auto row = std::lower_bound(std::begin(Feasts), std::end(Feasts), key,
                                      [](const FeastStr& feast, int k) { return feast.Key < k; });
    if (row != std::end(Feasts) && row->Key == key)
        FFeast += row->Name;
}

std::string TTransDate::GetConstellation() const
{
    int y = 0, m = 0, d = 0;
    DecodeDate(FDate, y, m, d);
    const int md = m * 100 + d;
    struct Range {
        int from, to, sign;
    };
    static constexpr Range ranges[] = {
        {321, 419, 0},  {420, 520, 1},  {521, 620, 2},   {621, 722, 3},
        {723, 822, 4},  {823, 922, 5},  {923, 1022, 6},  {1023, 1121, 7},
        {1122, 1221, 8}, {120, 218, 10}, {219, 320, 11},
    };
    constexpr int capricorn = 9;
    for (const Range& r : ranges) {
        if (md >= r.from && md <= r.to)
            return std::string(ConstellationNames[r.sign]);
    }
    return std::string(ConstellationNames[capricorn]);
}

std::string TTransDate::GetLunarDateText() const
{
    const TLunarDate& ld = *FLunarDate;
    std::string text = std::to_string(ld.lYear()) + "年 ";
    if (ld.FlagLeapMonth())
        text += "闰";
    text += std::to_string(ld.lMonth()) + "月 " + std::to_string(ld.lDay()) + "日";
    return text;
}

void TTransDate::DateToLunar(TLunarDate& LD, TDateTime ADate)
{
    if (!IsConvertibleDate(ADate))
        return;
    const int k = WholeDays(ADate) - DayNumberOffset;
    if (k < LunarEpochDay) {
        // The twelfth month of lunar 1899 has no leap twin; a flag left on
        // from an earlier date would only mislabel it.
        LD.FlYear = YearBeforeTables;
        LD.FlMonth = MonthsPerYear;
        LD.FFlagLeapMonth = false;
        LD.SetlDay(k);
        return;
    }
    std::int32_t year = 0, month = 0, day = 0;
    bool leap = false;
    DayNumberToLunar(ADate, year, month, day, leap);
    LD.FFlagLeapMonth = leap;
    LD.FlYear = year;
    LD.FlMonth = month;
    LD.FlDay = day;
}

TDateTime TTransDate::LunarToDate(const TLunarDate& LD) const
{
    return LunarToDayNumber(LD.lYear(), LD.lMonth(), LD.lDay(), LD.FlagLeapMonth());
}

void TTransDate::Change()
{
    if (OnChange)
        OnChange(*this);
}

void TTransDate::LunarDateChange(TLunarDate& LD)
{
    FDate = LunarToDate(LD);
    UpdateWeek();
    CalcFeast();
    Change();
}

// ---- Stored layouts -------------------------------------------------------------

void ApplyLayout(TTransDate& TransDate, const TTransDateLayout& Layout)
{
    TransDate.SetBookOfChanges(Layout.BookOfChanges);
    TransDate.SetMaxMonthDays(Layout.MaxMonthDays);
    TLunarDate& lunar = TransDate.LunarDate();
    lunar.SetMaxMonthDays(Layout.LunarMaxMonthDays);
    lunar.SetlYear(Layout.lYear);
    lunar.SetlMonth(Layout.lMonth);
    lunar.SetlDay(Layout.lDay);
    lunar.SetFlagLeapMonth(Layout.FlagLeapMonth);
    TransDate.SetISO8601(Layout.ISO8601);
    TransDate.SetDate(Layout.Date);
    TransDate.SetLeapMonth(Layout.LeapMonth);
}

} // namespace qh
