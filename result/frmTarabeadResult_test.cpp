// The result window: its tabs, Back and the ways it ends the program.
#include "result/frmTarabeadResult.h"

#include <QSignalSpy>
#include <QTabBar>
#include <QTextEdit>
#include <QtTest>

#include "help/modHelp.h"
#include "reports/ReportBuilders.h"
#include "shell/frmMain.h"

using namespace tarabead;

class frmTarabeadResultTest : public QObject {
    Q_OBJECT

    // Writes both reports of name into the result window, as a reading does.
    static frmTarabeadResult* ShowReading(const char* name) {
        frmTarabeadResult* result = frmTarabeadResult::Instance();
        modNakshatraInformation::BuildNakshatraReport(*result, name);
        modTarabead::BuildRudrakshaReport(*result, name);
        result->show();
        return result;
    }

  private slots:
    void cleanup() {
        if (auto* r = frmTarabeadResult::Loaded()) {
            r->cmdBack_Click();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void controlsCaptionsAndMenus() {
        frmTarabeadResult* r = frmTarabeadResult::Instance();
        QCOMPARE(r->windowTitle(), QStringLiteral("Tarabead v1.20"));
        QCOMPARE(r->TS->count(), 2);
        QCOMPARE(r->TS->tabText(0), QStringLiteral("Nakshatra Details"));
        QCOMPARE(r->TS->tabText(1), QStringLiteral("Tarabead Results"));
        QCOMPARE(r->cmdSave->text(), QStringLiteral("&Save"));
        QCOMPARE(r->cmdBack->text(), QStringLiteral("&Back"));
        QCOMPARE(r->RTB[0]->objectName(), QStringLiteral("RTB_0"));
        QCOMPARE(r->RTB[1]->objectName(), QStringLiteral("RTB_1"));
        QVERIFY(r->RTB[0]->isReadOnly());
        QVERIFY(r->findChild<QLabel*>(QStringLiteral("Label61")));

        QStringList bar;
        for (QAction* a : r->QMainWindow::menuBar()->actions()) bar << a->text();
        QCOMPARE(bar, (QStringList{"&File", "&Help", "&Donate"}));
        QStringList file, help;
        for (QAction* a : r->mnuFile->actions()) file << (a->isSeparator() ? "-" : a->text());
        for (QAction* a : r->mnuHelp->actions()) help << (a->isSeparator() ? "-" : a->text());
        QCOMPARE(file, (QStringList{"&Back", "-", "&Print...", "Export as &PDF...", "-", "E&xit"}));
        QCOMPARE(help, (QStringList{"&Online Help", "&Visit Us Online", "-",
                                    "Check for Software &Update", "-", "&About Software"}));
        QVERIFY(r->mnuDonate->menu() == nullptr);
    }

    void tabsBringTheirReportToTheFrontAndRewriteNothing() {
        frmTarabeadResult* r = ShowReading("Pushya");
        QCOMPARE(r->TS->currentIndex(), 0);
        QCOMPARE(r->frames->currentWidget(), r->fraNakshatra);
        const QString nakshatra = r->RTB[0]->toHtml();
        const QString rudraksha = r->RTB[1]->toHtml();
        QVERIFY(r->RTB[0]->toPlainText().contains(QStringLiteral("Saturn")));
        QVERIFY(r->RTB[1]->toPlainText().contains(QStringLiteral("SEVEN MUKHI RUDRAKSHA")));

        r->TS->setCurrentIndex(1);
        QCOMPARE(r->frames->currentWidget(), r->fraRudraksha);
        r->TS->setCurrentIndex(0);
        QCOMPARE(r->frames->currentWidget(), r->fraNakshatra);
        QCOMPARE(r->RTB[0]->toHtml(), nakshatra);
        QCOMPARE(r->RTB[1]->toHtml(), rudraksha);
    }

    void backShowsTheMainWindowAndTheNextReadingStartsFresh() {
        frmMain main;
        main.txtName->setText(QStringLiteral("Asha"));
        main.hide();
        QPointer<frmTarabeadResult> first = ShowReading("Hasta");
        first->TS->setCurrentIndex(1);
        first->cmdBack_Click();
        QVERIFY(main.isVisible());
        QCOMPARE(main.txtName->text(), QStringLiteral("Asha"));
        QVERIFY(frmTarabeadResult::Loaded() == nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());

        frmTarabeadResult* second = ShowReading("Revati");
        QCOMPARE(second->TS->currentIndex(), 0);
        QCOMPARE(second->frames->currentWidget(), second->fraNakshatra);
        QVERIFY(!second->RTB[1]->toPlainText().contains(QStringLiteral("TWO MUKHI")));
        QVERIFY(second->RTB[1]->toPlainText().contains(QStringLiteral("FOUR MUKHI RUDRAKSHA")));
    }

    void closeBoxAndExitEndTheProgramButBackDoesNot_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("ends");
        QTest::newRow("close box") << "close" << 1;
        QTest::newRow("File > Exit") << "exit" << 1;
        QTest::newRow("Back") << "back" << 0;
        QTest::newRow("File > Back") << "menuBack" << 0;
    }
    void closeBoxAndExitEndTheProgramButBackDoesNot() {
        QFETCH(QString, how);
        QFETCH(int, ends);
        int endings = 0;
        modHelp::ScopedEndProcess guard([&endings] { ++endings; });
        frmMain* main = new frmMain;
        main->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<frmMain> mainGuard(main);
        main->hide();
        frmTarabeadResult* r = ShowReading("Ashwini");
        if (how == "close") r->close();
        if (how == "exit") r->mnuExit->trigger();
        if (how == "back") r->cmdBack->click();
        if (how == "menuBack") r->mnuBack->trigger();
        QCOMPARE(endings, ends);
        QCOMPARE(frmTarabeadResult::Loaded(), nullptr);
        if (ends) {
            QVERIFY(mainGuard.isNull() || !mainGuard->isVisible());
        } else {
            QVERIFY(mainGuard->isVisible());
            delete mainGuard.data();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(frmTarabeadResultTest)
#include "frmTarabeadResult_test.moc"
