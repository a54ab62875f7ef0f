#include "BirthdayRegistration.h"
#include "Clock.h"
#include "QtPrinters.h"
#include "TestDatabase.h"
#include "UGlobal.h"

#include <QFile>

#include <gtest/gtest.h>

namespace qh {
namespace {

using test::TestDatabase;

struct Row {
    const char* date;
    int age;
    int year;
    const char* weekday;
};

struct WorkedExample {
    const char* title;
    CivilDate today;
    const char* birthday;
    const char* yearCount;
    const char* stored;     // BNbirthday
    std::vector<Row> rows;  // in the order they are inserted: latest first
};

void PrintTo(const WorkedExample& example, std::ostream* os)
{
    *os << example.title;
}

class WorkedExamples : public testing::TestWithParam<WorkedExample> {};

// The person and every occurrence, read back from the database file.
TEST_P(WorkedExamples, StoreThePersonAndEveryOccurrence)
{
    const WorkedExample& example = GetParam();
    TestDatabase database;
    PinnedToday today(example.today);
    const QString name = QStringLiteral("张三");

    ASSERT_EQ(RegisterBirthday({name, QString::fromUtf8(example.birthday),
                               QString::fromUtf8(example.yearCount), {}},
                              database.connection()),
              std::nullopt);

    const auto persons = database.Persons();
    ASSERT_EQ(persons.size(), 1u);
    EXPECT_EQ(persons[0].name, name);
    EXPECT_EQ(persons[0].birthday, QString::fromUtf8(example.stored));
    EXPECT_TRUE(persons[0].picture.isNull());

    const auto rows = database.Occurrences();
    ASSERT_EQ(rows.size(), example.rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(example.rows[i].date);
        EXPECT_EQ(rows[i].name, name);
        EXPECT_EQ(rows[i].date, QString::fromUtf8(example.rows[i].date));
        EXPECT_EQ(rows[i].date.size(), 11);
        EXPECT_EQ(rows[i].age, example.rows[i].age);
        EXPECT_EQ(rows[i].year, example.rows[i].year);
        EXPECT_EQ(rows[i].weekday, QString::fromUtf8(example.rows[i].weekday));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WorkedExamples,
    testing::Values(
        // Span 2010-01-03 to 2021-12-31; lunar 2021 lies inside the table.
        WorkedExample{"eighth of the eighth month, ten years from 2010",
                      {2010, 6, 1},
                      "1985-08-08",
                      "10",
                      "1985-8-08",
                      {{"2021-09-14 ", 36, 2021, "星期二"}, {"2020-09-24 ", 35, 2020, "星期四"},
                       {"2019-09-06 ", 34, 2019, "星期五"}, {"2018-09-17 ", 33, 2018, "星期一"},
                       {"2017-09-27 ", 32, 2017, "星期三"}, {"2016-09-08 ", 31, 2016, "星期四"},
                       {"2015-09-20 ", 30, 2015, "星期天"}, {"2014-09-01 ", 29, 2014, "星期一"},
                       {"2013-09-12 ", 28, 2013, "星期四"}, {"2012-09-23 ", 27, 2012, "星期天"},
                       {"2011-09-05 ", 26, 2011, "星期一"}, {"2010-09-15 ", 25, 2010, "星期三"}}},
        // 2017 repeats its sixth month.
        WorkedExample{"repeated sixth month",
                      {2015, 3, 1},
                      "1990-06-10",
                      "2",
                      "1990-6-10",
                      {{"2018-07-22 ", 28, 2018, "星期天"}, {"2017-08-01 ", 27, 2017, "星期二"},
                       {"2017-07-03 ", 27, 2017, "星期一"}, {"2016-07-13 ", 26, 2016, "星期三"},
                       {"2015-07-25 ", 25, 2015, "星期六"}}},
        // Only 2012 and 2014 give the fourth month 30 days.
        WorkedExample{"thirtieth of the fourth month",
                      {2012, 12, 31},
                      "1980-04-30",
                      "3",
                      "1980-4-30",
                      {{"2014-05-28 ", 34, 2014, "星期三"}, {"2012-05-20 ", 32, 2012, "星期天"}}},
        // The twelfth month falls in the next January; ages count Gregorian
        // years.
        WorkedExample{"twelfth month in January",
                      {2010, 1, 1},
                      "1970-12-20",
                      "1",
                      "1970-12-20",
                      {{"2012-01-13 ", 42, 2012, "星期五"}, {"2011-01-23 ", 41, 2011, "星期天"},
                       {"2010-02-03 ", 40, 2010, "星期三"}}},
        // -2: December 31 of the previous year alone (lunar 2009-11-16).
        WorkedExample{"count -2",
                      {2010, 5, 5},
                      "2001-11-16",
                      "-2",
                      "2001-11-16",
                      {{"2009-12-31 ", 8, 2009, "星期四"}}},
        // Below -2 the span is empty: the person alone is stored.
        WorkedExample{"count -3", {2010, 5, 5}, "2001-11-16", "-3", "2001-11-16", {}},
        // A span lying wholly after the table stores the person alone.
        WorkedExample{"span after the table", {2060, 5, 5}, "2001-11-16", "3", "2001-11-16", {}}));

// A failure in the middle of a save leaves nothing of it, and the same
// person can be saved once the fault is gone.
TEST(Registration, FailureMidwayLeavesNothing)
{
    TestDatabase database;
    PinnedToday today({2010, 6, 1});
    database.Execute(QStringLiteral(
        "create trigger fail_midway after insert on tbl_glbirthday"
        " when (select count(*) from tbl_glbirthday) >= 4"
        " begin select raise(abort, 'disk full'); end"));
    const BirthdayEntries entries{QStringLiteral("张三"), QStringLiteral("1985-08-08"),
                                  QStringLiteral("10"), {}};

    try {
        RegisterBirthday(entries, database.connection());
        FAIL() << "the save should have failed";
    } catch (const TStoreError& error) {
        EXPECT_TRUE(error.Text().contains(QStringLiteral("disk full"))) << error.what();
    }
    EXPECT_TRUE(database.Persons().empty());
    EXPECT_TRUE(database.Occurrences().empty());

    database.Execute(QStringLiteral("drop trigger fail_midway"));
    EXPECT_EQ(RegisterBirthday(entries, database.connection()), std::nullopt);
    EXPECT_EQ(database.Persons().size(), 1u);
    EXPECT_EQ(database.Occurrences().size(), 12u);
}

TEST(Registration, StoresThePictureBytesAsReadAtSaving)
{
    TestDatabase database;
    PinnedToday today({2010, 6, 1});
    const QString path = database.folder() + QStringLiteral("/照片.gif");
    const QByteArray bytes("GIF89a\x01\x00\x01\x00\x00\xff\x00,", 16);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    ASSERT_EQ(RegisterBirthday({QStringLiteral("李四"), QStringLiteral("1985-08-08"),
                                QStringLiteral("1"), path},
                               database.connection()),
              std::nullopt);
    const auto persons = database.Persons();
    ASSERT_EQ(persons.size(), 1u);
    EXPECT_EQ(persons[0].picture.toByteArray(), bytes);
}

TEST(Registration, PictureGoneAtSavingLeavesNothing)
{
    TestDatabase database;
    PinnedToday today({2010, 6, 1});
    const QString path = database.folder() + QStringLiteral("/gone.jpg");

    EXPECT_THROW(RegisterBirthday({QStringLiteral("李四"), QStringLiteral("1985-08-08"),
                                   QStringLiteral("10"), path},
                                  database.connection()),
                 TStoreError);
    EXPECT_TRUE(database.Persons().empty());
    EXPECT_TRUE(database.Occurrences().empty());
}

} // namespace
} // namespace qh
