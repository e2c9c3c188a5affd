// Renders the main window off screen to PNG files, so its look can be checked without a desktop:
//
//   tarabead_screenshots OUTPUT_FOLDER
//
// Writes frmMain-fresh.png (as started), frmMain-filled.png (a typical entry) and
// frmMain-wide.png (the window enlarged), then frmTarabeadResult-nakshatra.png and
// frmTarabeadResult-rudraksha.png (the reading of that entry on its two tabs) and frmAbout.png
// (the About box). Run it with QT_SCALE_FACTOR=2 for a HiDPI rendering;
// see take-screenshots.sh.
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QScrollBar>
#include <QTabBar>
#include <QTextBlock>
#include <QTextEdit>
#include <cstdio>

#include "help/frmAbout.h"
#include "reports/ReportBuilders.h"
#include "result/frmTarabeadResult.h"
#include "shell/SharedState.h"
#include "shell/Startup.h"
#include "shell/frmMain.h"

namespace {

bool Save(QWidget& window, const QString& path) {
    QApplication::processEvents();
    const QPixmap picture = window.grab();
    const bool saved = picture.save(path);
    std::printf("%s %s (%dx%d device pixels, ratio %.1f)\n", saved ? "wrote" : "FAILED",
                qPrintable(path), picture.width(), picture.height(), picture.devicePixelRatio());
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tarabead::ConfigureApplication();
    if (argc != 2) {
        std::fprintf(stderr, "usage: tarabead_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.path());

    tarabead::frmMain window;
    window.show();
    bool ok = Save(window, folder.filePath("frmMain-fresh.png"));

    window.txtName->setText("Asha Rao");
    window.cboDate->setCurrentIndex(14);
    window.cboMonth->setCurrentIndex(7);
    window.cboYear->setCurrentIndex(window.cboYear->findText("1947"));
    window.cboHour->setCurrentIndex(5);
    window.cboMinute->setCurrentIndex(30);
    window.cboTimeZone->setCurrentIndex(34);
    window.txtLatDeg->setText("18");
    window.txtLatMin->setText("31");
    window.txtLonDeg->setText("73");
    window.txtLonMin->setText("51");
    window.txtCity->setText("Pune");
    window.txtState->setText("Maharashtra");
    window.txtCountry->setText("India");
    window.txtCountry->setFocus();
    ok = Save(window, folder.filePath("frmMain-filled.png")) && ok;

    window.resize(window.width() * 3 / 2, window.height() * 4 / 3);
    ok = Save(window, folder.filePath("frmMain-wide.png")) && ok;

    // A reading: the Pushya reports on their two tabs, and the Rudraksha report scrolled to its
    // bead.
    window.resize(window.sizeHint());
    window.cmdCalculate->click();
    tarabead::frmTarabeadResult* result = tarabead::frmTarabeadResult::Loaded();
    if (result == nullptr) {
        std::fprintf(stderr, "the reading request did not open the result window\n");
        return 1;
    }
    ok = Save(*result, folder.filePath("frmTarabeadResult-nakshatra.png")) && ok;
    result->TS->setCurrentIndex(1);
    result->RTB[1]->verticalScrollBar()->setValue(result->RTB[1]->verticalScrollBar()->maximum() /
                                                  3);
    ok = Save(*result, folder.filePath("frmTarabeadResult-rudraksha.png")) && ok;

    // The About box, as Help > About Software shows it over the result window.
    {
        tarabead::frmAbout about(result);
        about.show();
        ok = Save(about, folder.filePath("frmAbout.png")) && ok;
        about.close();
    }

    // Readings opened by name, as from a saved file: one bead (Revati) and three (Krittika), each
    // tab at its top and the Rudraksha tab once more at its first picture.
    for (const char* name : {"Revati", "Krittika"}) {
        tarabead::shared::NakshatraName = name;
        result->cmdBack_Click();
        QApplication::processEvents();
        result = tarabead::frmTarabeadResult::Instance();
        tarabead::modNakshatraInformation::BuildNakshatraReport(*result, name);
        tarabead::modTarabead::BuildRudrakshaReport(*result);
        result->ShowReportsFromTheTop();
        result->show();
        const QString stem = QStringLiteral("reading-%1").arg(QString::fromLatin1(name).toLower());
        ok = Save(*result, folder.filePath(stem + "-nakshatra.png")) && ok;
        result->TS->setCurrentIndex(1);
        ok = Save(*result, folder.filePath(stem + "-rudraksha.png")) && ok;
        QTextEdit* box = result->RTB[1];
        box->verticalScrollBar()->setValue(
            box->document()
                ->documentLayout()
                ->blockBoundingRect(box->document()->findBlock(
                    box->toPlainText().indexOf(QStringLiteral("Rudraksha Name"))))
                .top());
        ok = Save(*result, folder.filePath(stem + "-bead.png")) && ok;
    }
    return ok ? 0 : 1;
}
