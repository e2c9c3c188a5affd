// The update question at start-up: at most once every 14 days, remembered in the settings store
// under an encoded key and value, and never blocking the start.
#include <QDate>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>
#include <string>

#include "help/modHelp.h"
#include "help/testing/RecordingUrlOpener.h"
#include "help/testing/TemporarySettings.h"
#include "result/modRTB.h"
#include "shell/Startup.h"
#include "shell/frmMain.h"
#include "shell/testing/RecordingDialogService.h"

using namespace tarabead;

Q_DECLARE_METATYPE(std::optional<QDate>)
Q_DECLARE_METATYPE(tarabead::MessageAnswer)

namespace {

const QString Question =
    "There maybe an update to this software available\nDo you want to check for an update?";
const QUrl DownloadPage("https://tarabead.org/download/");

// EncodeText("Duration"): every code of the word shifted up by 85.
const QString StoredKey = "Settings/" + QString::fromLatin1("\x99\xCA\xC7\xB6\xC9\xBE\xC4\xC3");

QString Encoded(const QString& text) {
    return QString::fromLatin1(modRTB::EncodeText(text.toStdString()).c_str());
}

QString Decoded(const QString& text) {
    return QString::fromLatin1(modRTB::DecodeText(text.toLatin1().toStdString()).c_str());
}

// The date the store holds, as the program would read it back.
QString StoredDate(const testing::TemporarySettings& settings) {
    return Decoded(settings.Open()->value(StoredKey).toString());
}

void StoreRaw(const testing::TemporarySettings& settings, const QString& encodedValue) {
    auto store = settings.Open();
    store->setValue(StoredKey, encodedValue);
    store->sync();
}

// One start of the program on the day given: a fresh view of the store, as after a restart.
void StartOn(const testing::TemporarySettings& settings, QDate today) {
    auto store = settings.Open();
    modHelp::CheckForUpdate(*store, today);
}

}  // namespace

class UpdateCheckTest : public QObject {
    Q_OBJECT

  private slots:
    void questionFollowsTheFourteenDayRule_data() {
        QTest::addColumn<std::optional<QDate>>("stored");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QDate>("storedAfter");
        QTest::addColumn<bool>("downloadOpened");

        const QDate today(2024, 3, 1);
        const auto no = MessageAnswer::No;
        const auto yes = MessageAnswer::Yes;
        QTest::newRow("first start: nothing asked, today stored")
            << std::optional<QDate>() << today << yes << false << today << false;
        QTest::newRow("14 days after, across a leap day: nothing asked, date kept")
            << std::optional(QDate(2024, 2, 16)) << today << yes << false << QDate(2024, 2, 16)
            << false;
        QTest::newRow("15 days after, Yes: asked, today stored, download page opened")
            << std::optional(QDate(2024, 2, 15)) << today << yes << true << today << true;
        QTest::newRow("15 days after, No: asked, today stored, nothing opened")
            << std::optional(QDate(2024, 2, 15)) << today << no << true << today << false;
        QTest::newRow("15 days after, across a year end: asked")
            << std::optional(QDate(2023, 12, 20)) << QDate(2024, 1, 4) << no << true
            << QDate(2024, 1, 4) << false;
        QTest::newRow("years after: asked")
            << std::optional(QDate(2019, 3, 1)) << today << no << true << today << false;
        QTest::newRow("14 days ahead (clock set back): nothing asked, date kept")
            << std::optional(QDate(2024, 3, 15)) << today << yes << false << QDate(2024, 3, 15)
            << false;
        QTest::newRow("20 days ahead: asked, today stored")
            << std::optional(QDate(2024, 3, 21)) << today << yes << true << today << true;
    }

    void questionFollowsTheFourteenDayRule() {
        QFETCH(std::optional<QDate>, stored);
        QFETCH(QDate, today);
        QFETCH(MessageAnswer, answer);
        QFETCH(bool, asked);
        QFETCH(QDate, storedAfter);
        QFETCH(bool, downloadOpened);

        testing::TemporarySettings settings;
        if (stored) StoreRaw(settings, Encoded(stored->toString(Qt::ISODate)));
        testing::RecordingDialogService dialogs;
        dialogs.Answers = {answer};
        ScopedDialogService useRecorder(dialogs);
        testing::RecordingUrlOpener browser;

        StartOn(settings, today);

        if (asked) {
            QCOMPARE(dialogs.Messages.size(), std::size_t{1});
            const testing::RecordedMessage& message = dialogs.Messages.front();
            QCOMPARE(message.Title, QString("Tarabead"));
            QCOMPARE(message.Text, Question);
            QCOMPARE(message.Icon, MessageIcon::Information);
            QCOMPARE(message.Buttons, MessageButtons::YesNo);
        } else {
            QCOMPARE(dialogs.Messages.size(), std::size_t{0});
        }
        QCOMPARE(StoredDate(settings), storedAfter.toString(Qt::ISODate));
        QCOMPARE(browser.Opened, downloadOpened ? QList<QUrl>{DownloadPage} : QList<QUrl>{});
    }

