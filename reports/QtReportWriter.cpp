#include "reports/QtReportWriter.h"

#include <QFile>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

namespace tarabead::reports {

QString ReportPicturePath(PictureList list, int number) {
    const QString folder =
        list == PictureList::IMG ? QStringLiteral("nakshatra") : QStringLiteral("mukhi");
    return QStringLiteral(":/pictures/%1/%2.png").arg(folder).arg(number, 2, 10, QLatin1Char('0'));
}

QImage ReportPicture(PictureList list, int number, qreal devicePixelRatio) {
    if (number < 1 || number > PictureCount(list)) return {};
    const QString path = ReportPicturePath(list, number);
    if (devicePixelRatio > 1.0) {
        QString doubled = path;
        doubled.replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
        if (QFile::exists(doubled)) {
            QImage image(doubled);
            image.setDevicePixelRatio(2.0);
            return image;
        }
    }
    return QImage(path);
}

QtReportWriter::QtReportWriter(QTextEdit* edit) : edit_(edit) {}

QtReportWriter::QtReportWriter(QTextDocument* document, qreal devicePixelRatio,
                               bool clearStartsNewPage)
    : document_(document),
      devicePixelRatio_(devicePixelRatio),
      clearStartsNewPage_(clearStartsNewPage) {}

QTextDocument* QtReportWriter::Document() const {
    return edit_ ? edit_->document() : document_.data();
}

void QtReportWriter::Clear() {
    format_ = QTextCharFormat();
    if (edit_) {
        edit_->clear();
        return;
    }
    if (!document_) return;
    if (clearStartsNewPage_ && !document_->isEmpty()) {
        QTextCursor cursor(document_);
        cursor.movePosition(QTextCursor::End);
        QTextBlockFormat newPage;
        newPage.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        cursor.insertBlock(newPage, QTextCharFormat());
        return;
    }
    document_->clear();
}

void QtReportWriter::SetColour(Rgb colour) {
    format_.setForeground(QColor(colour.Red, colour.Green, colour.Blue));
}

void QtReportWriter::SetBold(bool bold) {
    format_.setFontWeight(bold ? QFont::Bold : QFont::Normal);
}

void QtReportWriter::InsertText(std::string_view text) {
    QTextDocument* document = Document();
    if (document == nullptr) return;
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    // Each line break starts a plain block: a new block would otherwise inherit the format of the
    // one before, such as the page break that starts a printed report.
    const QStringList lines = s.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) cursor.insertBlock(QTextBlockFormat(), format_);
        if (!lines[i].isEmpty()) cursor.insertText(lines[i], format_);
    }
}

void QtReportWriter::InsertPicture(PictureList list, int number) {
    QTextDocument* document = Document();
    if (document == nullptr) return;
    const QImage image =
        ReportPicture(list, number, edit_ ? edit_->devicePixelRatioF() : devicePixelRatio_);
    if (image.isNull()) return;
    const QUrl name(
        QStringLiteral("tarabead-picture:%1/%2")
            .arg(list == PictureList::IMG ? QStringLiteral("IMG") : QStringLiteral("IMG2"))
            .arg(number));
    document->addResource(QTextDocument::ImageResource, name, image);
    const PictureSize size = PictureSizeOf(list);
    QTextImageFormat picture;
    picture.setName(name.toString());
    picture.setWidth(size.Width);
    picture.setHeight(size.Height);
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    cursor.insertImage(picture);
}

}  // namespace tarabead::reports
