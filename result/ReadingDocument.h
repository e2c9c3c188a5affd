// Both reports of a reading in one paged document, for printing and PDF export.
#pragma once

#include <QString>
#include <memory>
#include <string_view>

class QPagedPaintDevice;
class QTextDocument;

namespace tarabead::result {

/// The nakshatra report, then the Rudraksha report from the top of a new page, written by the
/// same builders as the screen, with double-resolution pictures and the text in points so it
/// prints at the same size on any printer.
std::unique_ptr<QTextDocument> BuildReadingDocument(std::string_view nakshatraName);

/// Prints the reading of nakshatraName on device (a printer or a PDF writer).
void PrintReading(std::string_view nakshatraName, QPagedPaintDevice& device);

/// Writes the reading as a PDF file at path, replacing it only once the PDF is complete. On
/// failure returns false with the system's reason in error; nothing is left behind.
bool ExportReadingPdf(std::string_view nakshatraName, const QString& path, QString& error);

}  // namespace tarabead::result
