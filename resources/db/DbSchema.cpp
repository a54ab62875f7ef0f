#include "DbSchema.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace qh {
namespace {

bool Fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

// Runs the schema on a fresh file; the connection is removed before return.
bool WriteSchema(const QString& path, QString* error)
{
    const QString name = QStringLiteral("qh-schema-") + QUuid::createUuid().toString(QUuid::Id128);
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) {
            ok = Fail(error, db.lastError().text());
        } else {
            QSqlQuery query(db);
            ok = db.transaction();
            for (const QString& statement : DatabaseSchemaStatements()) {
                if (!ok)
                    break;
                if (!query.exec(statement))
                    ok = Fail(error, query.lastError().text() + QStringLiteral(": ") + statement);
            }
            ok = ok && db.commit();
            if (!ok && error && error->isEmpty())
                *error = db.lastError().text();
            query.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

} // namespace

QStringList DatabaseSchemaStatements()
{
    QString text = DatabaseSchema();
    text.remove(QRegularExpression(QStringLiteral("--[^\n]*")));
    QStringList statements;
    for (const QString& part : text.split(QLatin1Char(';'))) {
        const QString statement = part.trimmed();
        if (!statement.isEmpty())
            statements.append(statement);
    }
    return statements;
}

bool CreateDatabaseFile(const QString& path, QString* error)
{
    if (QFileInfo::exists(path))
        return Fail(error, QStringLiteral("文件已存在：") + path);

    // Built under another name and moved into place, so that the file
    // appears whole or not at all.
    const QString building = path + QStringLiteral(".building");
    QFile::remove(building);
    if (!WriteSchema(building, error)) {
        QFile::remove(building);
        return false;
    }
    if (!QFile::rename(building, path)) {
        QFile::remove(building);
        return Fail(error, QStringLiteral("无法创建文件：") + path);
    }
    return true;
}

} // namespace qh
