// The report target of the result window: appends to a QTextEdit's document at its end.
#pragma once

#include <QImage>
#include <QPointer>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextEdit>

#include "reports/ReportWriter.h"

namespace tarabead::reports {

/// Picture number of a list from the program's resources, at the given device pixel ratio (a
/// double-resolution picture is used above 1 when there is one); a null image when there is none.
QImage ReportPicture(PictureList list, int number, qreal devicePixelRatio = 1.0);

/// Resource path of picture number of a list, e.g. ":/pictures/nakshatra/27.png".
QString ReportPicturePath(PictureList list, int number);

/// Writes a report into one QTextEdit, or into a QTextDocument of its own (for printing).
/// Pictures go straight into the document as image resources at the insertion point; the system
/// clipboard is never touched.
class QtReportWriter final : public ReportWriter {
  public:
    explicit QtReportWriter(QTextEdit* edit);

    /// Writes into document, with pictures for devicePixelRatio. With clearStartsNewPage, Clear
    /// on a document that already holds text starts a new page instead of emptying it, so that
    /// two reports can share one printed document, each from the top of a page.
    QtReportWriter(QTextDocument* document, qreal devicePixelRatio, bool clearStartsNewPage);

    void Clear() override;
    void SetColour(Rgb colour) override;
    void SetBold(bool bold) override;
    void InsertText(std::string_view text) override;
    void InsertPicture(PictureList list, int number) override;

  private:
    QTextDocument* Document() const;

    QPointer<QTextEdit> edit_;
    QPointer<QTextDocument> document_;
    qreal devicePixelRatio_ = 1.0;
    bool clearStartsNewPage_ = false;
    QTextCharFormat format_;
};

}  // namespace tarabead::reports
