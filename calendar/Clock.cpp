#include "Clock.h"

#include <ctime>

namespace qh {
namespace {

std::function<CivilDate()>& Source()
{
    static std::function<CivilDate()> source;
    return source;
}

CivilDate SystemToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

} // namespace

CivilDate Today()
{
    const auto& source = Source();
    return source ? source() : SystemToday();
}

void SetTodaySource(std::function<CivilDate()> source)
{
    Source() = std::move(source);
}

PinnedToday::PinnedToday(CivilDate date)
{
    SetTodaySource([date] { return date; });
}

PinnedToday::~PinnedToday()
{
    SetTodaySource({});
}

} // namespace qh
