#pragma once
// Turns the database engine's errors into texts a user can act on: what
// went wrong in plain words, with the engine's own words after it.

#include <QSqlError>
#include <QString>

namespace qh {

// The plain-words explanation of an engine error, e.g. that the file is
// read-only or used by another copy of the program, with the engine's
// words in brackets after it.
QString ExplainSqlError(const QSqlError& error);

// "<action>失败：<explanation>（<engine text>）"
QString DescribeSqlError(const QString& action, const QSqlError& error);

// Throws TStoreError with DescribeSqlError's text.
[[noreturn]] void ThrowSqlError(const QString& action, const QSqlError& error);

} // namespace qh
