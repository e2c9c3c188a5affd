// The start-up of the desktop program, from the instance check to the main window.
#pragma once

#include <QString>
#include <memory>

#include "shell/SingleInstanceLock.h"

namespace tarabead {

class frmMain;

/// Names the program for the settings store, the lock folder and the desktop. Call once, right
/// after the QApplication is made.
void ConfigureApplication();

/// The per-user lock file: in the user's runtime folder, else in the program's config folder.
QString DefaultInstanceLockPath();

/// Runs the start-up and then owns what it made: the instance lock and the main window, both
/// kept until the object is destroyed after the event loop ends.
class StartupSequence {
  public:
    enum class Outcome {
        MainWindowShown,  ///< run the event loop
        AlreadyRunning,   ///< another copy runs; the user has been told and this copy must end
    };

    explicit StartupSequence(const QString& lockFilePath);
    ~StartupSequence();
    StartupSequence(const StartupSequence&) = delete;
    StartupSequence& operator=(const StartupSequence&) = delete;

    Outcome Run();

    /// The main window once Run has shown it, else null.
    frmMain* MainWindow() const { return mainWindow_.get(); }

  private:
    SingleInstanceLock lock_;
    std::unique_ptr<frmMain> mainWindow_;
};

}  // namespace tarabead
