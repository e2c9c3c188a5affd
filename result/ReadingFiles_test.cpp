// A reading end to end: the request from the main window, saving and opening reading files, the
// place search, and the Universal Time line under the zone list.
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QUrlQuery>
#include <QtTest>
#include <memory>
#include <optional>

#include "help/modHelp.h"
#include "reports/ReportBuilders.h"
#include "result/frmTarabeadResult.h"
#include "result/modRTB.h"
#include "shell/DesktopServices.h"
#include "shell/SharedState.h"
#include "shell/WebSearch.h"
#include "shell/frmMain.h"
#include "shell/testing/RecordingDialogService.h"

using namespace tarabead;

class ReadingFilesTest : public QObject {
    Q_OBJECT

    testing::RecordingDialogService dialogs_;
    std::optional<ScopedDialogService> useRecorder_;
    std::unique_ptr<frmMain> main_;
    QList<QUrl> opened_;
    std::unique_ptr<QTemporaryDir> dir_;

    // Example A: Delhi, 15 August 1947, 00:00, Indian Time, 77 deg 13' East.
    void TypeExampleA() {
        main_->txtName->setText(QStringLiteral("Asha"));
        main_->cboDate->setCurrentIndex(14);
        main_->cboMonth->setCurrentIndex(7);
        main_->cboYear->setCurrentText(QStringLiteral("1947"));
        main_->cboHour->setCurrentIndex(0);
        main_->cboMinute->setCurrentIndex(0);
        main_->cboTimeZone->setCurrentIndex(34);
        main_->txtLatDeg->setText(QStringLiteral("28"));
        main_->txtLatMin->setText(QStringLiteral("38"));
        main_->txtLonDeg->setText(QStringLiteral("77"));
        main_->txtLonMin->setText(QStringLiteral("13"));
        main_->txtCity->setText(QStringLiteral("Delhi"));
        main_->txtState->setText(QStringLiteral("Delhi"));
        main_->txtCountry->setText(QStringLiteral("India"));
        main_->optLong[0]->setChecked(true);
    }

    frmTarabeadResult* Result() { return frmTarabeadResult::Loaded(); }

    QString Path(const QString& name) { return dir_->filePath(name); }

