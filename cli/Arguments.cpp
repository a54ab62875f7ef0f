#include "Arguments.h"

#include "TransDate.h"

#include <optional>

namespace qh {
namespace {

const std::string RangeText = "1900-01-01 至 2057-02-03";

struct DateNumbers {
    int year = 0;
    int month = 0;
    int day = 0;
};

// "Y-M-D" with one to four digits of year and one or two of month and day;
// says nothing about whether such a day exists.
std::optional<DateNumbers> SplitDate(const std::string& text)
{
    int parts[3] = {0, 0, 0};
    static constexpr std::size_t maxDigits[3] = {4, 2, 2};
    std::size_t part = 0, digits = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            if (++digits > maxDigits[part])
                return std::nullopt;
            parts[part] = parts[part] * 10 + (c - '0');
        } else if (c == '-' && digits > 0 && part < 2) {
            ++part;
            digits = 0;
        } else {
            return std::nullopt;
        }
    }
    if (part != 2 || digits == 0)
        return std::nullopt;
    return DateNumbers{parts[0], parts[1], parts[2]};
}

std::string Malformed(const std::string& text)
{
    return "日期“" + text + "”的格式不对，应写作 年-月-日，例如 2026-12-11";
}

// A Gregorian day inside the convertible range, or the reason it is not.
std::variant<TDateTime, std::string> GregorianDay(const std::string& text)
{
    const auto numbers = SplitDate(text);
    if (!numbers)
        return Malformed(text);
    TDateTime date = 0;
    if (!TryEncodeDate(numbers->year, numbers->month, numbers->day, date))
        return "公历没有这一天：" + text;
    if (!IsConvertibleDate(date))
        return "公历 " + text + " 超出可换算的范围（" + RangeText + "）";
    return date;
}

// The Gregorian day of a lunar date, or the reason there is none.
std::variant<TDateTime, std::string> LunarDay(const std::string& text, bool leap)
{
    const auto numbers = SplitDate(text);
    if (!numbers)
        return Malformed(text);
    const auto [year, month, day] = *numbers;
    // Lunar 1899 is known only by its twelfth month, which ends on 1900-01-30.
    const bool lastMonthOf1899 = year == FirstYear - 1 && month == 12;
    if ((year < FirstYear || year > LastYear) && !lastMonthOf1899)
        return "农历年份 " + std::to_string(year) + " 超出可换算的范围（" + std::to_string(FirstYear) + " 至 " +
               std::to_string(LastYear) + " 年，另有 1899 年 12 月）";
    if (month < 1 || month > 12)
        return "农历没有 " + std::to_string(month) + " 月：月份应为 1 至 12";
    if (leap && GetLeapMonth(year) != month) {
        const int leapMonth = GetLeapMonth(year);
        return "农历 " + std::to_string(year) + " 年没有闰" + std::to_string(month) + "月" +
               (leapMonth ? "（该年闰" + std::to_string(leapMonth) + "月）" : "（该年没有闰月）");
    }
    const int length = lastMonthOf1899 ? 30 : LunarMonthDays(year, month, leap);
    if (day < 1 || day > length)
        return "农历 " + std::to_string(year) + "年" + (leap ? "闰" : "") + std::to_string(month) + "月没有 " +
               std::to_string(day) + " 日（该月 " + std::to_string(length) + " 天）";
    return static_cast<TDateTime>(LunarToDayNumber(year, month, day, leap));
}

struct Reader {
    const std::vector<std::string>& args;
    std::size_t next = 1;

    bool AtEnd() const { return next >= args.size(); }
    const std::string& Take() { return args[next++]; }
};

std::optional<std::string> ReadBasis(Reader& reader, bool& solarTermBasis)
{
    if (reader.AtEnd())
        return "选项 --basis 缺少取值：lunar（按农历年月）或 solar（按节气）";
    const std::string& value = reader.Take();
    if (value == "lunar")
        solarTermBasis = false;
    else if (value == "solar")
        solarTermBasis = true;
    else
        return "选项 --basis 只能取 lunar 或 solar，不能是“" + value + "”";
    return std::nullopt;
}

std::string UnknownOption(const std::string& option, const char* command)
{
    return std::string("命令 ") + command + " 没有选项“" + option + "”（qhcal --help 查看用法）";
}

