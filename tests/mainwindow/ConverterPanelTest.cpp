// The converter panels, driven by clicking the real spin buttons: stepping
// with carry, borrow, day clamp and leap months, the ends of the range, the
// result texts (compared with qhcal's answers), the feast colours and the
// switch of the sexagenary reckoning.

#include "Clock.h"
#include "Messages.h"
#include "TransDate.h"
#include "Un_FrmMainT.h"
#include "USpinEdit.h"
#include "TestRegister.h"
#include "WidgetTesting.h"

#include <QCheckBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>

#include <gtest/gtest.h>

#include <array>

namespace qh {
namespace {

using testing::ClickDown;
using testing::ClickUp;
using testing::TypeInto;

enum Box { Year, Month, Day };
enum Direction { Down, Up };

struct YMD {
    int y, m, d;
    friend bool operator==(const YMD&, const YMD&) = default;
    friend std::ostream& operator<<(std::ostream& os, const YMD& v)
    {
        return os << v.y << '-' << v.m << '-' << v.d;
    }
};

const QColor Maroon(128, 0, 0);
const QColor Red(255, 0, 0);

// What qhcal says about a day.
struct Qhcal {
    QJsonObject day;     // one line of `qhcal dump`
    QString gregorian;   // the 公历 line of `qhcal convert`: long date and weekday
    QString weekday;
};

QString RunQhcal(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(QHCAL_PATH), arguments);
    EXPECT_TRUE(process.waitForFinished(10000)) << arguments.join(' ').toStdString();
    EXPECT_EQ(process.exitCode(), 0) << arguments.join(' ').toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

Qhcal AskQhcal(const QString& date, bool solarBasis = false)
{
    QStringList basis;
    if (solarBasis)
        basis = {QStringLiteral("--basis"), QStringLiteral("solar")};
    Qhcal answer;
    const QString dump = RunQhcal(QStringList{QStringLiteral("dump"), QStringLiteral("--from"), date,
                                              QStringLiteral("--to"), date} + basis);
    answer.day = QJsonDocument::fromJson(dump.trimmed().toUtf8()).object();
    const QString report = RunQhcal({QStringLiteral("convert"), date});
    const QString first = report.section(QLatin1Char('\n'), 0, 0);
    answer.gregorian = first.section(QStringLiteral("："), 1);
    answer.weekday = answer.gregorian.section(QLatin1Char(' '), -1);
    return answer;
}

QString Answer(const Qhcal& q, const char* name)
{
    return q.day.value(QLatin1String(name)).toString();
}

QString SexagenaryAnswer(const Qhcal& q)
{
    return QStringLiteral("%1年 %2月 %3日").arg(Answer(q, "cyear"), Answer(q, "cmonth"), Answer(q, "cday"));
}

class ConverterPanelTest : public ::testing::Test {
protected:
    ConverterPanelTest() { window->show(); }

    template <class T>
    T* Find(const QString& name)
    {
        T* child = window->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }
    TSpinEdit* Spin(int n) { return Find<TSpinEdit>(QStringLiteral("SpinEdit%1").arg(n)); }
    QLineEdit* Edit(int n) { return Find<QLineEdit>(QStringLiteral("Edit%1").arg(n)); }
    QCheckBox* CheckBox(int n) { return Find<QCheckBox>(QStringLiteral("CheckBox%1").arg(n)); }
    QString Status() { return Find<QLabel>(QStringLiteral("Label5"))->text(); }

    // The result boxes besides the date (by number: zodiac sign, sexagenary
    // date, animal, solar term, feasts, lunar feasts) against qhcal's answer.
    void ExpectDayTexts(const std::array<int, 6>& edits, const Qhcal& q)
    {
        EXPECT_EQ(Edit(edits[0])->text(), Answer(q, "constellation"));
        EXPECT_EQ(Edit(edits[1])->text(), SexagenaryAnswer(q));
        EXPECT_EQ(Edit(edits[2])->text(), Answer(q, "animal") + QStringLiteral("年"));
        EXPECT_EQ(Edit(edits[3])->text(), Answer(q, "solar_term"));
        EXPECT_EQ(Edit(edits[4])->text(), Answer(q, "feast"));
        EXPECT_EQ(Edit(edits[5])->text(), Answer(q, "feast_of_lunar"));
    }

