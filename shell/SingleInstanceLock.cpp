#include "shell/SingleInstanceLock.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tarabead {

SingleInstanceLock::SingleInstanceLock(const QString& path) : path_(path), lock_(path) {
    lock_.setStaleLockTime(static_cast<int>(StaleAfter.count()));
    refreshTimer_.setInterval(RefreshEvery);
    QObject::connect(&refreshTimer_, &QTimer::timeout, [this] { Refresh(); });
}

SingleInstanceLock::Result SingleInstanceLock::TryAcquire() {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    if (lock_.tryLock(0)) {
        refreshTimer_.start();
        return Result::Acquired;
    }
    return lock_.error() == QLockFile::LockFailedError ? Result::HeldByAnotherCopy
                                                       : Result::Unavailable;
}

void SingleInstanceLock::Refresh() {
    // A fresh modification time tells other copies that the owner is still alive.
    QFile file(path_);
    if (file.open(QIODevice::Append)) {
        file.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
    }
}

}  // namespace tarabead
