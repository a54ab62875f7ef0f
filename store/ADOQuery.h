#pragma once
// A query on the program's one database connection whose result is read
// completely into memory when it is opened: a snapshot that later changes
// in the tables do not touch until the query is run again. Parameters are
// bound by name; fields are found by name without regard to letter case.
// The rows can be reordered in memory by one field; the current row is the
// one the lists' keyboard, clicks and deletes act on.

#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <utility>

namespace qh {

// The name of the one connection (`ADOCon`).
inline const QString ADOConName = QStringLiteral("ADOCon");

// The open connection; throws TStoreError when start-up did not attach it.
QSqlDatabase OpenADOCon(const QString& connectionName = ADOConName);

class TADOQuery : public QObject {
    Q_OBJECT
public:
    explicit TADOQuery(QObject* parent = nullptr, const QString& connectionName = ADOConName);

    // Replaces the statement; closes the query and forgets the parameters.
    void SetSQL(const QString& text);
    QString SQL() const { return FSQL; }

    // Binds `:name` (given with or without the colon).
    void SetParam(const QString& name, const QVariant& value);

    // Keeps only these fields of the result (all when empty), in this order.
    void SetFieldNames(const QStringList& names);

    // Runs the statement and reads every row; throws TStoreError.
    void Open();
    // Runs the statement again, keeping the parameters.
    void Requery();
    void Close();
    bool Active() const { return FActive; }

    // Runs a statement that returns no rows; the number of rows changed.
    int ExecSQL();

    // Fields and rows in their present order.
    QStringList FieldNames() const { return FFields; }
    int FieldIndex(const QString& name) const; // -1 when there is none
    int RecordCount() const { return int(FOrder.size()); }
    QVariant Value(int row, int field) const;

    // The current row: -1 when there are no rows, else 0 after opening.
    int RecNo() const { return FRecNo; }
    void SetRecNo(int row);

    // A field of the current row; null / empty for a missing field or row.
    QVariant FieldValue(const QString& name) const;
    QString FieldAsString(const QString& name) const;
    QByteArray FieldAsBytes(const QString& name) const;

    // "Field ASC" or "Field DESC" reorders the rows in memory (texts in
    // Chinese dictionary order with numbers by value, numbers by value,
    // empty values first); the empty text restores the statement's order.
    // The current row stays on the same record. Returns false and changes
    // nothing for an unknown field or malformed text.
    bool SetSort(const QString& sortText);
    QString Sort() const { return FSort; }

signals:
    // Rows were read, dropped or reordered.
    void Changed();
    void RecNoChanged(int row);

private:
    QSqlQuery Run() const;
    void ApplySort();

    QString FConnectionName;
    QString FSQL;
    QVector<std::pair<QString, QVariant>> FParams;
    QStringList FKeptFields;
    bool FActive = false;
    QStringList FFields;
    QVector<QVector<QVariant>> FRows; // in the statement's order
    QVector<int> FOrder;              // present order: indexes into FRows
    int FRecNo = -1;
    QString FSort;
};

// A transaction on the one connection that takes the write lock at once
// (waiting for another copy of the program as long as the busy timeout
// allows). Rolled back unless committed.
class TTransaction {
public:
    explicit TTransaction(const QString& connectionName = ADOConName);
    ~TTransaction();
    TTransaction(const TTransaction&) = delete;
    TTransaction& operator=(const TTransaction&) = delete;
    void Commit();

private:
    QString FConnectionName;
    bool FOpen = false;
};

} // namespace qh
