// Prints how long the calendar engine takes for one conversion with all
// its texts, and for listing every day of the range as JSON.

#include "Dump.h"
#include "TransDate.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

// Best of several runs, to keep other work on the machine out of the figure.
template <typename Work>
double BestSeconds(int runs, Work work)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        best = std::min(best, Seconds(Clock::now() - start));
    }
    return best;
}

} // namespace

int main()
{
    using namespace qh;
    const int first = WholeDays(FirstConvertibleDate);
    const int last = WholeDays(LastConvertibleDate);
    const int days = last - first + 1;

    // One conversion: a new Date with every text a converter panel shows.
    std::size_t sink = 0;
    TTransDate transDate;
    const double conversions = BestSeconds(5, [&] {
        for (int n = first; n <= last; ++n) {
            transDate.SetDate(n);
            sink += transDate.GetLunarDateText().size() + transDate.Constellation().size() +
                    transDate.Feast().size() + transDate.LunarDate().cDay().size();
        }
    });
    std::printf("one conversion with all texts: %.0f ns (average over %d days)\n", conversions / days * 1e9, days);

    // The whole range as qhcal dump writes it, into memory.
    std::size_t bytes = 0;
    for (const bool solar : {false, true}) {
        const double dump = BestSeconds(5, [&] {
            bytes = 0;
            DumpDays(FirstConvertibleDate, LastConvertibleDate, solar,
                     [&bytes](std::string_view chunk) { bytes += chunk.size(); });
        });
        std::printf("full-range dump (%s basis): %.1f ms for %d days, %zu bytes of JSON\n",
                    solar ? "solar-term" : "lunar", dump * 1e3, days, bytes);
    }
    return sink == 0;
}
