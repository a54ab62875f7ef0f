#include "TestRegister.h"

#include "DbSchema.h"

#include <QSqlError>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace qh::testing {

TTestRegister::TTestRegister()
{
    QString error;
    EXPECT_TRUE(CreateDatabaseFile(FDir.filePath(QStringLiteral("qh.dll")), &error)) << error.toStdString();
    FDataModule = std::make_unique<TFrmDM>(FDir.path());
    FDataModule->DataModuleCreate();
    EXPECT_TRUE(FDataModule->Connected());
}

void TTestRegister::Exec(const QString& statement)
{
    QSqlQuery query(FDataModule->ADOCon());
    EXPECT_TRUE(query.exec(statement)) << query.lastError().text().toStdString();
}

} // namespace qh::testing