    TSpinEdit* SolarBox(Box f) { return Spin(1 + f); }
    TSpinEdit* LunarBox(Box f) { return Spin(4 + f); }

    static void Press(TSpinEdit* box, Direction direction)
    {
        if (direction == Up)
            ClickUp(box);
        else
            ClickDown(box);
    }

    void SetSolar(YMD v)
    {
        SolarBox(Year)->SetValue(v.y);
        SolarBox(Month)->SetValue(v.m);
        SolarBox(Day)->SetValue(v.d);
    }
    YMD Solar() { return {SolarBox(Year)->Value(), SolarBox(Month)->Value(), SolarBox(Day)->Value()}; }
    YMD Lunar() { return {LunarBox(Year)->Value(), LunarBox(Month)->Value(), LunarBox(Day)->Value()}; }

    // Puts the lunar panel where its last conversion would have left it.
    void HoldLunar(YMD v, bool leap)
    {
        LunarBox(Year)->SetValue(v.y);
        LunarBox(Month)->SetValue(v.m);
        LunarBox(Day)->SetValue(v.d);
        TLunarDate& held = window->TransDate2().LunarDate();
        held.SetlYear(v.y);
        held.SetlMonth(v.m);
        held.SetFlagLeapMonth(leap);
        held.SetlDay(v.d);
        CheckBox(1)->setChecked(leap);
    }

    // Converts a Gregorian day on the left panel with one button press
    // from the day before (or after, for the first of a month).
    void ShowSolarDay(YMD v)
    {
        SetSolar({v.y, v.m, v.d > 1 ? v.d - 1 : v.d + 1});
        Press(SolarBox(Day), v.d > 1 ? Up : Down);
        ASSERT_EQ(Solar(), v);
    }

    // Converts a lunar day on the right panel the same way.
    void ShowLunarDay(YMD v, bool leap)
    {
        HoldLunar({v.y, v.m, v.d > 1 ? v.d - 1 : v.d + 1}, leap);
        Press(LunarBox(Day), v.d > 1 ? Up : Down);
        ASSERT_EQ(Lunar(), v);
    }

