// How long "保存" takes: a person registered with N = 10 and N = 100 years
// into a register file on disk (one transaction, committed to the disk),
// and the walk over the days alone. Prints figures; asserts nothing.

#include "BirthdayOccurrences.h"
#include "BirthdayRegistration.h"
#include "Clock.h"
#include "DbSchema.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Figures {
    double median, min, max;
};

template <typename Run>
Figures Measure(int repeats, Run run)
{
    std::vector<double> ms;
    for (int i = 0; i < repeats; ++i) {
        const auto start = Clock::now();
        run(i);
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front(), ms.back()};
}

void Print(const char* what, const Figures& f)
{
    std::printf("%-46s median %8.2f ms  min %8.2f ms  max %8.2f ms\n", what, f.median, f.min, f.max);
}

void BenchSaves(int currentYear)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("qh.dll"));
    QString error;
    if (!qh::CreateDatabaseFile(path, &error)) {
        std::printf("cannot create the register: %s\n", qPrintable(error));
        return;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
    db.setDatabaseName(path);
    db.open();
    {
        qh::PinnedToday today({currentYear, 6, 1});
        std::printf("today in %d, register on disk\n", currentYear);
        for (int years : {10, 100}) {
            const QString count = QString::number(years);
            const auto walk = Measure(20, [&](int) {
                volatile auto size = qh::FindBirthdayOccurrences({1985, 8, 8}, currentYear, years).size();
                (void)size;
            });
            const auto save = Measure(20, [&](int i) {
                qh::RegisterBirthday({QStringLiteral("甲%1-%2").arg(years).arg(i),
                                      QStringLiteral("1985-08-08"), count, {}},
                                     db.connectionName());
            });
            char label[64];
            std::snprintf(label, sizeof label, "  N = %3d: the walk alone", years);
            Print(label, walk);
            std::snprintf(label, sizeof label, "  N = %3d: save (checks, person, occurrences)", years);
            Print(label, save);
        }
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("bench"));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    BenchSaves(2026);  // the span reaches past the lunar table
    BenchSaves(1950);  // every day of the span lies in the table
    return 0;
}
