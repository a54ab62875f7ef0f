#pragma once
// Another copy of the program in the middle of writing: a thread that
// holds an exclusive lock on the register for a while.

#include <QString>
#include <chrono>
#include <thread>

namespace qh::test {

class TLockHolder {
public:
    // Returns once the lock is held; it is let go after `hold`.
    TLockHolder(const QString& databasePath, std::chrono::milliseconds hold);
    ~TLockHolder();

private:
    std::thread FThread;
};

} // namespace qh::test
