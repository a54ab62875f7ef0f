#pragma once
// A fresh birthday register in a file of its own temporary folder, for one
// test.

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>

#include <vector>

namespace qh::test {

struct PersonRow {
    QString name;
    QString birthday;
    QVariant picture;
};

struct OccurrenceRow {
    QString name;
    QString date;
    int age = 0;
    int year = 0;
    QString weekday;
};

class TestDatabase {
public:
    TestDatabase();
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    QSqlDatabase& db() { return db_; }
    const QString& connection() const { return connection_; }
    QString folder() const { return dir_.path(); }
    QString filePath() const { return dir_.filePath(QStringLiteral("qh.dll")); }

    // Runs a statement, failing the test when it fails.
    void Execute(const QString& statement);

    std::vector<PersonRow> Persons();
    // A person's occurrences in the order they were inserted.
    std::vector<OccurrenceRow> Occurrences(const QString& name = {});

private:
    QTemporaryDir dir_;
    QString connection_;
    QSqlDatabase db_;
};

} // namespace qh::test
