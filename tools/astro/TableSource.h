#pragma once
// Writes the solar-term table as C++ source for the calendar engine.

#include <cstdint>
#include <ostream>
#include <vector>

namespace qh::astro {

void WriteSolarTermTableSource(std::ostream& out, int firstYear, const std::vector<std::uint8_t>& bytes);

} // namespace qh::astro
