// qhcal run as a program: its answers, its listing and its refusals.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadAll(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

class Qhcal : public ::testing::Test {
protected:
    fs::path folder;

    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "qhcal-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }

    void TearDown() override { fs::remove_all(folder); }

    Outcome Run(const std::vector<std::string>& args)
    {
        std::string command = std::string("'") + QHCAL_PATH + "'";
        for (const std::string& arg : args)
            command += " '" + arg + "'";
        command += " >'" + (folder / "out").string() + "' 2>'" + (folder / "err").string() + "'";
        Outcome outcome;
        const int raw = std::system(command.c_str());
        outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        outcome.out = ReadAll(folder / "out");
        outcome.err = ReadAll(folder / "err");
        return outcome;
    }
};

TEST_F(Qhcal, ConvertsAGregorianDay)
{
    const Outcome outcome = Run({"convert", "2011-01-12"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_EQ(outcome.out,
              "公历：2011年1月12日 星期三\n"
              "农历：2010年 12月 9日（腊月初九，本月30天）\n"
              "干支：庚寅年 己丑月 丁卯日（年、月按农历）\n"
              "生肖：虎年\n"
              "节气：无\n"
              "公历节日：无\n"
              "农历节日：无\n"
              "星座：摩羯座\n");
    EXPECT_TRUE(outcome.err.empty());
}

TEST_F(Qhcal, ConvertsALunarDayBothReckonings)
{
    Outcome outcome = Run({"convert", "--lunar", "2009-05-01", "--leap"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_NE(outcome.out.find("公历：2009年6月23日 星期二\n"), std::string::npos) << outcome.out;
    EXPECT_NE(outcome.out.find("农历：2009年 闰5月 1日（闰五月初一，本月29天）\n"), std::string::npos) << outcome.out;

    outcome = Run({"convert", "--basis", "solar", "--lunar", "2012-01-08"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_NE(outcome.out.find("公历：2012年1月30日"), std::string::npos) << outcome.out;
    EXPECT_NE(outcome.out.find("干支：辛卯年 辛丑月 庚寅日（年、月按节气）\n"), std::string::npos) << outcome.out;
    EXPECT_NE(outcome.out.find("生肖：兔年\n"), std::string::npos) << outcome.out;
}

TEST_F(Qhcal, BadInputGetsOneLineAndStatus2)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"convert", "--fast", "2011-01-12"},
        {"convert", "2011-13-01"},
        {"convert", "2011-02-29"},
        {"convert", "11/01/2011"},
        {"convert", "2011-01-12x"},
        {"convert", "99999-01-01"},
        {"convert", "1899-12-31"},
        {"convert", "2057-02-04"},
        {"convert", "2011-01-12", "2011-01-13"},
        {"convert", "--lunar", "2011-02-30"},
        {"convert", "--lunar", "2057-01-01"},
        {"convert", "--lunar", "1899-11-01"},
        {"convert", "--lunar", "2011-13-01"},
        {"convert", "--lunar", "2026-10-22", "--leap"},
        {"convert", "--lunar"},
        {"convert", "--leap", "2009-05-01"},
        {"convert", "--basis", "moon", "2011-01-12"},
        {"convert", "2011-01-12", "--basis"},
        {"dump", "--from", "2011-01-02", "--to", "2011-01-01"},
        {"dump", "--from"},
        {"dump", "--to", "2057-02-04"},
        {"dump", "--from", "2011-01-01", "extra"},
        {"dump", "--all"},
    };
    for (const auto& args : cases) {
        std::string shown;
        for (const std::string& arg : args)
            shown += arg + " ";
        const Outcome outcome = Run(args);
        EXPECT_EQ(outcome.status, 2) << shown;
        EXPECT_TRUE(outcome.out.empty()) << shown;
        ASSERT_FALSE(outcome.err.empty()) << shown;
        EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << shown << outcome.err;
        EXPECT_EQ(outcome.err.rfind("qhcal: ", 0), 0u) << shown << outcome.err;
    }
}

TEST_F(Qhcal, DumpWritesOneEscapedJsonObjectPerDay)
{
    const Outcome outcome = Run({"dump", "--from", "2011-06-30", "--to", "2011-07-01"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const std::vector<std::string> lines = Lines(outcome.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1],
              R"({"date":"2011-07-01","day_number":40725,"week":6,"lunar_year":2011,"lunar_month":6,)"
              R"("lunar_day":1,"leap":false,"lunar_text":"2011年 6月 1日","cyear":"辛卯","cmonth":"乙未",)"
              R"("cday":"丁巳","animal":"兔","solar_term":"",)"
              R"("feast":"中国共产党建党日 世界建筑日 香港回归日 亚洲\"三十亿人口日\"","feast_of_lunar":"",)"
              R"("constellation":"巨蟹座","month_days":30})");
}

TEST_F(Qhcal, DumpCoversTheWholeRangeByDefault)
{
    const Outcome outcome = Run({"dump", "--basis", "solar"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    const std::vector<std::string> lines = Lines(outcome.out);
    ASSERT_EQ(lines.size(), 57378u);
    EXPECT_EQ(lines.front().rfind(R"({"date":"1900-01-01","day_number":2,"week":2,"lunar_year":1899,)", 0), 0u)
        << lines.front();
    EXPECT_EQ(lines.back().rfind(R"({"date":"2057-02-03","day_number":57379,)", 0), 0u) << lines.back();
    EXPECT_NE(lines.back().find(R"("lunar_text":"2056年 12月 30日")"), std::string::npos) << lines.back();
    EXPECT_NE(lines.back().find(R"("feast_of_lunar":"除夕")"), std::string::npos) << lines.back();
}

} // namespace
