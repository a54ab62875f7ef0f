#include "TestDatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <gtest/gtest.h>

namespace qh::test {
namespace {

const char* const Schema[] = {
    "create table tbl_nlbirthday (KeyID integer primary key autoincrement,"
    " Buser varchar(50) not null collate nocase, BNbirthday varchar(50), pic blob)",
    "create table tbl_glbirthday (KeyID integer primary key autoincrement,"
    " Buser varchar(50) collate nocase, BGbirthday varchar(11), NL integer, NF integer,"
    " XQ varchar(3))",
};

} // namespace

TestDatabase::TestDatabase()
    : connection_(QUuid::createUuid().toString())
{
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db_.setDatabaseName(filePath());
    if (!db_.open())
        ADD_FAILURE() << db_.lastError().text().toStdString();
    for (const char* statement : Schema)
        Execute(QString::fromUtf8(statement));
}

TestDatabase::~TestDatabase()
{
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
}

void TestDatabase::Execute(const QString& statement)
{
    QSqlQuery query(db_);
    if (!query.exec(statement))
        ADD_FAILURE() << statement.toStdString() << ": " << query.lastError().text().toStdString();
}

std::vector<PersonRow> TestDatabase::Persons()
{
    std::vector<PersonRow> rows;
    QSqlQuery query(db_);
    query.exec(QStringLiteral("select Buser, BNbirthday, pic from tbl_nlbirthday order by KeyID"));
    while (query.next())
        rows.push_back({query.value(0).toString(), query.value(1).toString(), query.value(2)});
    return rows;
}

std::vector<OccurrenceRow> TestDatabase::Occurrences(const QString& name)
{
    std::vector<OccurrenceRow> rows;
    QSqlQuery query(db_);
    query.prepare(QStringLiteral("select Buser, BGbirthday, NL, NF, XQ from tbl_glbirthday"
                                 " where :all or Buser = :name order by KeyID"));
    query.bindValue(QStringLiteral(":all"), name.isNull());
    query.bindValue(QStringLiteral(":name"), name);
    query.exec();
    while (query.next())
        rows.push_back({query.value(0).toString(), query.value(1).toString(),
                        query.value(2).toInt(), query.value(3).toInt(),
                        query.value(4).toString()});
    return rows;
}

} // namespace qh::test
