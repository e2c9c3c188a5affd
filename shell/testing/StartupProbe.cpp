// Runs the program's start-up sequence headless for the start-up tests, with every modal box
// recorded instead of shown, and reports on standard output what happened:
//
//   tarabead_startup_probe --lock PATH [--go FILE] [--hold] [--name TEXT]
//
// --go FILE   print "waiting", then start only once FILE exists (lets two copies race)
// --hold      keep running after start-up until a line "exit" (or end of input) arrives on
//             standard input; without it the copy leaves through File > Exit at once
// --name TEXT type TEXT into the name box after start-up, as a user would
//
// Lines printed: "started" or "already-running"; "message TITLE|TEXT|ICON|BUTTONS" for each box;
// before leaving, "name=TEXT"; at the end "ended CODE".
#include <unistd.h>

#include <QApplication>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <cstdio>

#include "shell/Startup.h"
#include "shell/frmMain.h"
#include "shell/testing/RecordingDialogService.h"

namespace {

void Print(const QString& line) {
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

QString Describe(const tarabead::testing::RecordedMessage& message) {
    return QStringLiteral("message %1|%2|%3|%4")
        .arg(message.Title, message.Text,
             message.Icon == tarabead::MessageIcon::Critical ? QStringLiteral("critical")
                                                             : QStringLiteral("information"),
             message.Buttons == tarabead::MessageButtons::Ok ? QStringLiteral("ok")
                                                             : QStringLiteral("yes-no"));
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tarabead::ConfigureApplication();

    QString lockPath, goFile, name;
    bool hold = false;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--lock") && i + 1 < args.size())
            lockPath = args[++i];
        else if (args[i] == QLatin1String("--go") && i + 1 < args.size())
            goFile = args[++i];
        else if (args[i] == QLatin1String("--name") && i + 1 < args.size())
            name = args[++i];
        else if (args[i] == QLatin1String("--hold"))
            hold = true;
        else {
            Print(QStringLiteral("usage error: ") + args[i]);
            return 2;
        }
    }
    if (lockPath.isEmpty()) {
        Print(QStringLiteral("usage error: --lock PATH is required"));
        return 2;
    }

    if (!goFile.isEmpty()) {
        Print(QStringLiteral("waiting"));
        while (!QFileInfo::exists(goFile)) QThread::usleep(200);
    }

    tarabead::testing::RecordingDialogService dialogs;
    tarabead::ScopedDialogService useRecorder(dialogs);
    tarabead::StartupSequence startup(lockPath);
    const auto outcome = startup.Run();
    Print(outcome == tarabead::StartupSequence::Outcome::MainWindowShown
              ? QStringLiteral("started")
              : QStringLiteral("already-running"));
    for (const auto& message : dialogs.Messages) Print(Describe(message));
    if (outcome != tarabead::StartupSequence::Outcome::MainWindowShown) {
        Print(QStringLiteral("ended 0"));
        return 0;
    }

    tarabead::frmMain* window = startup.MainWindow();
    if (!name.isEmpty()) window->txtName->setText(name);
    const auto leave = [window] {
        Print(QStringLiteral("name=") + window->txtName->text());
        window->mnuExit->trigger();
    };

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QByteArray pending;
    if (hold) {
        QObject::connect(&input, &QSocketNotifier::activated, [&] {
            char buffer[256];
            const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
            if (count <= 0) {
                input.setEnabled(false);
                leave();
                return;
            }
            pending.append(buffer, count);
            if (pending.contains("exit\n")) {
                input.setEnabled(false);
                leave();
            }
        });
        // Never outlive a test run that forgot this copy.
        QTimer::singleShot(std::chrono::seconds(60), leave);
    } else {
        input.setEnabled(false);
        QTimer::singleShot(0, leave);
    }
    const int code = QApplication::exec();
    Print(QStringLiteral("ended %1").arg(code));
    return code;
}
