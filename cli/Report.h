#pragma once
// The Chinese text `qhcal convert` prints for one day: everything a
// converter panel of the main window shows.

#include "TransDate.h"

#include <string>

namespace qh {

// Traditional name of a lunar month and day, e.g. "闰四月廿三", "腊月三十".
std::string TraditionalLunarName(int month, int day, bool leap);

// Several lines, each "label：value", ending with a newline.
std::string ConversionReport(const TTransDate& day);

} // namespace qh
