#pragma once
// A birthday register in a temporary folder of its own, filled and
// inspected through a connection of the test's own, as a second program
// would see the file.

#include <QByteArray>
#include <QColor>
#include <QSize>
#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>
#include <functional>

namespace qh::test {

class TRegisterFile {
public:
    // Makes the folder; with `withDatabase` also an empty register in it.
    explicit TRegisterFile(bool withDatabase = true);

    QString Folder() const { return FDir.path(); }
    QString DatabasePath() const;

    void WriteIni(const QByteArray& text) const;
    void WriteDatabaseBytes(const QByteArray& bytes) const;

    void AddPerson(const QString& name, const QString& lunarBirthday, const QByteArray& picture = {}) const;
    void AddBirthday(const QString& name, const QString& date, int age, int year, const QString& weekday) const;

    // Runs one statement.
    void Exec(const QString& statement) const;
    qlonglong Count(const QString& table, const QString& name = QString()) const;

    // Runs `work` on a connection of its own to the file.
    void WithConnection(const std::function<void(QSqlDatabase&)>& work) const;

private:
    QTemporaryDir FDir;
};

// Picture bytes of `format` ("PNG", "JPG", "BMP", "GIF"), `size` pixels, one
// colour; the GIF is always 6 x 4 green.
QByteArray PictureBytes(const char* format, QSize size = QSize(40, 30), QColor colour = Qt::red);

} // namespace qh::test