    PinnedToday today{{2024, 5, 1}};
    RecordedMessages messages;
    testing::TTestRegister register_;
    std::unique_ptr<TFrmMainT> window = std::make_unique<TFrmMainT>();
};

// ---- Gregorian stepping -------------------------------------------------------

struct SolarCase {
    const char* what;
    YMD from;
    Box field;
    Direction direction;
    YMD to;
    bool converts;
};

const SolarCase SolarCases[] = {
    {"month down clamps to February", {2011, 3, 31}, Month, Down, {2011, 2, 28}, true},
    {"month down clamps to a leap February", {2012, 3, 31}, Month, Down, {2012, 2, 29}, true},
    {"month up clamps to February", {2011, 1, 31}, Month, Up, {2011, 2, 28}, true},
    {"year up from 29 February", {2012, 2, 29}, Year, Up, {2013, 2, 28}, true},
    {"year down from 29 February", {2012, 2, 29}, Year, Down, {2011, 2, 28}, true},
    {"day down borrows from the month", {2011, 3, 1}, Day, Down, {2011, 2, 28}, true},
    {"day up carries into the year", {2010, 12, 31}, Day, Up, {2011, 1, 1}, true},
    {"month up carries into the year", {2010, 12, 15}, Month, Up, {2011, 1, 15}, true},
    {"month down borrows from the year", {2011, 1, 15}, Month, Down, {2010, 12, 15}, true},
    {"year up stops at 2056", {2056, 6, 15}, Year, Up, {2056, 6, 15}, false},
    {"year down stops at 1900", {1900, 6, 15}, Year, Down, {1900, 6, 15}, false},
    {"month down from January 1900 stays in 1900", {1900, 1, 15}, Month, Down, {1900, 12, 15}, true},
    {"day down from 1 January 1900", {1900, 1, 1}, Day, Down, {1900, 12, 31}, true},
    {"day up into 2057 within the range", {2056, 12, 31}, Day, Up, {2057, 1, 1}, true},
    {"day up onto the last day", {2057, 2, 2}, Day, Up, {2057, 2, 3}, true},
};

TEST_F(ConverterPanelTest, GregorianButtonsStepWithCarryBorrowAndClamp)
{
    for (const SolarCase& c : SolarCases) {
        SCOPED_TRACE(c.what);
        window = std::make_unique<TFrmMainT>();
        window->show();
        SetSolar(c.from);
        Press(SolarBox(c.field), c.direction);
        EXPECT_EQ(Solar(), c.to);
        if (c.converts) {
            EXPECT_EQ(window->TransDate1().Date(), EncodeDate(c.to.y, c.to.m, c.to.d));
            EXPECT_FALSE(Edit(1)->text().isEmpty());
        } else {
            EXPECT_TRUE(Edit(1)->text().isEmpty()) << "nothing converts";
        }
        EXPECT_EQ(Status(), TFrmMainT::ReadyStatus);
    }
}

TEST_F(ConverterPanelTest, GregorianStepsPastTheLastConvertibleDayAreRefused)
{
    const struct {
        YMD from;
        Box field;
        Direction direction;
    } cases[] = {
        {{2057, 2, 3}, Day, Up},
        {{2057, 1, 10}, Month, Up},
        {{2057, 1, 4}, Month, Up},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.from);
        window = std::make_unique<TFrmMainT>();
        window->show();
        // A good conversion first, so that a refused one shows it is kept.
        ShowSolarDay({2056, 12, 2});
        const QString shown = Edit(1)->text();
        SetSolar(c.from);
        Press(SolarBox(c.field), c.direction);
        EXPECT_EQ(Solar(), c.from) << "the boxes keep their values";
        EXPECT_EQ(Edit(1)->text(), shown) << "nothing converts";
        EXPECT_EQ(window->TransDate1().Date(), EncodeDate(2056, 12, 2));
        EXPECT_EQ(Status(), QStringLiteral("超出查询范围(1900-2056)"));
        EXPECT_TRUE(messages.entries.isEmpty());
        // Back inside the range the status line clears.
        Press(SolarBox(Day), Down);
        EXPECT_EQ(Status(), TFrmMainT::ReadyStatus);
    }
}

TEST_F(ConverterPanelTest, ATypedDateThatDoesNotExistFailsThroughTheErrorReport)
{
    ShowSolarDay({2011, 4, 10});
    const QString shown = Edit(1)->text();
    SetSolar({2011, 4, 10});
    TypeInto(SolarBox(Day), QStringLiteral("32"));
    ClickDown(SolarBox(Day));
    EXPECT_EQ(Solar(), (YMD{2011, 4, 31})) << "the boxes keep what was written";
    EXPECT_EQ(Edit(1)->text(), shown) << "the results keep their texts";
    ASSERT_EQ(messages.entries.size(), 1);
    EXPECT_EQ(messages.entries[0].text, QStringLiteral("Invalid argument to date encode"));
    EXPECT_EQ(messages.entries[0].caption, QStringLiteral("青禾农历生日查询软件V1.0"));
    EXPECT_EQ(SolarBox(Day)->HeldButton(), QStyle::SC_None) << "a held repeat stops";
    // The window stays usable.
    ClickDown(SolarBox(Day));
    EXPECT_EQ(Solar(), (YMD{2011, 4, 30}));
    EXPECT_EQ(messages.entries.size(), 1);
    EXPECT_FALSE(Edit(1)->text().isEmpty());
}

TEST_F(ConverterPanelTest, TheArrowKeysStepABoxWithoutCarryOrConversion)
{
    SetSolar({2011, 12, 31});
    SolarBox(Month)->setFocus();
    QTest::keyClick(SolarBox(Month), Qt::Key_Up);
    QTest::keyClick(SolarBox(Day), Qt::Key_Up);
    EXPECT_EQ(Solar(), (YMD{2011, 12, 32}));
    EXPECT_TRUE(Edit(1)->text().isEmpty());
}

// ---- Lunar stepping -------------------------------------------------------------
// 2020 has a leap fourth month: ordinary 4 has 30 days, leap 4 has 29.

struct LunarCase {
    const char* what;
    YMD from;
    bool fromLeap;
    Box field;
    Direction direction;
    YMD to;
    bool toLeap;
    YMD gregorian;   // the day the panel converts to
};

const LunarCase LunarCases[] = {
    {"month up from 4 enters leap 4", {2020, 4, 10}, false, Month, Up, {2020, 4, 10}, true, {2020, 6, 1}},
    {"month up from leap 4 goes to 5", {2020, 4, 10}, true, Month, Up, {2020, 5, 10}, false, {2020, 6, 30}},
    {"month down from 5 enters leap 4", {2020, 5, 10}, false, Month, Down, {2020, 4, 10}, true, {2020, 6, 1}},
    {"month down from leap 4 goes to 4", {2020, 4, 10}, true, Month, Down, {2020, 4, 10}, false, {2020, 5, 2}},
    {"day up from the last day of 4", {2020, 4, 30}, false, Day, Up, {2020, 4, 1}, true, {2020, 5, 23}},
    {"day down from 5-1 to the last of leap 4", {2020, 5, 1}, false, Day, Down, {2020, 4, 29}, true, {2020, 6, 20}},
    {"day up from the last day of leap 4", {2020, 4, 29}, true, Day, Up, {2020, 5, 1}, false, {2020, 6, 21}},
    {"day 30 clamps in the shorter leap twin", {2020, 4, 30}, false, Month, Up, {2020, 4, 29}, true, {2020, 6, 20}},
    {"2001 leap 4 likewise", {2001, 4, 5}, false, Month, Up, {2001, 4, 5}, true, {2001, 5, 27}},
    {"month up from 12 wraps to the next year", {2020, 12, 5}, false, Month, Up, {2021, 1, 5}, false, {2021, 2, 16}},
    {"month down from 1 wraps to an ordinary 12", {2021, 1, 5}, false, Month, Down, {2020, 12, 5}, false, {2021, 1, 17}},
    {"day down from 1-1 to the last day of 12", {2021, 1, 1}, false, Day, Down, {2020, 12, 30}, false, {2021, 2, 11}},
    {"leap flag kept across a year step", {2020, 4, 10}, true, Year, Up, {2021, 4, 10}, true, {2021, 5, 21}},
    {"month down from 1 of 1900 stays in 1900", {1900, 1, 5}, false, Month, Down, {1900, 12, 5}, false, {1901, 1, 24}},
    {"month up into 2056's last month", {2056, 11, 5}, false, Month, Up, {2056, 12, 5}, false, {2057, 1, 9}},
};

TEST_F(ConverterPanelTest, LunarButtonsWalkThroughLeapMonths)
{
    for (const LunarCase& c : LunarCases) {
        SCOPED_TRACE(c.what);
        window = std::make_unique<TFrmMainT>();
        window->show();
        HoldLunar(c.from, c.fromLeap);
        Press(LunarBox(c.field), c.direction);
        EXPECT_EQ(Lunar(), c.to);
        EXPECT_EQ(CheckBox(1)->isChecked(), c.toLeap);
        EXPECT_EQ(window->TransDate2().LunarDate().FlagLeapMonth(), c.toLeap);
        EXPECT_EQ(CheckBox(1)->palette().color(QPalette::WindowText), c.toLeap ? Red : Maroon);
        EXPECT_EQ(window->TransDate2().Date(), EncodeDate(c.gregorian.y, c.gregorian.m, c.gregorian.d));
        EXPECT_EQ(Status(), TFrmMainT::ReadyStatus);
    }
}

TEST_F(ConverterPanelTest, TheLeapFlagKeptAcrossAYearStepClearsAtTheNextMonthStep)
{
    HoldLunar({2020, 4, 10}, true);
    ClickUp(LunarBox(Year));
    ASSERT_TRUE(CheckBox(1)->isChecked());
    ClickUp(LunarBox(Month));
    EXPECT_EQ(Lunar(), (YMD{2021, 5, 10}));
    EXPECT_FALSE(CheckBox(1)->isChecked());
}

TEST_F(ConverterPanelTest, LunarYearButtonsStopAtTheEndsSilently)
{
    for (const auto& [from, direction] : {std::pair{YMD{2056, 3, 3}, Up}, std::pair{YMD{1900, 3, 3}, Down}}) {
        window = std::make_unique<TFrmMainT>();
        window->show();
        HoldLunar(from, false);
        const TDateTime held = window->TransDate2().Date();
        Press(LunarBox(Year), direction);
        EXPECT_EQ(Lunar(), from);
        EXPECT_EQ(window->TransDate2().Date(), held);
        EXPECT_TRUE(Edit(3)->text().isEmpty()) << "nothing converts";
        EXPECT_EQ(Status(), TFrmMainT::ReadyStatus);
    }
}

TEST_F(ConverterPanelTest, LunarStepsPastLunar2056AreRefused)
{
    const struct {
        YMD from;
        Box field;
    } cases[] = {{{2056, 12, 5}, Month}, {{2056, 12, 30}, Day}};
    for (const auto& c : cases) {
        window = std::make_unique<TFrmMainT>();
        window->show();
        HoldLunar(c.from, false);
        const TDateTime held = window->TransDate2().Date();
        Press(LunarBox(c.field), Up);
        EXPECT_EQ(Lunar(), c.from);
        EXPECT_EQ(window->TransDate2().Date(), held);
        EXPECT_TRUE(Edit(3)->text().isEmpty());
        EXPECT_EQ(Status(), QStringLiteral("超出查询范围(1900-2056)"));
    }
}

TEST_F(ConverterPanelTest, TheFirstLunarPressDecidesOnTheStoredLunarDay)
{
    // At start the boxes read 2011-1-1 while the converter holds 2010-12-9.
    ClickDown(LunarBox(Month));
    EXPECT_EQ(Lunar(), (YMD{2010, 12, 1}));
    EXPECT_FALSE(CheckBox(1)->isChecked());
    EXPECT_EQ(window->TransDate2().Date(), EncodeDate(2011, 1, 4));
}

TEST_F(ConverterPanelTest, CheckBox1OnlyShowsTheFlag)
{
    ShowLunarDay({2020, 4, 10}, false);
    const QString shown = Edit(3)->text();
    QTest::mouseClick(CheckBox(1), Qt::LeftButton);
    EXPECT_TRUE(CheckBox(1)->isChecked());
    EXPECT_FALSE(window->TransDate2().LunarDate().FlagLeapMonth());
    EXPECT_EQ(Edit(3)->text(), shown);
    ClickUp(LunarBox(Day));
    ClickDown(LunarBox(Day));
    EXPECT_EQ(Edit(3)->text(), shown);
}

// ---- Texts ------------------------------------------------------------------------

TEST_F(ConverterPanelTest, GregorianPanelTextsAgreeWithQhcal)
{
    const YMD days[] = {{2011, 1, 12}, {2020, 5, 23}, {2020, 6, 21}, {2024, 3, 31}, {2024, 2, 10}, {1900, 1, 2}};
    for (const YMD& day : days) {
        SCOPED_TRACE(::testing::Message() << day);
        ShowSolarDay(day);
        const Qhcal q = AskQhcal(QStringLiteral("%1-%2-%3").arg(day.y).arg(day.m).arg(day.d));
        EXPECT_EQ(Edit(1)->text(), Answer(q, "lunar_text") + QLatin1Char(' ') + q.weekday);
        ExpectDayTexts({6, 2, 4, 5, 11, 12}, q);
    }
}

TEST_F(ConverterPanelTest, LunarPanelTextsAgreeWithQhcal)
{
    const struct {
        YMD lunar;
        bool leap;
        const char* gregorian;
    } days[] = {
        {{2010, 12, 9}, false, "2011-01-12"},
        {{2020, 4, 1}, true, "2020-05-23"},
        {{2024, 2, 22}, false, "2024-03-31"},
        {{2024, 1, 15}, false, "2024-02-24"},
        {{2056, 12, 30}, false, "2057-02-03"},
    };
    for (const auto& day : days) {
        SCOPED_TRACE(day.gregorian);
        ShowLunarDay(day.lunar, day.leap);
        const Qhcal q = AskQhcal(QString::fromLatin1(day.gregorian));
        EXPECT_EQ(Edit(3)->text(), q.gregorian);
        ExpectDayTexts({10, 7, 8, 9, 13, 14}, q);
    }
}

TEST_F(ConverterPanelTest, EasterAndTheThanksgivingsShowInRed)
{
    const struct {
        YMD day;
        bool red;
    } cases[] = {
        {{2024, 3, 31}, true},   // Easter
        {{2024, 11, 28}, true},  // Thanksgiving, United States
        {{2024, 10, 14}, true},  // Thanksgiving, Canada
        {{2024, 10, 1}, false},  // another feast
        {{2024, 10, 3}, false},  // none
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.day);
        ShowSolarDay(c.day);
        EXPECT_EQ(Edit(11)->palette().color(QPalette::Text), c.red ? Red : Maroon);
    }
    // The lunar panel by the same rule: lunar 2024-2-22 is Easter Sunday.
    ShowLunarDay({2024, 2, 22}, false);
    EXPECT_EQ(Edit(13)->palette().color(QPalette::Text), Red);
    ShowLunarDay({2024, 2, 23}, false);
    EXPECT_EQ(Edit(13)->palette().color(QPalette::Text), Maroon);
}

