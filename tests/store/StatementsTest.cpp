// The statements on the birthday register, run on a real file, and the
// in-memory snapshot they are read into.

#include "ADOQuery.h"
#include "MessageText.h"
#include "StartedRegister.h"
#include "Statements.h"
#include "UGlobal.h"

#include <QSqlQuery>
#include <memory>

namespace qh {
namespace {

using test::StartedRegister;

QStringList Column(const TADOQuery& query, const QString& field)
{
    QStringList values;
    for (int row = 0; row < query.RecordCount(); ++row)
        values.append(query.Value(row, query.FieldIndex(field)).toString());
    return values;
}

class Statements : public StartedRegister {
protected:
    std::unique_ptr<TADOQuery> Run(const QString& statement, const QVariant& p = {})
    {
        auto query = std::make_unique<TADOQuery>();
        query->SetSQL(statement);
        if (p.isValid())
            query->SetParam(QStringLiteral("p"), p);
        query->Open();
        return query;
    }
    // Inserts the rows of a person's birthdays latest first, as they are
    // generated.
    void AddBirthdays(const QString& name, std::initializer_list<int> yearsLatestFirst)
    {
        for (int year : yearsLatestFirst)
            Register.AddBirthday(name, QStringLiteral("%1-02-03 ").arg(year), year - 1980, year,
                                 QStringLiteral("星期一"));
    }
};

TEST_F(Statements, AllPersonsKeepOnlyTheListedFields)
{
    Register.AddPerson(QStringLiteral("李雷"), QStringLiteral("1985-8-08"), test::PictureBytes("PNG"));
    Register.AddPerson(QStringLiteral("韩梅梅"), QStringLiteral("1986-12-05"));
    TADOQuery query;
    query.SetSQL(qh::Statements::AllPersons);
    query.SetFieldNames({QStringLiteral("KeyID"), QStringLiteral("Buser"), QStringLiteral("BNbirthday")});
    query.Open();
    EXPECT_EQ(query.FieldNames(), (QStringList{"KeyID", "Buser", "BNbirthday"}));
    EXPECT_EQ(Column(query, "buser"), (QStringList{"李雷", "韩梅梅"}));
    EXPECT_EQ(Column(query, "bnbirthday"), (QStringList{"1985-8-08", "1986-12-05"}));
    EXPECT_EQ(query.FieldAsString("pic"), QString());
}

TEST_F(Statements, BirthdaysOfYearFindsTheNumericYearBoundAsText)
{
    AddBirthdays(QStringLiteral("李雷"), {2027, 2026, 2025});
    AddBirthdays(QStringLiteral("韩梅梅"), {2026});
    const auto query = Run(qh::Statements::BirthdaysOfYear, QStringLiteral("2026"));
    EXPECT_EQ(Column(*query, "Buser"), (QStringList{"李雷", "韩梅梅"}));
    EXPECT_EQ(Column(*query, "BGbirthday"), (QStringList{"2026-02-03 ", "2026-02-03 "}));
    EXPECT_EQ(Run(qh::Statements::BirthdaysOfYear, QStringLiteral("2030"))->RecordCount(), 0);
}

TEST_F(Statements, BirthdaysOfPersonComeEarliestFirstWhateverTheLetterCase)
{
    AddBirthdays(QStringLiteral("Li Lei"), {2028, 2027, 2026});
    AddBirthdays(QStringLiteral("Han Meimei"), {2026});
    const auto query = Run(qh::Statements::BirthdaysOfPerson, QStringLiteral("li lei"));
    EXPECT_EQ(Column(*query, "BGbirthday"), (QStringList{"2026-02-03 ", "2027-02-03 ", "2028-02-03 "}));
    EXPECT_EQ(Column(*query, "NL"), (QStringList{"46", "47", "48"}));
    EXPECT_EQ(Column(*query, "xq"), (QStringList{"星期一", "星期一", "星期一"}));
}

TEST_F(Statements, PersonRowCarriesThePictureBytesOrNothing)
{
    const QByteArray picture = test::PictureBytes("JPG");
    Register.AddPerson(QStringLiteral("李雷"), QStringLiteral("1985-8-08"), picture);
    Register.AddPerson(QStringLiteral("韩梅梅"), QStringLiteral("1986-12-05"));
    EXPECT_EQ(Run(qh::Statements::PersonRow, QStringLiteral("李雷"))->FieldAsBytes("PIC"), picture);
    EXPECT_TRUE(Run(qh::Statements::PersonRow, QStringLiteral("韩梅梅"))->FieldAsBytes("pic").isEmpty());
    EXPECT_EQ(Run(qh::Statements::PersonRow, QStringLiteral("韩梅梅"))->FieldAsString("pic"), QString());
    EXPECT_EQ(Run(qh::Statements::PersonRow, QStringLiteral("nobody"))->RecordCount(), 0);
}

TEST_F(Statements, DeleteStatementsRemoveThePersonFromBothTablesWhateverTheLetterCase)
{
    Register.AddPerson(QStringLiteral("Li Lei"), QStringLiteral("1985-8-08"));
    Register.AddPerson(QStringLiteral("Han Meimei"), QStringLiteral("1986-12-05"));
    AddBirthdays(QStringLiteral("Li Lei"), {2027, 2026});
    AddBirthdays(QStringLiteral("Han Meimei"), {2026});
    for (const QString& statement : {qh::Statements::DeletePerson, qh::Statements::DeleteBirthdaysOfPerson}) {
        TADOQuery query;
        query.SetSQL(statement);
        query.SetParam(QStringLiteral(":p"), QStringLiteral("LI LEI"));
        query.ExecSQL();
    }
    EXPECT_EQ(Register.Count("tbl_nlbirthday", "Li Lei"), 0);
    EXPECT_EQ(Register.Count("tbl_glbirthday", "Li Lei"), 0);
    EXPECT_EQ(Register.Count("tbl_nlbirthday"), 1);
    EXPECT_EQ(Register.Count("tbl_glbirthday"), 1);
}

TEST_F(Statements, FindPersonFindsTheNameInAnyLetterCase)
{
    Register.AddPerson(QStringLiteral("Li Lei"), QStringLiteral("1985-8-08"));
    EXPECT_EQ(Run(qh::Statements::FindPerson, QStringLiteral("li lei"))->RecordCount(), 1);
    EXPECT_EQ(Run(qh::Statements::FindPerson, QStringLiteral("Li Le"))->RecordCount(), 0);
}

TEST_F(Statements, InsertBirthdayStoresNumbersAsNumbers)
{
    TADOQuery insert;
    insert.SetSQL(qh::Statements::InsertBirthday);
    insert.SetParam(QStringLiteral("p1"), QStringLiteral("李雷"));
    insert.SetParam(QStringLiteral("p2"), QStringLiteral("2026-09-18 "));
    insert.SetParam(QStringLiteral("p3"), qint32(41));
    insert.SetParam(QStringLiteral("p4"), quint16(2026));
    insert.SetParam(QStringLiteral("p5"), QStringLiteral("星期五"));
    EXPECT_EQ(insert.ExecSQL(), 1);
    const auto query =
        Run(QStringLiteral("select typeof(nl) as a, typeof(nf) as b, bgbirthday, xq from tbl_glbirthday"));
    EXPECT_EQ(query->FieldAsString("a"), QStringLiteral("integer"));
    EXPECT_EQ(query->FieldAsString("b"), QStringLiteral("integer"));
    EXPECT_EQ(query->FieldAsString("BGBIRTHDAY"), QStringLiteral("2026-09-18 "));
    EXPECT_EQ(query->FieldAsString("XQ"), QStringLiteral("星期五"));
    EXPECT_EQ(Run(qh::Statements::BirthdaysOfYear, QStringLiteral("2026"))->RecordCount(), 1);
}

TEST_F(Statements, TheRegisterHoldsOnePersonPerNameWhateverTheLetterCase)
{
    Register.AddPerson(QStringLiteral("Li Lei"), QStringLiteral("1985-8-08"));
    TADOQuery insert;
    insert.SetSQL(QStringLiteral("insert into tbl_nlbirthday(Buser, BNbirthday) values(:p, '1990-1-01')"));
    insert.SetParam(QStringLiteral("p"), QStringLiteral("LI LEI"));
    try {
        insert.ExecSQL();
        ADD_FAILURE() << "a second Li Lei was stored";
    } catch (const TStoreError& error) {
        EXPECT_TRUE(error.Text().startsWith(QStringLiteral("执行数据库语句失败："))) << error.what();
    }
    EXPECT_EQ(Register.Count("tbl_nlbirthday"), 1);
}

TEST_F(Statements, FieldsOfAnEmptyQueryOrMissingFieldsReadEmpty)
{
    const auto query = Run(qh::Statements::BirthdaysOfYear, QStringLiteral("2026"));
    EXPECT_EQ(query->RecNo(), -1);
    EXPECT_EQ(query->FieldAsString("buser"), QString());
    Register.AddPerson(QStringLiteral("李雷"), QStringLiteral("1985-8-08"));
    const auto persons = Run(qh::Statements::AllPersons);
    EXPECT_EQ(persons->FieldAsString("BUSER"), QStringLiteral("李雷"));
    EXPECT_EQ(persons->FieldAsString("no such field"), QString());
}

TEST_F(Statements, QueryIsASnapshotUntilRunAgain)
{
    Register.AddPerson(QStringLiteral("李雷"), QStringLiteral("1985-8-08"));
    auto query = Run(qh::Statements::AllPersons);
    Register.AddPerson(QStringLiteral("韩梅梅"), QStringLiteral("1986-12-05"));
    EXPECT_EQ(query->RecordCount(), 1);
    query->Requery();
    EXPECT_EQ(query->RecordCount(), 2);
}

TEST_F(Statements, SortingReordersInMemoryAndKeepsTheCurrentRecord)
{
    const char* names[] = {"张三", "阿明", "王五", "李四", ""};
    const char* dates[] = {"1985-10-01", "1985-8-08", "1990-1-01", "1985-8-09", "1970-1-01"};
    for (int i = 0; i < 5; ++i)
        Register.AddPerson(QString::fromUtf8(names[i]), QString::fromUtf8(dates[i]));
    auto query = Run(qh::Statements::AllPersons);
    query->SetRecNo(2); // 王五
    struct Case {
        const char* sort;
        QStringList names;
    };
    const Case cases[] = {
        {"Buser ASC", {"", "阿明", "李四", "王五", "张三"}},
        {"buser desc", {"张三", "王五", "李四", "阿明", ""}},
        {"BNbirthday ASC", {"", "阿明", "李四", "张三", "王五"}},
        {"KeyID DESC", {"", "李四", "王五", "阿明", "张三"}},
        {"", {"张三", "阿明", "王五", "李四", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sort);
        EXPECT_TRUE(query->SetSort(QString::fromUtf8(c.sort)));
        EXPECT_EQ(Column(*query, "Buser"), c.names);
        EXPECT_EQ(query->FieldAsString("Buser"), QStringLiteral("王五"));
    }
    for (const char* bad : {"nofield ASC", "Buser UP", "Buser"})
        EXPECT_FALSE(query->SetSort(QString::fromLatin1(bad))) << bad;
    EXPECT_EQ(Column(*query, "Buser"), cases[4].names);
}

TEST(QueryWithoutConnection, FailsWithAClearText)
{
    TADOQuery query;
    query.SetSQL(qh::Statements::AllPersons);
    try {
        query.Open();
        ADD_FAILURE() << "opened without a connection";
    } catch (const TStoreError& error) {
        EXPECT_EQ(error.Text(), QStringLiteral("没有连接到数据库文件 qh.dll，无法读写生日数据。"));
    }
    EXPECT_FALSE(query.Active());
}

} // namespace
} // namespace qh
