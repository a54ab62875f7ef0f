// qhmakedb PATH: writes the empty birthday register (both tables, no rows)
// to PATH, replacing a file of an earlier build. Used by the build only.

#include "DbSchema.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: qhmakedb PATH\n");
        return 2;
    }
    QFile::remove(args[1]);
    QString error;
    if (!qh::CreateDatabaseFile(args[1], &error)) {
        std::fprintf(stderr, "qhmakedb: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
