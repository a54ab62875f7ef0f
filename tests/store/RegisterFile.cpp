#include "RegisterFile.h"

#include "DbSchema.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>
#include <gtest/gtest.h>
#include <stdexcept>

namespace qh::test {

TRegisterFile::TRegisterFile(bool withDatabase)
{
    if (!FDir.isValid())
        throw std::runtime_error("no temporary folder");
    QString error;
    if (withDatabase && !CreateDatabaseFile(DatabasePath(), &error))
        throw std::runtime_error(error.toStdString());
}

QString TRegisterFile::DatabasePath() const
{
    return FDir.filePath(QStringLiteral("qh.dll"));
}

void TRegisterFile::WriteIni(const QByteArray& text) const
{
    QFile file(FDir.filePath(QStringLiteral("qhconfig.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

void TRegisterFile::WriteDatabaseBytes(const QByteArray& bytes) const
{
    QFile file(DatabasePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

void TRegisterFile::WithConnection(const std::function<void(QSqlDatabase&)>& work) const
{
    static std::atomic<int> serial{0};
    const QString name = QStringLiteral("test-register-%1").arg(++serial);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(DatabasePath());
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open())
            ADD_FAILURE() << db.lastError().text().toStdString();
        else {
            // Filling a test register needs no protection against power loss.
            QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous=OFF"));
            work(db);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

void TRegisterFile::Exec(const QString& statement) const
{
    WithConnection([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        if (!query.exec(statement))
            ADD_FAILURE() << statement.toStdString() << ": " << query.lastError().text().toStdString();
    });
}

void TRegisterFile::AddPerson(const QString& name, const QString& lunarBirthday, const QByteArray& picture) const
{
    WithConnection([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("insert into tbl_nlbirthday(Buser, BNbirthday, pic) values(:n, :b, :p)"));
        query.bindValue(QStringLiteral(":n"), name);
        query.bindValue(QStringLiteral(":b"), lunarBirthday);
        query.bindValue(QStringLiteral(":p"), picture.isNull() ? QVariant(QMetaType::fromType<QByteArray>()) : QVariant(picture));
        if (!query.exec())
            ADD_FAILURE() << query.lastError().text().toStdString();
    });
}

void TRegisterFile::AddBirthday(const QString& name, const QString& date, int age, int year,
                                const QString& weekday) const
{
    WithConnection([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("insert into tbl_glbirthday(buser,bgbirthday,nl,nf,xq) values(:a,:b,:c,:d,:e)"));
        query.bindValue(QStringLiteral(":a"), name);
        query.bindValue(QStringLiteral(":b"), date);
        query.bindValue(QStringLiteral(":c"), age);
        query.bindValue(QStringLiteral(":d"), year);
        query.bindValue(QStringLiteral(":e"), weekday);
        if (!query.exec())
            ADD_FAILURE() << query.lastError().text().toStdString();
    });
}

qlonglong TRegisterFile::Count(const QString& table, const QString& name) const
{
    qlonglong count = -1;
    WithConnection([&](QSqlDatabase& db) {
        QSqlQuery query(db);
        query.prepare(name.isNull() ? QStringLiteral("select count(*) from %1").arg(table)
                                    : QStringLiteral("select count(*) from %1 where Buser=:n").arg(table));
        if (!name.isNull())
            query.bindValue(QStringLiteral(":n"), name);
        if (query.exec() && query.next())
            count = query.value(0).toLongLong();
        else
            ADD_FAILURE() << query.lastError().text().toStdString();
    });
    return count;
}

QByteArray PictureBytes(const char* format, QSize size, QColor colour)
{
    if (qstrcmp(format, "GIF") == 0) {
        // Qt reads GIF but does not write it: a 6 x 4 green GIF made once.
        static const unsigned char gif[] = {
            0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x06, 0x00, 0x04, 0x00, 0xf0, 0x00, 0x00, 0x00, 0xff,
            0x00, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00,
            0x00, 0x00, 0x06, 0x00, 0x04, 0x00, 0x00, 0x02, 0x04, 0x84, 0x8f, 0xa9, 0x57, 0x00, 0x3b};
        return QByteArray(reinterpret_cast<const char*>(gif), sizeof gif);
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        ADD_FAILURE() << "cannot write a " << format << " picture";
    return bytes;
}

} // namespace qh::test
