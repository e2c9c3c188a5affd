#include "reports/ReportBuilders.h"

#include <string>

#include "reports/modNakshatraInformation.h"
#include "reports/modTarabead.h"
#include "shell/SharedState.h"

namespace tarabead::modNakshatraInformation {

using namespace reports;

void BuildNakshatraReport(ReportBoxes& boxes, std::string_view name) {
    ReportWriter* box = boxes.Box(0);
    if (box == nullptr) return;
    box->Clear();
    const int number = NakshatraNumber(name);
    if (number == 0) return;
    const NakshatraRow& row = NakshatraTable()[number - 1];

    modAddPicToRTB::AddPicToRTB(boxes, 0, static_cast<std::int16_t>(number));
    const std::pair<std::string_view, std::string_view> entries[] = {
        {"Ruling Planet", row.RulingPlanet},
        {"Element", row.Element},
        {"Dosha", row.Dosha},
        {"Ruling Deva", row.RulingDeva},
        {"Purpose Of The Deva", row.DevaPurpose},
        {"Astronomical Name", row.AstronomicalName},
        {"Purpose in Life", row.LifePurpose},
        {"Animal Symbol", row.AnimalSymbol},
        {"Symbol", row.Symbol},
        {"Nature", row.Nature},
        {"Gender", row.Gender},
        {"Lucky Gemstone", row.Gemstone},
        {"Best Direction", row.Direction},
        {"Part Of Body", row.BodyPart},
        {"Temperaments", row.Temperament},
        {"General And Physical Features", row.GeneralFeatures},
        {"Positive Human Traits", row.PositiveTraits},
        {"Negative Human Traits", row.NegativeTraits},
        {"Best Career Option", row.Career},
        {"Domestic Life", row.DomesticLife},
        {"Health", row.Health},
    };
    const std::size_t last = std::size(entries) - 1;
    for (std::size_t i = 0; i <= last; ++i) {
        // The first heading follows the picture and starts a line of its own; the report ends on
        // its last value, with no blank line after it.
        WriteHeading(*box, entries[i].first, i == 0);
        WriteValue(*box, entries[i].second, i == last);
    }
}

}  // namespace tarabead::modNakshatraInformation

namespace tarabead::modTarabead {

using namespace reports;

std::vector<int> RecommendedMukhis;

namespace {

void WriteCareList(ReportWriter& box, const std::array<std::string, CareLineCount>& list) {
    for (int line = 0; line < CareLineCount; ++line) WritePlainLine(box, list[line], line == 0);
}

std::string Capitals(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

void WriteBlock(ReportBoxes& boxes, ReportWriter& box, int mukhi) {
    const MukhiRow& row = MukhiTable()[mukhi - 1];
    WriteCareList(box, BenefitsList);
    box.InsertText(LineBreak);
    WriteCareList(box, DosList);
    box.InsertText(LineBreak);
    WriteCareList(box, DontsList);
    box.InsertText(std::string(LineBreak) + std::string(LineBreak));

    WriteHeading(box, "Rudraksha Name");
    box.SetColour(ReportColour);
    box.SetBold(true);
    box.InsertText(Capitals(row.Name) + std::string(LineBreak) + std::string(LineBreak));
    box.SetBold(false);
    modAddPicToRTB::AddPicToRTB(boxes, 1, static_cast<std::int16_t>(mukhi));
    WriteHeading(box, "Interpretation", true);
    WriteValue(box, row.Description);
    const std::pair<std::string_view, std::string_view> entries[] = {
        {"Ruling Planet", row.Planet},   {"Ruling Planet Desc", row.PlanetReading},
        {"Symbol Of", row.Deity},        {"Number", row.Number},
        {"Day To Wear", row.WearDay},    {"Mantras", row.Mantra},
        {"Body Parts", row.BodyParts},   {"Ailments", row.Ailments},
        {"Rituals To Wear", row.Ritual},
    };
    for (const auto& [heading, value] : entries) {
        WriteHeading(box, heading);
        WriteValue(box, value);
    }
}

}  // namespace

void BuildRudrakshaReport(ReportBoxes& boxes, std::string_view nakshatraName) {
    const auto choice = MukhiChoice(nakshatraName);
    RecommendedMukhis.clear();
    if (choice) RecommendedMukhis.assign(choice->begin(), choice->end());
    LoadRudrakshaCare();
    ReportWriter* box = boxes.Box(1);
    if (box == nullptr) return;
    box->Clear();
    // The care lists set no colour of their own; starting in the report colour keeps the first
    // block like the others.
    box->SetColour(ReportColour);
    if (RecommendedMukhis.empty()) {
        WriteValue(*box, NoKnownNakshatraText, true);
        return;
    }
    for (int mukhi : RecommendedMukhis) WriteBlock(boxes, *box, mukhi);
}

void BuildRudrakshaReport(ReportBoxes& boxes) {
    BuildRudrakshaReport(boxes, shared::NakshatraName);
}

}  // namespace tarabead::modTarabead

namespace tarabead::reports {

namespace {

// The two reports of a name, each in its own markup box.
struct MarkupBoxes final : ReportBoxes {
    explicit MarkupBoxes(std::string_view name) {
        modNakshatraInformation::BuildNakshatraReport(*this, name);
        modTarabead::BuildRudrakshaReport(*this, name);
    }
    ReportWriter* Box(int index) override {
        return index == 0 ? &nakshatra : index == 1 ? &rudraksha : nullptr;
    }
    MarkupReportWriter nakshatra, rudraksha;
};

std::string PictureCaption(PictureList list, int number) {
    return std::string(list == PictureList::IMG
                           ? modNakshatraInformation::NakshatraTable()[number - 1].Name
                           : modTarabead::MukhiTable()[number - 1].Name);
}

}  // namespace

std::string ReadingAsText(std::string_view nakshatraName) {
    const MarkupBoxes boxes(nakshatraName);
    std::string text = boxes.nakshatra.ToPlainText(PictureCaption);
    if (!text.empty()) text += "\n\n";
    text += boxes.rudraksha.ToPlainText(PictureCaption);
    if (text.empty() || text.back() != '\n') text += '\n';
    return text;
}

std::string ReadingAsHtml(std::string_view nakshatraName, const PictureSource& source) {
    const MarkupBoxes boxes(nakshatraName);
    std::string body = boxes.nakshatra.ToHtmlFragment(source);
    if (!body.empty()) body += "\n<hr>\n";
    body += boxes.rudraksha.ToHtmlFragment(source);
    return HtmlPage("Tarabead reading: " + std::string(nakshatraName), body);
}

}  // namespace tarabead::reports
