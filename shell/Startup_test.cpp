// Only one copy of the program runs per user. The cases that matter happen between processes,
// so most of these tests start real copies of the start-up sequence (the probe program runs it
// headless with every message box recorded) and read what each copy reports.
#include "shell/Startup.h"

#include <QDateTime>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <vector>

#include "shell/SingleInstanceLock.h"
#include "shell/frmMain.h"
#include "shell/testing/RecordingDialogService.h"

namespace {

constexpr int WaitMs = 20000;
const QString RefusalLine = "message Tarabead|Application is already running|information|ok";

// A private runtime folder for the copies, so they do not depend on the user's session.
QString RuntimeFolder() {
    static QTemporaryDir folder;
    return folder.path();
}

// One copy of the program, started through the probe.
class Copy {
  public:
    explicit Copy(const QStringList& arguments) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.remove("QT_QPA_PLATFORMTHEME");
        environment.insert("XDG_RUNTIME_DIR", RuntimeFolder());
        // The update question's settings too: never the user's own.
        environment.insert("XDG_CONFIG_HOME", RuntimeFolder());
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(TARABEAD_STARTUP_PROBE, arguments);
    }

    ~Copy() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(WaitMs);
        }
    }

    // The next line the copy prints, or "<none>" when it prints nothing more in time.
    QString NextLine() {
        QElapsedTimer timer;
        timer.start();
        while (!process_.canReadLine()) {
            if (timer.elapsed() > WaitMs) return "<none>";
            if (!process_.waitForReadyRead(100) && process_.state() == QProcess::NotRunning &&
                !process_.canReadLine()) {
                return process_.bytesAvailable() ? QString::fromUtf8(process_.readAll()) : "<none>";
            }
        }
        return QString::fromUtf8(process_.readLine()).trimmed();
    }

    // Everything the copy prints until it ends on its own.
    QStringList LinesUntilEnd() {
        process_.waitForFinished(WaitMs);
        QStringList lines;
        while (process_.canReadLine()) lines << QString::fromUtf8(process_.readLine()).trimmed();
        return lines;
    }

    void Tell(const QByteArray& line) {
        process_.write(line + "\n");
        process_.waitForBytesWritten(WaitMs);
    }

    void Kill() {
        process_.kill();
        process_.waitForFinished(WaitMs);
    }

    bool Ended() const { return process_.state() == QProcess::NotRunning; }
    int ExitCode() const { return process_.exitCode(); }
    QProcess::ExitStatus ExitStatus() const { return process_.exitStatus(); }

  private:
    QProcess process_;
};

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir folder_;
    QString LockPath(const QString& name) const { return folder_.filePath(name + ".lock"); }

  private slots:
    void initTestCase() { QVERIFY(folder_.isValid()); }

    void secondCopyIsToldAndEndsWhileTheFirstKeepsRunning() {
        const QString lock = LockPath("second-copy");
        Copy first({"--lock", lock, "--hold", "--name", "Asha"});
        QCOMPARE(first.NextLine(), QString("started"));

        for (int attempt = 0; attempt < 2; ++attempt) {  // the refused copy leaves the lock alone
            Copy second({"--lock", lock});
            QCOMPARE(second.LinesUntilEnd(),
                     QStringList({"already-running", RefusalLine, "ended 0"}));
            QCOMPARE(second.ExitStatus(), QProcess::NormalExit);
            QCOMPARE(second.ExitCode(), 0);
        }

        QVERIFY(!first.Ended());
        first.Tell("exit");
        QCOMPARE(first.LinesUntilEnd(), QStringList({"name=Asha", "ended 0"}));
        QCOMPARE(first.ExitCode(), 0);

        // The first copy's lock went with it: the next start is a first start again.
        Copy next({"--lock", lock});
        QCOMPARE(next.LinesUntilEnd(), QStringList({"started", "name=", "ended 0"}));
    }

    void twoCopiesStartingAtOnceLeaveExactlyOne_data() {
        QTest::addColumn<int>("round");
        for (int round = 1; round <= 6; ++round) {
            QTest::newRow(qPrintable(QString("race %1").arg(round))) << round;
        }
    }

    void twoCopiesStartingAtOnceLeaveExactlyOne() {
        QFETCH(int, round);
        const QString lock = LockPath(QString("race-%1").arg(round));
        const QString go = folder_.filePath(QString("go-%1").arg(round));
        std::vector<std::unique_ptr<Copy>> copies;
        for (int i = 0; i < 2; ++i) {
            copies.push_back(
                std::make_unique<Copy>(QStringList{"--lock", lock, "--go", go, "--hold"}));
        }
        for (auto& copy : copies) QCOMPARE(copy->NextLine(), QString("waiting"));
        QFile(go).open(QIODevice::WriteOnly);  // both are polling for it: they start together

        QStringList outcomes;
        for (auto& copy : copies) outcomes << copy->NextLine();
        QCOMPARE(outcomes.count("started"), 1);
        QCOMPARE(outcomes.count("already-running"), 1);

        auto& loser = copies[outcomes.indexOf("already-running")];
        auto& winner = copies[outcomes.indexOf("started")];
        QCOMPARE(loser->LinesUntilEnd(), QStringList({RefusalLine, "ended 0"}));
        QVERIFY(!winner->Ended());
        winner->Tell("exit");
        QCOMPARE(winner->LinesUntilEnd(), QStringList({"name=", "ended 0"}));
    }

    void killedCopyDoesNotLockTheUserOut() {
        const QString lock = LockPath("killed");
        {
            Copy crashed({"--lock", lock, "--hold"});
            QCOMPARE(crashed.NextLine(), QString("started"));
            crashed.Kill();
        }
        QVERIFY2(QFile::exists(lock), "a killed copy leaves its lock file behind");
        Copy next({"--lock", lock});
        QCOMPARE(next.LinesUntilEnd(), QStringList({"started", "name=", "ended 0"}));
    }

    // Where the owner's process cannot be seen (another process namespace), its lock counts as
    // held until it has not been refreshed for the stale time.
    void lockOfAnUnseenOwnerExpires_data() {
        QTest::addColumn<qint64>("ageMs");
        QTest::addColumn<bool>("acquired");
        const qint64 stale = tarabead::SingleInstanceLock::StaleAfter.count();
        QTest::newRow("refreshed just now") << qint64(0) << false;
        QTest::newRow("refreshed within the stale time") << stale / 2 << false;
        QTest::newRow("not refreshed for longer") << stale * 2 << true;
    }

    void lockOfAnUnseenOwnerExpires() {
        QFETCH(qint64, ageMs);
        QFETCH(bool, acquired);
        // A lock file as a copy that looks alive to the check would leave it: this very process
        // is named as its owner, but no file lock is held on it.
        const QString lock = LockPath(QString("unseen-%1").arg(ageMs));
        QByteArray contents;
        {
            QLockFile model(lock);
            QVERIFY(model.tryLock(0));
            QFile written(lock);
            QVERIFY(written.open(QIODevice::ReadOnly));
            contents = written.readAll();
        }
        QFile file(lock);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
        QVERIFY(file.flush());  // a later flush would make the file new again
        QVERIFY(file.setFileTime(QDateTime::currentDateTimeUtc().addMSecs(-ageMs),
                                 QFileDevice::FileModificationTime));
        file.close();

        tarabead::SingleInstanceLock next(lock);
        QCOMPARE(next.TryAcquire() == tarabead::SingleInstanceLock::Result::Acquired, acquired);
    }

    void lockThatCannotBeMadeDoesNotKeepTheUserOut() {
        QFile blocker(folder_.filePath("not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString lock = blocker.fileName() + "/tarabead.lock";
        tarabead::SingleInstanceLock probe(lock);
        QCOMPARE(probe.TryAcquire(), tarabead::SingleInstanceLock::Result::Unavailable);

        tarabead::testing::RecordingDialogService dialogs;
        tarabead::ScopedDialogService useRecorder(dialogs);
        tarabead::StartupSequence startup(lock);
        QCOMPARE(startup.Run(), tarabead::StartupSequence::Outcome::MainWindowShown);
        QVERIFY(startup.MainWindow() && startup.MainWindow()->isVisible());
        QVERIFY(dialogs.Messages.empty());
    }
};

QTEST_MAIN(StartupTest)
#include "Startup_test.moc"
