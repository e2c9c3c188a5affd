#include "help/UserSettings.h"

#include <QSettings>
#include <utility>

namespace tarabead::help {

namespace {
QString& SettingsFileInUse() {
    static QString path;
    return path;
}
}  // namespace

std::unique_ptr<QSettings> OpenUserSettings() {
    if (!SettingsFileInUse().isEmpty()) {
        return std::make_unique<QSettings>(SettingsFileInUse(), QSettings::IniFormat);
    }
    return std::make_unique<QSettings>();
}

ScopedSettingsFile::ScopedSettingsFile(const QString& iniFilePath)
    : previous_(std::exchange(SettingsFileInUse(), iniFilePath)) {}

ScopedSettingsFile::~ScopedSettingsFile() { SettingsFileInUse() = previous_; }

}  // namespace tarabead::help
