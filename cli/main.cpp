// qhcal: the calendar engine on the command line.

#include "Arguments.h"
#include "Dump.h"
#include "Report.h"
#include "TransDate.h"

#include <cstdio>
#include <exception>
#include <string>
#include <variant>
#include <vector>

namespace {

constexpr int BadInput = 2;
constexpr int WriteFailed = 1;

bool Write(std::string_view text)
{
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
}

int Run(const std::vector<std::string>& args)
{
    const qh::CliRequest request = qh::ParseArguments(args);
    if (const auto* error = std::get_if<qh::ArgumentError>(&request)) {
        std::fprintf(stderr, "qhcal: %s\n", error->message.c_str());
        return BadInput;
    }
    bool written = true;
    if (std::holds_alternative<qh::HelpRequest>(request)) {
        written = Write(qh::UsageText());
    } else if (const auto* convert = std::get_if<qh::ConvertRequest>(&request)) {
        qh::TTransDate day;
        day.SetBookOfChanges(convert->solarTermBasis);
        day.SetDate(convert->date);
        written = Write(qh::ConversionReport(day));
    } else if (const auto* dump = std::get_if<qh::DumpRequest>(&request)) {
        qh::DumpDays(dump->from, dump->to, dump->solarTermBasis,
                     [&written](std::string_view chunk) { written = written && Write(chunk); });
    }
    if (std::fflush(stdout) != 0 || !written) {
        std::fprintf(stderr, "qhcal: 无法写出结果\n");
        return WriteFailed;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qhcal: %s\n", e.what());
        return BadInput;
    }
}
