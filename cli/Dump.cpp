#include "Dump.h"

#include "JsonLine.h"

namespace qh {

void AppendDayJson(std::string& out, const TTransDate& day)
{
    const TLunarDate& lunar = day.LunarDate();
    JsonLine(out)
        .Text("date", FormatIsoDate(day.Date()))
        .Number("day_number", WholeDays(day.Date()))
        .Number("week", day.Week())
        .Number("lunar_year", lunar.lYear())
        .Number("lunar_month", lunar.lMonth())
        .Number("lunar_day", lunar.lDay())
        .Boolean("leap", lunar.FlagLeapMonth())
        .Text("lunar_text", day.GetLunarDateText())
        .Text("cyear", lunar.cYear())
        .Text("cmonth", lunar.cMonth())
        .Text("cday", lunar.cDay())
        .Text("animal", lunar.AnimalYear())
        .Text("solar_term", lunar.SolarTerm())
        .Text("feast", day.Feast())
        .Text("feast_of_lunar", lunar.FeastOfLunar())
        .Text("constellation", day.Constellation())
        .Number("month_days", lunar.MaxMonthDays())
        .End();
}

void DumpDays(TDateTime from, TDateTime to, bool solarTermBasis,
              const std::function<void(std::string_view)>& write)
{
    constexpr std::size_t chunk = 64 * 1024;
    TTransDate day;
    day.SetISO8601(false);
    day.SetBookOfChanges(solarTermBasis);
    std::string out;
    out.reserve(chunk + 4096);
    for (int n = WholeDays(from); n <= WholeDays(to); ++n) {
        day.SetDate(n);
        AppendDayJson(out, day);
        if (out.size() >= chunk) {
            write(out);
            out.clear();
        }
    }
    if (!out.empty())
        write(out);
}

} // namespace qh
