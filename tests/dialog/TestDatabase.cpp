#include "TestDatabase.h"

#include "DbSchema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <gtest/gtest.h>

namespace qh::test {
TestDatabase::TestDatabase()
    : connection_(QUuid::createUuid().toString())
{
    QString error;
    if (!CreateDatabaseFile(filePath(), &error))
        ADD_FAILURE() << error.toStdString();
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db_.setDatabaseName(filePath());
    if (!db_.open())
        ADD_FAILURE() << db_.lastError().text().toStdString();
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
