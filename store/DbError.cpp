#include "DbError.h"

#include "UGlobal.h"

namespace qh {
namespace {

// SQLite's primary result codes; extended codes carry them in the low byte.
enum SqliteCode {
    Busy = 5,
    Locked = 6,
    NoMemory = 7,
    ReadOnly = 8,
    IoError = 10,
    Corrupt = 11,
    Full = 13,
    CantOpen = 14,
    Constraint = 19,
    NotADatabase = 26,
};

QString PlainWords(const QSqlError& error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    switch (ok ? code : -1) {
    case Busy:
    case Locked:
        return QStringLiteral("数据库文件正被另一个程序使用，等待后仍未能访问，请稍后再试");
    case NoMemory: return QStringLiteral("内存不足");
    case ReadOnly: return QStringLiteral("数据库文件是只读的，无法写入");
    case IoError: return QStringLiteral("读写数据库文件时出错");
    case Corrupt: return QStringLiteral("数据库文件已损坏");
    case Full: return QStringLiteral("磁盘已满，无法写入数据库文件");
    case CantOpen: return QStringLiteral("无法打开数据库文件");
    case Constraint: return QStringLiteral("数据不符合数据表的要求");
    case NotADatabase: return QStringLiteral("该文件不是本程序的数据库文件");
    default: return QStringLiteral("数据库出错");
    }
}

} // namespace

QString ExplainSqlError(const QSqlError& error)
{
    QString engine = error.databaseText();
    if (engine.isEmpty())
        engine = error.driverText();
    QString text = PlainWords(error);
    if (!engine.isEmpty())
        text += QStringLiteral("（") + engine + QStringLiteral("）");
    return text;
}

QString DescribeSqlError(const QString& action, const QSqlError& error)
{
    return action + QStringLiteral("失败：") + ExplainSqlError(error);
}

void ThrowSqlError(const QString& action, const QSqlError& error)
{
    throw TStoreError(DescribeSqlError(action, error));
}

} // namespace qh
