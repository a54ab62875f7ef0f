#pragma once
// The day-by-day listing of `qhcal dump`: one JSON object per day, each
// read from one TTransDate whose Date is set to that day.

#include "TransDate.h"

#include <functional>
#include <string>
#include <string_view>

namespace qh {

// Appends the JSON line of the day the component holds.
void AppendDayJson(std::string& out, const TTransDate& day);

// Lists every day from `from` to `to` (convertible dates, from <= to),
// handing the text to `write` in chunks of some tens of kilobytes.
void DumpDays(TDateTime from, TDateTime to, bool solarTermBasis,
              const std::function<void(std::string_view)>& write);

} // namespace qh
