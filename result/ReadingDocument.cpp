#include "result/ReadingDocument.h"

#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include "reports/QtReportWriter.h"
#include "reports/ReportBuilders.h"

namespace tarabead::result {

namespace {

// Both report boxes write into the one document; the second box's clearing starts a new page.
class PrintBoxes final : public reports::ReportBoxes {
  public:
    explicit PrintBoxes(QTextDocument* document)
        : nakshatra_(document, 2.0, true), rudraksha_(document, 2.0, true) {}
    reports::ReportWriter* Box(int index) override {
        if (index == 0) return &nakshatra_;
        if (index == 1) return &rudraksha_;
        return nullptr;
    }

  private:
    reports::QtReportWriter nakshatra_, rudraksha_;
};

}  // namespace

std::unique_ptr<QTextDocument> BuildReadingDocument(std::string_view nakshatraName) {
    auto document = std::make_unique<QTextDocument>();
    QFont font = QGuiApplication::font();
    font.setPointSizeF(10.5);  // points, not pixels: the same size at any printer resolution
    document->setDefaultFont(font);
    PrintBoxes boxes(document.get());
    modNakshatraInformation::BuildNakshatraReport(boxes, nakshatraName);
    modTarabead::BuildRudrakshaReport(boxes, nakshatraName);
    return document;
}

void PrintReading(std::string_view nakshatraName, QPagedPaintDevice& device) {
    BuildReadingDocument(nakshatraName)->print(&device);
}

bool ExportReadingPdf(std::string_view nakshatraName, const QString& path, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(QStringLiteral("Tarabead reading"));
        writer.setCreator(QStringLiteral("Tarabead v1.20"));
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        PrintReading(nakshatraName, writer);
    }
    if (file.error() != QFileDevice::NoError || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace tarabead::result
