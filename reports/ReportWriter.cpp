#include "reports/ReportWriter.h"

#include <string>

namespace tarabead::reports {

void WriteHeading(ReportWriter& box, std::string_view text, bool leadingLineBreak) {
    box.SetColour(ReportColour);
    box.SetBold(true);
    std::string line;
    if (leadingLineBreak) line += LineBreak;
    line += text;
    line += LineBreak;
    box.InsertText(line);
    box.SetBold(false);
}

void WriteValue(ReportWriter& box, std::string_view text, bool noTrailingBreaks) {
    box.SetColour(ReportColour);
    std::string value(text);
    if (!noTrailingBreaks) {
        value += LineBreak;
        value += LineBreak;
    }
    box.InsertText(value);
}

void WritePlainLine(ReportWriter& box, std::string_view text, bool bold) {
    if (bold) box.SetBold(true);
    box.InsertText(std::string(text) + std::string(LineBreak));
    if (bold) box.SetBold(false);
}

}  // namespace tarabead::reports

namespace tarabead::modAddPicToRTB {

void AddPicToRTB(reports::ReportBoxes& boxes, std::int16_t box, std::int16_t number) {
    reports::ReportWriter* target = boxes.Box(box);
    if (target == nullptr) return;
    const auto list = box == 0 ? reports::PictureList::IMG : reports::PictureList::IMG2;
    if (number < 1 || number > reports::PictureCount(list)) return;
    target->InsertPicture(list, number);
}

}  // namespace tarabead::modAddPicToRTB
