#pragma once
// The command line of qhcal, read into a request or refused with one clear
// message.

#include "DayNumber.h"

#include <string>
#include <variant>
#include <vector>

namespace qh {

struct ConvertRequest {
    TDateTime date = 0; // the Gregorian day to show
    bool solarTermBasis = false;
};

struct DumpRequest {
    TDateTime from = FirstConvertibleDate;
    TDateTime to = LastConvertibleDate;
    bool solarTermBasis = false;
};

struct HelpRequest {};

struct ArgumentError {
    std::string message; // one line, without the program name
};

using CliRequest = std::variant<ConvertRequest, DumpRequest, HelpRequest, ArgumentError>;

// The arguments after the program name.
CliRequest ParseArguments(const std::vector<std::string>& args);

// How to call qhcal, for --help.
std::string UsageText();

} // namespace qh
