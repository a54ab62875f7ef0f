#include "ADOQuery.h"

#include "DbError.h"
#include "UGlobal.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>
#include <QRegularExpression>
#include <QSqlRecord>
#include <algorithm>
#include <numeric>
#include <optional>

namespace qh {
namespace {

bool IsEmptyValue(const QVariant& value)
{
    return value.isNull() || (value.typeId() == QMetaType::QString && value.toString().isEmpty());
}

bool IsNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

// Names in Chinese dictionary order (pinyin), numbers inside texts by
// value, so that "1985-8-08" comes before "1985-10-01".
const QCollator& ListCollator()
{
    static const QCollator collator = [] {
        QCollator c(QLocale(QLocale::Chinese, QLocale::China));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(true);
        return c;
    }();
    return collator;
}

} // namespace

QSqlDatabase OpenADOCon(const QString& connectionName)
{
    QSqlDatabase db = QSqlDatabase::database(connectionName, false);
    if (!db.isValid() || !db.isOpen())
        throw TStoreError(QStringLiteral("没有连接到数据库文件 qh.dll，无法读写生日数据。"));
    return db;
}

TADOQuery::TADOQuery(QObject* parent, const QString& connectionName)
    : QObject(parent), FConnectionName(connectionName)
{
}

void TADOQuery::SetSQL(const QString& text)
{
    Close();
    FSQL = text;
    FParams.clear();
}

void TADOQuery::SetParam(const QString& name, const QVariant& value)
{
    const QString key = name.startsWith(u':') ? name : QStringLiteral(":") + name;
    for (auto& param : FParams) {
        if (param.first == key) {
            param.second = value;
            return;
        }
    }
    FParams.append({key, value});
}

void TADOQuery::SetFieldNames(const QStringList& names)
{
    FKeptFields = names;
}

QSqlQuery TADOQuery::Run() const
{
    QSqlQuery query(OpenADOCon(FConnectionName));
    query.setForwardOnly(true);
    if (!query.prepare(FSQL))
        ThrowSqlError(QStringLiteral("执行数据库语句"), query.lastError());
    for (const auto& [name, value] : FParams)
        query.bindValue(name, value);
    if (!query.exec())
        ThrowSqlError(QStringLiteral("执行数据库语句"), query.lastError());
    return query;
}

void TADOQuery::Open()
{
    if (FActive)
        return;
    QSqlQuery query = Run();
    const QSqlRecord record = query.record();

    QStringList names;
    QVector<int> columns;
    if (FKeptFields.isEmpty()) {
        for (int i = 0; i < record.count(); ++i) {
            names.append(record.fieldName(i));
            columns.append(i);
        }
    } else {
        for (const QString& name : FKeptFields) {
            const int column = record.indexOf(name);
            if (column >= 0) {
                names.append(name);
                columns.append(column);
            }
        }
    }

    QVector<QVector<QVariant>> rows;
    while (query.next()) {
        QVector<QVariant> row;
        row.reserve(columns.size());
        for (int column : columns)
            row.append(query.value(column));
        rows.append(std::move(row));
    }
    if (query.lastError().isValid())
        ThrowSqlError(QStringLiteral("读取数据库"), query.lastError());

    FFields = names;
    FRows = std::move(rows);
    FOrder.resize(FRows.size());
    std::iota(FOrder.begin(), FOrder.end(), 0);
    FSort.clear();
    FActive = true;
    FRecNo = FRows.isEmpty() ? -1 : 0;
    emit Changed();
    emit RecNoChanged(FRecNo);
}

void TADOQuery::Requery()
{
    Close();
    Open();
}

void TADOQuery::Close()
{
    if (!FActive)
        return;
    FActive = false;
    FRows.clear();
    FOrder.clear();
    FSort.clear();
    FRecNo = -1;
    emit Changed();
    emit RecNoChanged(FRecNo);
}

int TADOQuery::ExecSQL()
{
    QSqlQuery query = Run();
    const int changed = query.numRowsAffected();
    query.finish();
    return changed;
}

int TADOQuery::FieldIndex(const QString& name) const
{
    for (int i = 0; i < FFields.size(); ++i)
        if (FFields[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant TADOQuery::Value(int row, int field) const
{
    if (row < 0 || row >= FOrder.size() || field < 0 || field >= FFields.size())
        return {};
    return FRows[FOrder[row]][field];
}

void TADOQuery::SetRecNo(int row)
{
    if (FOrder.isEmpty())
        row = -1;
    else
        row = std::clamp(row, 0, int(FOrder.size()) - 1);
    if (row == FRecNo)
        return;
    FRecNo = row;
    emit RecNoChanged(FRecNo);
}

QVariant TADOQuery::FieldValue(const QString& name) const
{
    return Value(FRecNo, FieldIndex(name));
}

QString TADOQuery::FieldAsString(const QString& name) const
{
    const QVariant value = FieldValue(name);
    return value.isNull() ? QString() : value.toString();
}

QByteArray TADOQuery::FieldAsBytes(const QString& name) const
{
    const QVariant value = FieldValue(name);
    return value.isNull() ? QByteArray() : value.toByteArray();
}

bool TADOQuery::SetSort(const QString& sortText)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\S+)\\s+(ASC|DESC)\\s*$"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (!sortText.trimmed().isEmpty()) {
        const QRegularExpressionMatch match = pattern.match(sortText);
        if (!match.hasMatch() || FieldIndex(match.captured(1)) < 0)
            return false;
    }
    FSort = sortText.trimmed();
    ApplySort();
    return true;
}

void TADOQuery::ApplySort()
{
    const int current = FRecNo >= 0 ? FOrder[FRecNo] : -1;
    std::iota(FOrder.begin(), FOrder.end(), 0);

    if (!FSort.isEmpty() && !FRows.isEmpty()) {
        const QStringList parts = FSort.split(u' ', Qt::SkipEmptyParts);
        const int field = FieldIndex(parts.first());
        const bool descending = parts.last().compare(QStringLiteral("DESC"), Qt::CaseInsensitive) == 0;

        // Sort keys are made once per row: comparing them is far cheaper
        // than collating the texts again for every comparison.
        QVector<std::optional<QCollatorSortKey>> keys(FRows.size());
        for (int i = 0; i < FRows.size(); ++i) {
            const QVariant& value = FRows[i][field];
            if (!IsEmptyValue(value) && !IsNumber(value))
                keys[i] = ListCollator().sortKey(value.toString());
        }
        auto rank = [](const QVariant& v) { return IsEmptyValue(v) ? 0 : IsNumber(v) ? 1 : 2; };
        auto less = [&](int a, int b) {
            const QVariant& x = FRows[a][field];
            const QVariant& y = FRows[b][field];
            const int rx = rank(x), ry = rank(y);
            if (rx != ry)
                return rx < ry;
            if (rx == 1)
                return x.toDouble() < y.toDouble();
            if (rx == 2)
                return keys[a]->compare(*keys[b]) < 0;
            return false;
        };
        if (descending)
            std::stable_sort(FOrder.begin(), FOrder.end(), [&](int a, int b) { return less(b, a); });
        else
            std::stable_sort(FOrder.begin(), FOrder.end(), less);
    }

    FRecNo = current < 0 ? -1 : int(std::find(FOrder.begin(), FOrder.end(), current) - FOrder.begin());
    emit Changed();
    emit RecNoChanged(FRecNo);
}

TTransaction::TTransaction(const QString& connectionName)
    : FConnectionName(connectionName)
{
    QSqlQuery query(OpenADOCon(FConnectionName));
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        ThrowSqlError(QStringLiteral("开始写入数据库"), query.lastError());
    FOpen = true;
}

TTransaction::~TTransaction()
{
    if (!FOpen)
        return;
    QSqlDatabase db = QSqlDatabase::database(FConnectionName, false);
    if (db.isOpen())
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
}

void TTransaction::Commit()
{
    QSqlQuery query(OpenADOCon(FConnectionName));
    if (!query.exec(QStringLiteral("COMMIT")))
        ThrowSqlError(QStringLiteral("写入数据库"), query.lastError());
    FOpen = false;
}

} // namespace qh