CliRequest ParseConvert(const std::vector<std::string>& args)
{
    Reader reader{args};
    ConvertRequest request;
    bool lunar = false, leap = false;
    std::optional<std::string> dateText;
    while (!reader.AtEnd()) {
        const std::string& arg = reader.Take();
        if (arg == "--lunar") {
            lunar = true;
        } else if (arg == "--leap") {
            leap = true;
        } else if (arg == "--basis") {
            if (auto error = ReadBasis(reader, request.solarTermBasis))
                return ArgumentError{*error};
        } else if (arg.starts_with("-") && arg.size() > 1 && !(arg[1] >= '0' && arg[1] <= '9')) {
            return ArgumentError{UnknownOption(arg, "convert")};
        } else if (dateText) {
            return ArgumentError{"convert 只换算一个日期，多出了“" + arg + "”"};
        } else {
            dateText = arg;
        }
    }
    if (leap && !lunar)
        return ArgumentError{"--leap 只用于农历日期，请与 --lunar 一起使用"};
    if (!dateText) {
        if (lunar)
            return ArgumentError{"请给出农历日期，例如 qhcal convert --lunar 2026-10-22"};
        const TDateTime today = TodayDayNumber();
        if (!IsConvertibleDate(today))
            return ArgumentError{"今天 " + FormatIsoDate(today) + " 超出可换算的范围（" + RangeText + "）"};
        request.date = today;
        return request;
    }
    const auto day = lunar ? LunarDay(*dateText, leap) : GregorianDay(*dateText);
    if (const auto* error = std::get_if<std::string>(&day))
        return ArgumentError{*error};
    request.date = std::get<TDateTime>(day);
    return request;
}

CliRequest ParseDump(const std::vector<std::string>& args)
{
    Reader reader{args};
    DumpRequest request;
    while (!reader.AtEnd()) {
        const std::string& arg = reader.Take();
        if (arg == "--from" || arg == "--to") {
            if (reader.AtEnd())
                return ArgumentError{"选项 " + arg + " 缺少日期，例如 " + arg + " 2026-12-11"};
            const auto day = GregorianDay(reader.Take());
            if (const auto* error = std::get_if<std::string>(&day))
                return ArgumentError{*error};
            (arg == "--from" ? request.from : request.to) = std::get<TDateTime>(day);
        } else if (arg == "--basis") {
            if (auto error = ReadBasis(reader, request.solarTermBasis))
                return ArgumentError{*error};
        } else if (arg.starts_with("-")) {
            return ArgumentError{UnknownOption(arg, "dump")};
        } else {
            return ArgumentError{"dump 的日期写在 --from 和 --to 之后，多出了“" + arg + "”"};
        }
    }
    if (request.from > request.to)
        return ArgumentError{"起始日期 " + FormatIsoDate(request.from) + " 晚于结束日期 " + FormatIsoDate(request.to)};
    return request;
}

} // namespace

CliRequest ParseArguments(const std::vector<std::string>& args)
{
    if (args.empty())
        return ArgumentError{"缺少命令：convert 或 dump（qhcal --help 查看用法）"};
    const std::string& command = args.front();
    if (command == "--help" || command == "-h" || command == "help")
        return HelpRequest{};
    if (command == "convert")
        return ParseConvert(args);
    if (command == "dump")
        return ParseDump(args);
    return ArgumentError{"未知的命令“" + command + "”，可用 convert 或 dump（qhcal --help 查看用法）"};
}

std::string UsageText()
{
    return "qhcal：公历与农历互换（公历 " + RangeText +
           "，即农历 1899 年 12 月至 2056 年底）\n"
           "\n"
           "用法：\n"
           "  qhcal convert [日期] [--basis lunar|solar]\n"
           "      换算公历日期（年-月-日，省略时为今天），列出农历、干支、生肖、节气、节日和星座\n"
           "  qhcal convert --lunar 日期 [--leap] [--basis lunar|solar]\n"
           "      从农历日期换算；--leap 表示闰月\n"
           "  qhcal dump [--from 日期] [--to 日期] [--basis lunar|solar]\n"
           "      逐日输出，每行一个 JSON 对象（UTF-8），默认整个范围\n"
           "\n"
           "  --basis lunar  干支的年、月按农历年月（默认）\n"
           "  --basis solar  干支的年、月按节气（立春换年，每月的节换月）\n"
           "\n"
           "输入有误时在标准错误输出一行说明，退出码为 2。\n";
}

} // namespace qh
