// The per-user settings store. The program keeps its few settings in the platform's store for the
// organisation "Tarabead" and the application "tarabead": on Linux the file
// ~/.config/Tarabead/tarabead.conf, read over the system-wide defaults of
// /etc/xdg/Tarabead/tarabead.conf, where a packager can put them. Tests put a file of their own in
// its place, so that no test reads or changes the user's settings.
#pragma once

#include <QString>
#include <memory>

class QSettings;

namespace tarabead::help {

/// The store in use: the INI file of the innermost ScopedSettingsFile, else the platform's store
/// for the organisation and application names set at start-up.
std::unique_ptr<QSettings> OpenUserSettings();

/// Puts an INI file in place of the user's store for the guard's lifetime.
class ScopedSettingsFile {
  public:
    explicit ScopedSettingsFile(const QString& iniFilePath);
    ~ScopedSettingsFile();
    ScopedSettingsFile(const ScopedSettingsFile&) = delete;
    ScopedSettingsFile& operator=(const ScopedSettingsFile&) = delete;

  private:
    QString previous_;
};

}  // namespace tarabead::help
