// The desktop program Tarabead.
#include <QApplication>

#include "shell/Startup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tarabead::ConfigureApplication();
    tarabead::StartupSequence startup(tarabead::DefaultInstanceLockPath());
    if (startup.Run() != tarabead::StartupSequence::Outcome::MainWindowShown) return 0;
    return QApplication::exec();
}