    void WriteFile(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QByteArray ReadFile(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }

    void Open(const QString& path) {
        dialogs_.ChosenFiles.push_back(path);
        main_->cmdOpen->click();
    }

    void Save(const QString& path) {
        dialogs_.ChosenFiles.push_back(path);
        Result()->cmdSave->click();
    }

    void ShowReadingOf(const char* name) {
        shared::NakshatraName = name;
        WriteFile(Path("shown.tbx"), QByteArray(result::ReadingFileBytes(name).c_str()));
        Open(Path("shown.tbx"));
        dialogs_.Clear();
    }

  private slots:
    void init() {
        dialogs_.Clear();
        dialogs_.ChosenFiles.clear();
        dialogs_.Answers.clear();
        useRecorder_.emplace(dialogs_);
        opened_.clear();
        SetUrlOpener([this](const QUrl& url) {
            opened_ << url;
            return true;
        });
        main_ = std::make_unique<frmMain>();
        main_->show();
        dir_ = std::make_unique<QTemporaryDir>();
        shared::BirthDetails = {};
        shared::NakshatraName.clear();
    }

    void cleanup() {
        if (Result()) Result()->cmdBack_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        main_.reset();
        useRecorder_.reset();
        SetUrlOpener({});
    }

    void exampleATypedIntoTheWindowGivesPushyaAndTheSaturnBead() {
        TypeExampleA();
        main_->cmdCalculate->click();
        QVERIFY(dialogs_.Messages.empty());
        QCOMPARE(shared::NakshatraName, std::string("Pushya"));
        const BirthDetails& b = shared::BirthDetails;
        QCOMPARE(b.Day, 15);
        QCOMPARE(b.Month, 8);
        QCOMPARE(b.Year, 1947);
        QCOMPARE(b.ZoneHours, 5);
        QCOMPARE(b.ZoneMinutes, 30);
        QCOMPARE(b.LongitudeDegrees, 77);
        QCOMPARE(b.LongitudeMinutes, 13);
        QVERIFY(b.LongitudeEast);
        QVERIFY(!b.LatitudeSouth);
        QVERIFY(!main_->isVisible());
        QVERIFY(Result() && Result()->isVisible());
        QCOMPARE(Result()->TS->currentIndex(), 0);
        QVERIFY(Result()->RTB[0]->toPlainText().contains(QStringLiteral("Ruling Planet\nSaturn")));
        QVERIFY(Result()->RTB[1]->toPlainText().contains(QStringLiteral("SEVEN MUKHI RUDRAKSHA")));
        QCOMPARE(modTarabead::RecommendedMukhis, std::vector<int>{7});
    }

    void theMenuItemDoesWhatTheButtonDoes() {
        TypeExampleA();
        main_->mnuCalculate->trigger();
        QCOMPARE(shared::NakshatraName, std::string("Pushya"));
        QVERIFY(Result());
    }

    void aRefusedRequestChangesNothing() {
        TypeExampleA();
        main_->cmdCalculate->click();
        const BirthDetails before = shared::BirthDetails;
        Result()->cmdBack_Click();
        main_->cboYear->setCurrentText(QStringLiteral("2001"));
        main_->txtCountry->clear();
        main_->cmdCalculate->click();
        QCOMPARE(dialogs_.MessageTexts(), QStringList{"Please Enter Your Country name"});
        QVERIFY(shared::BirthDetails == before);
        QVERIFY(Result() == nullptr);
        QVERIFY(main_->isVisible());
    }

    void backThenASecondRequestRewritesBothReports() {
        TypeExampleA();
        main_->cmdCalculate->click();
        Result()->TS->setCurrentIndex(1);
        Result()->cmdBack_Click();
        QVERIFY(main_->isVisible());
        QCOMPARE(main_->txtName->text(), QStringLiteral("Asha"));
        // Example B: New York, 4 July 1976, 12:00 EST with daylight saving: Hasta.
        main_->cboDate->setCurrentIndex(3);
        main_->cboMonth->setCurrentIndex(6);
        main_->cboYear->setCurrentText(QStringLiteral("1976"));
        main_->cboHour->setCurrentIndex(12);
        main_->cboTimeZone->setCurrentIndex(27);
        main_->txtLonDeg->setText(QStringLiteral("74"));
        main_->txtLonMin->setText(QStringLiteral("0"));
        main_->optLong[1]->setChecked(true);
        main_->chkDST->setChecked(true);
        main_->cmdCalculate->click();
        QCOMPARE(shared::NakshatraName, std::string("Hasta"));
        QCOMPARE(Result()->TS->currentIndex(), 0);
        QVERIFY(!Result()->RTB[0]->toPlainText().contains(QStringLiteral("Saturn\n")));
        QVERIFY(Result()->RTB[1]->toPlainText().contains(QStringLiteral("TWO MUKHI RUDRAKSHA")));
        QVERIFY(!Result()->RTB[1]->toPlainText().contains(QStringLiteral("SEVEN MUKHI")));
    }

    void savingRevatiWritesItsEightBytesAndOpeningShowsTheSameReading() {
        ShowReadingOf("Revati");
        const QString nakshatra = Result()->RTB[0]->toPlainText();
        const QString rudraksha = Result()->RTB[1]->toPlainText();
        Save(Path("mine.tbx"));
        QVERIFY(dialogs_.Messages.empty());
        QCOMPARE(dialogs_.FileDialogs.back().Kind, FileDialogKind::Save);
        QCOMPARE(dialogs_.FileDialogs.back().Request.Title, QStringLiteral("Tarabead"));
        QCOMPARE(dialogs_.FileDialogs.back().Request.DefaultSuffix, QStringLiteral("tbx"));
        QCOMPARE(ReadFile(Path("mine.tbx")), QByteArray("\xA7\xBA\xCB\xB6\xC9\xBE\r\n"));

        Result()->TS->setCurrentIndex(1);
        Result()->cmdBack_Click();
        shared::NakshatraName = "Ashwini";
        Open(Path("mine.tbx"));
        QCOMPARE(dialogs_.FileDialogs.back().Request.Title,
                 QStringLiteral("Select the source file"));
        QCOMPARE(shared::NakshatraName, std::string("Revati"));
        QCOMPARE(Result()->TS->currentIndex(), 0);
        QCOMPARE(Result()->RTB[0]->toPlainText(), nakshatra);
        QCOMPARE(Result()->RTB[1]->toPlainText(), rudraksha);
        QVERIFY(!main_->isVisible());
    }

    void aNameWithoutExtensionIsSavedAsTbx() {
        ShowReadingOf("Rohini");
        Save(Path("plain"));
        QVERIFY(QFile::exists(Path("plain.tbx")));
        QVERIFY(!QFile::exists(Path("plain")));
        // The completed name is taken: the user is asked before it is replaced.
        WriteFile(Path("taken.tbx"), "keep me");
        Save(Path("taken"));
        QCOMPARE(dialogs_.Messages.size(), std::size_t(1));
        QCOMPARE(dialogs_.Messages[0].Buttons, MessageButtons::YesNo);
        QCOMPARE(ReadFile(Path("taken.tbx")), QByteArray("keep me"));  // answered No
        dialogs_.Answers.push_back(MessageAnswer::Yes);
        Save(Path("taken"));
        QCOMPARE(ReadFile(Path("taken.tbx")),
                 QByteArray(result::ReadingFileBytes("Rohini").c_str()));
    }

    void cancellingEitherDialogChangesNothing() {
        ShowReadingOf("Rohini");
        Result()->cmdSave->click();  // no file chosen: cancelled
        QVERIFY(dialogs_.Messages.empty());
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{"shown.tbx"});
        Result()->cmdBack_Click();
        main_->cmdOpen->click();
        QVERIFY(dialogs_.Messages.empty());
        QVERIFY(Result() == nullptr);
        QVERIFY(main_->isVisible());
    }

