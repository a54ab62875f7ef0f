#include "LockHolder.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <future>
#include <gtest/gtest.h>

namespace qh::test {

TLockHolder::TLockHolder(const QString& databasePath, std::chrono::milliseconds hold)
{
    std::promise<void> locked;
    std::future<void> lockedFuture = locked.get_future();
    FThread = std::thread([databasePath, hold, &locked] {
        const QString name = QStringLiteral("lock-holder");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(databasePath);
            QSqlQuery query(db);
            if (!db.open() || !query.exec(QStringLiteral("BEGIN EXCLUSIVE")))
                ADD_FAILURE() << "cannot lock the register";
            locked.set_value();
            std::this_thread::sleep_for(hold);
            query.exec(QStringLiteral("COMMIT"));
            query.finish();
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    });
    lockedFuture.wait();
}

TLockHolder::~TLockHolder()
{
    FThread.join();
}

} // namespace qh::test
