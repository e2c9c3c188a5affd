// For tests: a settings store of the test's own, an INI file in a temporary folder, in place of
// the user's for the object's lifetime.
#pragma once

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

#include "help/UserSettings.h"

namespace tarabead::testing {

class TemporarySettings {
  public:
    TemporarySettings() : path_(folder_.filePath(QStringLiteral("tarabead.conf"))), use_(path_) {}

    const QString& Path() const { return path_; }

    /// A fresh view of the file, as the next start of the program would open it.
    std::unique_ptr<QSettings> Open() const {
        return std::make_unique<QSettings>(path_, QSettings::IniFormat);
    }

    /// The file as it lies on disk; empty while nothing has been written.
    QByteArray RawBytes() const {
        QFile file(path_);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

  private:
    QTemporaryDir folder_;
    QString path_;
    help::ScopedSettingsFile use_;
};

}  // namespace tarabead::testing