    void filesWhoseNamesDoNotEndInTbxAreRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("upper-case TBX") << "reading.TBX";
        QTest::newRow("another extension") << "reading.txt";
        QTest::newRow("tbx then more") << "reading.tbx.bak";
    }
    void filesWhoseNamesDoNotEndInTbxAreRefused() {
        QFETCH(QString, name);
        WriteFile(Path(name), QByteArray(result::ReadingFileBytes("Revati").c_str()));
        Open(Path(name));
        QCOMPARE(dialogs_.MessageTexts(), QStringList{"Please Check The File."});
        QCOMPARE(dialogs_.Messages[0].Icon, MessageIcon::Critical);
        QCOMPARE(dialogs_.Messages[0].Title, QStringLiteral("Tarabead"));
        QVERIFY(Result() == nullptr);
        QCOMPARE(shared::NakshatraName, std::string());
    }

    void anyReadableContentOpensOnlyItsFirstLineCounts_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("name");
        QTest::newRow("two lines")
            << QByteArray("\xA7\xBA\xCB\xB6\xC9\xBE\r\n\x97\xBD\xBA\r\n") << "Revati";
        QTest::newRow("plain text Revati") << QByteArray("Revati\r\n") << "";
        QTest::newRow("empty file") << QByteArray() << "";
    }
    void anyReadableContentOpensOnlyItsFirstLineCounts() {
        QFETCH(QByteArray, content);
        QFETCH(QString, name);
        WriteFile(Path("any.tbx"), content);
        Open(Path("any.tbx"));
        QVERIFY(dialogs_.Messages.empty());
        QVERIFY(Result() && Result()->isVisible());
        if (name.isEmpty()) {
            QCOMPARE(Result()->RTB[0]->toPlainText(), QString());
            QCOMPARE(Result()->RTB[1]->toPlainText(),
                     QString::fromLatin1(modTarabead::NoKnownNakshatraText.data(),
                                         modTarabead::NoKnownNakshatraText.size()));
        } else {
            QCOMPARE(QString::fromStdString(shared::NakshatraName), name);
            QVERIFY(Result()->RTB[1]->toPlainText().contains(QStringLiteral("FOUR MUKHI")));
        }
    }

    void openingLeavesTheMainWindowAndBirthDetailsAlone() {
        TypeExampleA();
        main_->cmdCalculate->click();
        Result()->cmdBack_Click();
        const BirthDetails before = shared::BirthDetails;
        WriteFile(Path("r.tbx"), QByteArray(result::ReadingFileBytes("Revati").c_str()));
        Open(Path("r.tbx"));
        QVERIFY(shared::BirthDetails == before);
        QCOMPARE(main_->txtName->text(), QStringLiteral("Asha"));
        QCOMPARE(main_->cboYear->currentText(), QStringLiteral("1947"));
        QCOMPARE(main_->cboTimeZone->currentIndex(), 34);
        QCOMPARE(main_->txtLonDeg->text(), QStringLiteral("77"));
    }

    void unreadableFilesAreRefused() {
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("folder.tbx")));
        Open(Path("folder.tbx"));
        Open(Path("missing.tbx"));
        QStringList expected{"Please Check The File.", "Please Check The File."};
        if (geteuid() != 0) {  // permissions do not bind the superuser
            WriteFile(Path("locked.tbx"), "\xA7\xBA\xCB\xB6\xC9\xBE\r\n");
            QFile::setPermissions(Path("locked.tbx"), QFileDevice::Permissions());
            Open(Path("locked.tbx"));
            expected << "Please Check The File.";
        }
        QCOMPARE(dialogs_.MessageTexts(), expected);
        QVERIFY(Result() == nullptr);
    }

    void aHugeFileWithoutLineBreaksOpensPromptly() {
        {
            QFile f(Path("huge.tbx"));
            QVERIFY(f.open(QIODevice::WriteOnly));
            const QByteArray block(1 << 20, '\xA7');
            for (int i = 0; i < 50; ++i) f.write(block);
        }
        QElapsedTimer timer;
        timer.start();
        Open(Path("huge.tbx"));
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(Result());
        QCOMPARE(shared::NakshatraName.size(), result::ReadingFileLineLimit);
    }

    void aFailedSaveSaysSoAndHarmsNothing_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("needsPermissions");
        QTest::newRow("folder gone") << "gone/reading.tbx" << false;
        QTest::newRow("name taken by a folder") << "folder.tbx" << false;
        QTest::newRow("read-only folder with an earlier reading") << "ro/reading.tbx" << true;
    }
    void aFailedSaveSaysSoAndHarmsNothing() {
        QFETCH(QString, target);
        QFETCH(bool, needsPermissions);
        if (needsPermissions && geteuid() == 0) QSKIP("permissions do not bind the superuser");
        QDir(dir_->path()).mkdir(QStringLiteral("folder.tbx"));
        QDir(dir_->path()).mkdir(QStringLiteral("ro"));
        WriteFile(Path("ro/reading.tbx"), "earlier reading");
        QFile::setPermissions(Path("ro"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        ShowReadingOf("Revati");
        Save(Path(target));
        QCOMPARE(dialogs_.Messages.size(), std::size_t(1));
        QCOMPARE(dialogs_.Messages[0].Icon, MessageIcon::Critical);
        QCOMPARE(dialogs_.Messages[0].Title, QStringLiteral("Tarabead"));
        QVERIFY(
            dialogs_.Messages[0].Text.startsWith(QStringLiteral("The reading could not be saved")));
        QCOMPARE(ReadFile(Path("ro/reading.tbx")), QByteArray("earlier reading"));
        QVERIFY(QFileInfo(Path("folder.tbx")).isDir());
        QVERIFY(!QFile::exists(Path("gone")));
        QFile::setPermissions(
            Path("ro"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void placeSearchAsksForTheMissingPlaceInOrder_data() {
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("all empty") << ""
                                   << ""
                                   << ""
                                   << "Please Enter City"
                                   << "txtCity";
        QTest::newRow("state and country empty") << "Pune"
                                                 << ""
                                                 << ""
                                                 << "Please Enter State"
                                                 << "txtState";
        QTest::newRow("country empty") << "Pune"
                                       << "Maharashtra"
                                       << ""
                                       << "Please Enter Country"
                                       << "txtCountry";
        QTest::newRow("complete, name empty") << "Pune"
                                              << "Maharashtra"
                                              << "India"
                                              << ""
                                              << "";
    }
    void placeSearchAsksForTheMissingPlaceInOrder() {
        QFETCH(QString, city);
        QFETCH(QString, state);
        QFETCH(QString, country);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        main_->txtName->setFocus();
        main_->txtCity->setText(city);
        main_->txtState->setText(state);
        main_->txtCountry->setText(country);
        main_->Command1->click();
        if (message.isEmpty()) {
            QVERIFY(dialogs_.Messages.empty());
            QCOMPARE(opened_.size(), 1);
            QCOMPARE(QUrlQuery(opened_[0]).queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded),
                     QStringLiteral("Pune Maharashtra India Latitude Longitude"));
        } else {
            QCOMPARE(dialogs_.MessageTexts(), QStringList{message});
            QCOMPARE(dialogs_.Messages[0].Icon, MessageIcon::Critical);
            QVERIFY(opened_.isEmpty());
            QCOMPARE(main_->focusWidget() ? main_->focusWidget()->objectName() : QString(), focus);
        }
    }

    void placeSearchTextCannotAlterTheAddress() {
        const QUrl url = WebSearchAddress(QStringLiteral("A&q=B #C+D %20 \u00e9"));
        QCOMPARE(url.host(), QStringLiteral("duckduckgo.com"));
        QCOMPARE(url.fragment(), QString());
        const QUrlQuery query(url);
        QCOMPARE(query.queryItems().size(), 1);
        QCOMPARE(query.queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded),
                 QStringLiteral("A&q=B #C+D %20 \u00e9"));
    }

    void universalTimeFollowsTheFieldsAndTheHintTheSides() {
        QCOMPARE(main_->lblUniversalTime->text(), QString());  // no longitude yet
        TypeExampleA();
        QCOMPARE(main_->lblUniversalTime->text(),
                 QStringLiteral("Universal Time: 14 August 1947, 18:30"));
        QCOMPARE(main_->lblZoneHint->text(), QString());
        main_->chkDST->setChecked(true);
        QCOMPARE(main_->lblUniversalTime->text(),
                 QStringLiteral("Universal Time: 14 August 1947, 17:30"));
        main_->optLong[1]->setChecked(true);  // west: the Indian zone is now counted westward
        QCOMPARE(main_->lblUniversalTime->text(),
                 QStringLiteral("Universal Time: 15 August 1947, 04:30"));
        QVERIFY(main_->lblZoneHint->text().contains(QStringLiteral("west")));
        main_->cboTimeZone->setCurrentIndex(27);  // Eastern Standard Time: sides agree again
        QCOMPARE(main_->lblZoneHint->text(), QString());
        main_->txtLonDeg->clear();
        QCOMPARE(main_->lblUniversalTime->text(), QString());
        // Neither changes a request.
        TypeExampleA();
        main_->chkDST->setChecked(false);
        main_->cmdCalculate->click();
        QCOMPARE(shared::NakshatraName, std::string("Pushya"));
    }
};

QTEST_MAIN(ReadingFilesTest)
#include "ReadingFiles_test.moc"
