// Makes sure only one copy of the program runs per user, with a lock file that a crashed or
// killed copy cannot leave behind for good.
#pragma once

#include <QLockFile>
#include <QString>
#include <QTimer>
#include <chrono>

namespace tarabead {

class SingleInstanceLock {
  public:
    enum class Result {
        Acquired,           ///< this copy is the only one; the lock is held until destruction
        HeldByAnotherCopy,  ///< a running copy holds the lock
        Unavailable,        ///< the lock file cannot be made (no folder, no permission)
    };

    /// A lock whose owner is gone counts as stale at once (Qt checks the owner's process id and
    /// name). Where that check cannot see the owner (another process namespace, a network
    /// folder), a lock not refreshed for this long counts as stale too; the owner refreshes it
    /// well within that time.
    static constexpr std::chrono::milliseconds StaleAfter{std::chrono::seconds(60)};
    static constexpr std::chrono::milliseconds RefreshEvery{std::chrono::seconds(15)};

    explicit SingleInstanceLock(const QString& path);
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    /// One attempt, no waiting. Two copies trying at the same instant get one Acquired between
    /// them.
    Result TryAcquire();

    const QString& Path() const { return path_; }

  private:
    void Refresh();

    QString path_;
    QLockFile lock_;
    QTimer refreshTimer_;
};

}  // namespace tarabead
