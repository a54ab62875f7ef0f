#include "Report.h"

#include <array>
#include <string_view>

namespace qh {
namespace {

constexpr std::array<std::string_view, 12> MonthNames = {
    "正", "二", "三", "四", "五", "六", "七", "八", "九", "十", "冬", "腊",
};
constexpr std::array<std::string_view, 10> Digits = {
    "十", "一", "二", "三", "四", "五", "六", "七", "八", "九",
};
constexpr std::array<std::string_view, 7> WeekdayNames = {
    "星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六",
};

std::string DayName(int day)
{
    switch (day) {
    case 10: return "初十";
    case 20: return "二十";
    case 30: return "三十";
    default: break;
    }
    static constexpr std::array<std::string_view, 3> tens = {"初", "十", "廿"};
    return std::string(tens[day / 10]) + std::string(Digits[day % 10]);
}

// Festival texts may end with a separating blank.
std::string OrNone(const std::string& text)
{
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string("无") : text.substr(0, end + 1);
}

void Line(std::string& out, std::string_view label, const std::string& value)
{
    out += label;
    out += "：";
    out += value;
    out += '\n';
}

} // namespace

std::string TraditionalLunarName(int month, int day, bool leap)
{
    if (month < 1 || month > 12 || day < 1 || day > 30)
        return {};
    std::string name = leap ? "闰" : "";
    name += MonthNames[month - 1];
    name += "月";
    name += DayName(day);
    return name;
}

std::string ConversionReport(const TTransDate& day)
{
    const TLunarDate& lunar = day.LunarDate();
    int y = 0, m = 0, d = 0;
    DecodeDate(day.Date(), y, m, d);

    std::string out;
    Line(out, "公历", std::to_string(y) + "年" + std::to_string(m) + "月" + std::to_string(d) + "日 " +
                        std::string(WeekdayNames[DayOfWeek(day.Date()) - 1]));
    Line(out, "农历",
         day.GetLunarDateText() + "（" + TraditionalLunarName(lunar.lMonth(), lunar.lDay(), lunar.FlagLeapMonth()) +
             "，本月" + std::to_string(lunar.MaxMonthDays()) + "天）");
    Line(out, "干支",
         lunar.cYear() + "年 " + lunar.cMonth() + "月 " + lunar.cDay() + "日" +
             (day.BookOfChanges() ? "（年、月按节气）" : "（年、月按农历）"));
    Line(out, "生肖", lunar.AnimalYear() + "年");
    Line(out, "节气", OrNone(lunar.SolarTerm()));
    Line(out, "公历节日", OrNone(day.Feast()));
    Line(out, "农历节日", OrNone(lunar.FeastOfLunar()));
    Line(out, "星座", day.Constellation());
    return out;
}

} // namespace qh