    void questionComesBackAcrossRestarts() {
        testing::TemporarySettings settings;
        testing::RecordingDialogService dialogs;
        ScopedDialogService useRecorder(dialogs);
        testing::RecordingUrlOpener browser;

        const QDate first(2024, 3, 1);
        const struct {
            int day;  // days after the first start
            bool asked;
        } starts[] = {{0, false},  {10, false}, {14, false}, {15, true},
                      {20, false}, {29, false}, {30, true},  {30, false}};
        for (const auto& start : starts) {
            const std::size_t before = dialogs.Messages.size();
            StartOn(settings, first.addDays(start.day));
            QVERIFY2(dialogs.Messages.size() - before == (start.asked ? 1u : 0u),
                     qPrintable(QString("start on day %1").arg(start.day)));
        }
        QVERIFY(browser.Opened.isEmpty());  // every question was answered No
    }

    void keyAndValueAreStoredEncoded() {
        testing::TemporarySettings settings;
        StartOn(settings, QDate(2024, 3, 1));

        // Read back exactly, through a fresh store: the encoded key, the encoded ISO date.
        auto store = settings.Open();
        store->beginGroup("Settings");
        QCOMPARE(store->childKeys(), QStringList{StoredKey.mid(9)});
        store->endGroup();
        QCOMPARE(store->value(StoredKey).toString(),
                 QString::fromLatin1("\x87\x85\x87\x89\x82\x85\x88\x82\x85\x86"));

        // Neither the plain word nor the plain date reaches the file.
        const QByteArray raw = settings.RawBytes();
        QVERIFY2(raw.contains("[Settings]"), raw.constData());
        QVERIFY2(raw.contains("%99%CA%C7%B6%C9%BE%C4%C3="), raw.constData());
        QVERIFY2(!raw.contains("Duration"), raw.constData());
        QVERIFY2(!raw.contains("2024"), raw.constData());
    }

    void unreadableStoredValueStopsWithoutAskingOrWriting_data() {
        QTest::addColumn<QString>("storedValue");
        QTest::newRow("a short date of the user's locale") << Encoded("01/02/24");
        QTest::newRow("a day that does not exist") << Encoded("2024-02-30");
        QTest::newRow("a date with more after it") << Encoded("2024-02-01 10:00");
        QTest::newRow("a word") << Encoded("soon");
    }

    void unreadableStoredValueStopsWithoutAskingOrWriting() {
        QFETCH(QString, storedValue);
        testing::TemporarySettings settings;
        StoreRaw(settings, storedValue);
        const QByteArray before = settings.RawBytes();
        testing::RecordingDialogService dialogs;
        dialogs.Answers = {MessageAnswer::Yes};
        ScopedDialogService useRecorder(dialogs);
        testing::RecordingUrlOpener browser;

        StartOn(settings, QDate(2024, 3, 1));

        QCOMPARE(dialogs.Messages.size(), std::size_t{0});
        QVERIFY(browser.Opened.isEmpty());
        QCOMPARE(settings.RawBytes(), before);
    }

    void startupAsksAndGoesOnToTheMainWindow() {
        testing::TemporarySettings settings;
        const QDate daysAgo = QDate::currentDate().addDays(-15);
        StoreRaw(settings, Encoded(daysAgo.toString(Qt::ISODate)));
        testing::RecordingDialogService dialogs;
        dialogs.Answers = {MessageAnswer::Yes};
        ScopedDialogService useRecorder(dialogs);
        testing::RecordingUrlOpener browser;
        QTemporaryDir lockFolder;

        StartupSequence startup(lockFolder.filePath("tarabead.lock"));
        QCOMPARE(startup.Run(), StartupSequence::Outcome::MainWindowShown);

        QCOMPARE(dialogs.MessageTexts(), QStringList{Question});
        QCOMPARE(browser.Opened, QList<QUrl>{DownloadPage});
        QVERIFY(startup.MainWindow() && startup.MainWindow()->isVisible());
        const QDate stored = QDate::fromString(StoredDate(settings), Qt::ISODate);
        QVERIFY(stored > daysAgo && stored <= QDate::currentDate());
    }
};

QTEST_MAIN(UpdateCheckTest)
#include "UpdateCheck_test.moc"