TEST_F(ConverterPanelTest, CheckBox2SwitchesTheReckoningAndFillsBothPanels)
{
    // 2024-02-05 lies after 立春 but before the lunar new year.
    SetSolar({2024, 2, 5});
    HoldLunar({2023, 12, 26}, false);
    QTest::mouseClick(CheckBox(2), Qt::LeftButton);
    EXPECT_EQ(CheckBox(2)->text(), QStringLiteral("干支历以节气为基准"));
    const Qhcal solar = AskQhcal(QStringLiteral("2024-02-05"), true);
    const QString bySolarTerms = SexagenaryAnswer(solar);
    EXPECT_EQ(Edit(2)->text(), bySolarTerms);
    EXPECT_EQ(Edit(7)->text(), bySolarTerms);
    EXPECT_FALSE(Edit(1)->text().isEmpty());
    EXPECT_FALSE(Edit(3)->text().isEmpty());

    QTest::mouseClick(CheckBox(2), Qt::LeftButton);
    EXPECT_EQ(CheckBox(2)->text(), QStringLiteral("干支历以农历年月为基准"));
    const Qhcal lunar = AskQhcal(QStringLiteral("2024-02-05"));
    const QString byLunar = SexagenaryAnswer(lunar);
    EXPECT_NE(byLunar, bySolarTerms);
    EXPECT_EQ(Edit(2)->text(), byLunar);
    EXPECT_EQ(Edit(7)->text(), byLunar);
}

TEST_F(ConverterPanelTest, CheckBox2OnADayThatDoesNotExistReportsAndLeavesTheLunarPanel)
{
    TypeInto(SolarBox(Day), QStringLiteral("31"));
    SolarBox(Month)->SetValue(4);
    QTest::mouseClick(CheckBox(2), Qt::LeftButton);
    ASSERT_EQ(messages.entries.size(), 1);
    EXPECT_EQ(messages.entries[0].text, QStringLiteral("Invalid argument to date encode"));
    EXPECT_TRUE(Edit(1)->text().isEmpty());
    EXPECT_TRUE(Edit(3)->text().isEmpty());
    // Both converters switched all the same.
    EXPECT_TRUE(window->TransDate1().BookOfChanges());
    EXPECT_TRUE(window->TransDate2().BookOfChanges());
}

} // namespace
} // namespace qh
