#include "shell/Startup.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

#include "help/AppIcon.h"
#include "help/modHelp.h"
#include "shell/DialogService.h"
#include "shell/frmMain.h"

namespace tarabead {

void ConfigureApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("tarabead"));
    QCoreApplication::setOrganizationName(QStringLiteral("Tarabead"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.20"));
    // No application display name: on X11 and Wayland Qt appends it to every window title, and
    // the main window's title must read exactly "Tarabead v1.20". The message boxes carry the
    // title "Tarabead" themselves.

    // The program ends through EndApplication only, never because a window happened to be the
    // last one on screen (the main window is hidden while a reading is shown).
    QGuiApplication::setQuitOnLastWindowClosed(false);

    help::InstallApplicationIcon();
    // Lets the desktop match the windows with the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tarabead.Tarabead"));
}

QString DefaultInstanceLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QDir(folder).filePath(QStringLiteral("tarabead.lock"));
}

StartupSequence::StartupSequence(const QString& lockFilePath) : lock_(lockFilePath) {}

StartupSequence::~StartupSequence() = default;

StartupSequence::Outcome StartupSequence::Run() {
    // A lock that cannot be made at all must not keep the user out: the program then starts
    // without the instance check.
    if (lock_.TryAcquire() == SingleInstanceLock::Result::HeldByAnotherCopy) {
        ShowMessage(nullptr, QStringLiteral("Application is already running"),
                    MessageIcon::Information);
        modHelp::EndApplication();
        return Outcome::AlreadyRunning;
    }

    // The periodic update question, after the instance check and before the main window appears;
    // start-up goes on whatever the answer.
    modHelp::CheckForUpdate();

    mainWindow_ = std::make_unique<frmMain>();
    mainWindow_->show();
    return Outcome::MainWindowShown;
}

}  // namespace tarabead
