// Printing and PDF export of a reading: the document holds both reports, each from the top of a
// page, with their pictures; a PDF that cannot be written says so and leaves nothing behind.
#include "result/ReadingDocument.h"

#include <unistd.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>
#include <optional>

#include "result/frmTarabeadResult.h"
#include "shell/SharedState.h"
#include "shell/testing/RecordingDialogService.h"

using namespace tarabead;

namespace {

// Output of a poppler tool, or a null string when it cannot run.
QString Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class ReadingDocumentTest : public QObject {
    Q_OBJECT

    testing::RecordingDialogService dialogs_;
    std::optional<ScopedDialogService> useRecorder_;
    QTemporaryDir dir_;

  private slots:
    void init() {
        dialogs_.Clear();
        dialogs_.ChosenFiles.clear();
        dialogs_.PrinterSetUps = 0;
        useRecorder_.emplace(dialogs_);
        shared::NakshatraName = "Revati";
    }
    void cleanup() {
        if (auto* r = frmTarabeadResult::Loaded()) r->cmdBack_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        useRecorder_.reset();
    }

    void theRevatiPdfHoldsBothReportsAndTheirTwoPictures() {
        frmTarabeadResult* result = frmTarabeadResult::Instance();
        const QString path = dir_.filePath(QStringLiteral("revati.pdf"));
        dialogs_.ChosenFiles.push_back(dir_.filePath(QStringLiteral("revati")));
        result->mnuExportPdf->trigger();
        QVERIFY(dialogs_.Messages.empty());
        QCOMPARE(dialogs_.FileDialogs.back().Request.Title, QStringLiteral("Tarabead"));
        QCOMPARE(dialogs_.FileDialogs.back().Request.DefaultSuffix, QStringLiteral("pdf"));
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");

        const QString text = Run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        QVERIFY2(!text.isNull(), "pdftotext (poppler-utils) must be installed");
        QVERIFY(text.contains(QStringLiteral("FOUR MUKHI RUDRAKSHA")));
        QVERIFY(text.contains(QStringLiteral("Ruling Planet")));
        QVERIFY(text.contains(QStringLiteral("Zeta Piscum")));

        const QStringList images = Run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path})
                                       .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        int pictures = 0;
        for (const QString& line : images.mid(2)) {  // two header lines
            if (line.simplified().split(QLatin1Char(' ')).value(2) == QStringLiteral("image"))
                ++pictures;
        }
        QCOMPARE(pictures, 2);

        // The Rudraksha report starts a page of its own: the page that holds its first heading
        // holds nothing of the nakshatra report.
        const int pages = Run(QStringLiteral("pdfinfo"), {path})
                              .section(QStringLiteral("Pages:"), 1)
                              .section(QLatin1Char('\n'), 0, 0)
                              .trimmed()
                              .toInt();
        QVERIFY(pages >= 2);
        bool found = false;
        for (int page = 1; page <= pages && !found; ++page) {
            const QString p = QString::number(page);
            const QString pageText =
                Run(QStringLiteral("pdftotext"),
                    {QStringLiteral("-f"), p, QStringLiteral("-l"), p, path, QStringLiteral("-")});
            // (the PDF sets "fi" as a ligature, so the first heading is found by its neighbour)
            if (pageText.contains(QStringLiteral("for keeping Rudraksh"))) {
                found = true;
                QVERIFY(page > 1);
                QVERIFY(!pageText.contains(QStringLiteral("Temperaments")));
                QVERIFY(!pageText.contains(QStringLiteral("Domestic Life")));
            }
        }
        QVERIFY(found);
    }

    void aPdfThatCannotBeWrittenSaysSoAndWritesNothing_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("needsPermissions");
        QTest::newRow("folder gone") << "gone/reading.pdf" << false;
        QTest::newRow("name taken by a folder") << "folder.pdf" << false;
        QTest::newRow("read-only folder") << "ro/reading.pdf" << true;
    }
    void aPdfThatCannotBeWrittenSaysSoAndWritesNothing() {
        QFETCH(QString, target);
        QFETCH(bool, needsPermissions);
        if (needsPermissions && geteuid() == 0) QSKIP("permissions do not bind the superuser");
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("folder.pdf"));
        QDir(dir.path()).mkdir(QStringLiteral("ro"));
        QFile::setPermissions(dir.filePath(QStringLiteral("ro")),
                              QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        dialogs_.ChosenFiles.push_back(dir.filePath(target));
        frmTarabeadResult::Instance()->mnuExportPdf->trigger();
        QCOMPARE(dialogs_.Messages.size(), std::size_t(1));
        QCOMPARE(dialogs_.Messages[0].Icon, MessageIcon::Critical);
        QVERIFY(
            dialogs_.Messages[0].Text.startsWith(QStringLiteral("The PDF could not be written")));
        QCOMPARE(QDir(dir.filePath(QStringLiteral("ro"))).entryList(QDir::Files), QStringList());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
        QFile::setPermissions(dir.filePath(QStringLiteral("ro")), QFileDevice::ReadOwner |
                                                                      QFileDevice::WriteOwner |
                                                                      QFileDevice::ExeOwner);
    }

    void printingAsksForAPrinterAndACancelPrintsNothing() {
        frmTarabeadResult* result = frmTarabeadResult::Instance();
        QCOMPARE(result->mnuPrint->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
        result->mnuPrint->trigger();
        QCOMPARE(dialogs_.PrinterSetUps, 1);
        QVERIFY(dialogs_.Messages.empty());
    }

    void theDocumentStartsEachReportOnANewPage() {
        const auto document = result::BuildReadingDocument("Krittika");
        int pageBreaks = 0;
        for (QTextBlock b = document->begin(); b.isValid(); b = b.next()) {
            if (b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) {
                ++pageBreaks;
                QCOMPARE(b.text(), QStringLiteral("Benefits of Rudraksh"));
            }
        }
        QCOMPARE(pageBreaks, 1);
        QVERIFY(document->defaultFont().pointSizeF() > 0);  // points, not pixels
        QVERIFY(document->toPlainText().startsWith(QChar::ObjectReplacementCharacter));
    }
};

QTEST_MAIN(ReadingDocumentTest)
#include "ReadingDocument_test.moc"
