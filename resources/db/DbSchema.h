#pragma once
// The empty birthday register: the schema of both tables and a routine that
// writes a fresh database file holding them. The program itself never
// creates or alters the file; the build, the installer and the tests do.

#include <QString>
#include <QStringList>

namespace qh {

// The schema as one text, comments included.
QString DatabaseSchema();

// The schema split into its statements, comments removed.
QStringList DatabaseSchemaStatements();

// Writes a new database file at `path` holding both tables, empty.
// Refuses to touch an existing file. On failure returns false, leaves no
// file behind and puts the reason into `error` when given.
bool CreateDatabaseFile(const QString& path, QString* error = nullptr);

} // namespace qh
