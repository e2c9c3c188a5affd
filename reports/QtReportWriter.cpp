#include "reports/QtReportWriter.h"

#include <QFile>
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

void QtReportWriter::Clear() {
    if (!edit_) return;
    edit_->clear();
    format_ = QTextCharFormat();
}

void QtReportWriter::SetColour(Rgb colour) {
    format_.setForeground(QColor(colour.Red, colour.Green, colour.Blue));
}

void QtReportWriter::SetBold(bool bold) {
    format_.setFontWeight(bold ? QFont::Bold : QFont::Normal);
}

void QtReportWriter::InsertText(std::string_view text) {
    if (!edit_) return;
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QTextCursor cursor(edit_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(s, format_);
}

void QtReportWriter::InsertPicture(PictureList list, int number) {
    if (!edit_) return;
    const QImage image = ReportPicture(list, number, edit_->devicePixelRatioF());
    if (image.isNull()) return;
    const QUrl name(
        QStringLiteral("tarabead-picture:%1/%2")
            .arg(list == PictureList::IMG ? QStringLiteral("IMG") : QStringLiteral("IMG2"))
            .arg(number));
    edit_->document()->addResource(QTextDocument::ImageResource, name, image);
    const PictureSize size = PictureSizeOf(list);
    QTextImageFormat picture;
    picture.setName(name.toString());
    picture.setWidth(size.Width);
    picture.setHeight(size.Height);
    QTextCursor cursor(edit_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertImage(picture);
}

}  // namespace tarabead::reports
