#include "IniFile.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace qh {
namespace {

class IniFileTest : public ::testing::Test {
protected:
    TIniFile Read(const QByteArray& text)
    {
        QFile file(FDir.filePath(QStringLiteral("qhconfig.ini")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        return TIniFile(file.fileName());
    }
    QTemporaryDir FDir;
};

TEST_F(IniFileTest, NamesIgnoreLetterCaseAndBothLineEndsWork)
{
    for (const QByteArray& lineEnd : {QByteArray("\n"), QByteArray("\r\n")}) {
        const TIniFile ini = Read("[station]" + lineEnd + "CODE = 东湖洗浴 " + lineEnd + "upwarn=42" + lineEnd
                                  + "[TaskParam]" + lineEnd + "TimeOut=30" + lineEnd);
        EXPECT_EQ(ini.ReadString("Station", "Code", "x"), QStringLiteral("东湖洗浴"));
        EXPECT_EQ(ini.ReadInteger("STATION", "UpWarn", 10), 42);
        EXPECT_EQ(ini.ReadString("taskparam", "timeout", "10"), QStringLiteral("30"));
    }
}

TEST_F(IniFileTest, MissingFileSectionOrKeyGivesTheDefault)
{
    const TIniFile missing(FDir.filePath(QStringLiteral("none.ini")));
    EXPECT_EQ(missing.ReadString("Station", "Code", "**洗浴"), QStringLiteral("**洗浴"));
    EXPECT_EQ(missing.ReadInteger("Station", "UpWarn", 10), 10);

    const TIniFile ini = Read("[Station]\nCode=A\n");
    EXPECT_EQ(ini.ReadString("Other", "Code", "d"), QStringLiteral("d"));
    EXPECT_EQ(ini.ReadString("Station", "RootParam", "5xz"), QStringLiteral("5xz"));
}

TEST_F(IniFileTest, KeyWithNothingAfterTheSignReadsEmpty)
{
    const TIniFile ini = Read("[FreezeParam]\nFreezeFlag=\n[Station]\nUpWarn=\n");
    EXPECT_EQ(ini.ReadString("FreezeParam", "FreezeFlag", "1"), QString());
    EXPECT_EQ(ini.ReadInteger("Station", "UpWarn", 10), 10);
}

TEST_F(IniFileTest, IntegerKeysThatAreNotWholeNumbersFallBack)
{
    struct Case {
        const char* value;
        int expected;
    };
    const Case cases[] = {
        {"7", 7},        {" -3 ", -3},  {"+12", 12},    {"1.5", 99},        {"abc", 99},
        {"12abc", 99},   {"", 99},      {"0x10", 99},   {"99999999999", 99}, {"2147483647", 2147483647},
    };
    for (const Case& c : cases) {
        const TIniFile ini = Read(QByteArray("[Station]\nIniPrice=") + c.value + "\n");
        EXPECT_EQ(ini.ReadInteger("Station", "IniPrice", 99), c.expected) << c.value;
    }
}

TEST_F(IniFileTest, CommentsQuotesBlankLinesAndFirstOccurrence)
{
    const TIniFile ini = Read("\xEF\xBB\xBF; a comment\n# another\n\nstray=1\n[Station]\nCode=\"  quoted \"\n"
                              "Code=second\nnoequals\n=novalue\n[station]\nRootParam=from second section\n");
    EXPECT_EQ(ini.ReadString("Station", "Code", "d"), QStringLiteral("  quoted "));
    EXPECT_EQ(ini.ReadString("Station", "RootParam", "d"), QStringLiteral("from second section"));
    EXPECT_EQ(ini.ReadString("", "stray", "d"), QStringLiteral("d"));
}

TEST_F(IniFileTest, FilesInTheChineseCodePageAreRead)
{
    QStringEncoder gb("GB18030");
    if (!gb.isValid())
        GTEST_SKIP() << "no GB18030 codec in this Qt";
    const QByteArray text = gb.encode(QStringLiteral("[Station]\nCode=桑拿洗浴\n"));
    EXPECT_EQ(Read(text).ReadString("Station", "Code", "d"), QStringLiteral("桑拿洗浴"));
}

TEST(ParseWholeNumber, AcceptsOnlyWholeNumbers)
{
    EXPECT_EQ(ParseWholeNumber("0"), 0);
    EXPECT_EQ(ParseWholeNumber(" 15 "), 15);
    EXPECT_EQ(ParseWholeNumber("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", " ", "-", "+", "1e3", "1,000", "一", "2147483648"})
        EXPECT_FALSE(ParseWholeNumber(QString::fromUtf8(bad)).has_value()) << bad;
}

} // namespace
} // namespace qh
