// The two report builders, through the plain-text target and a target that records every step.
#include "reports/ReportBuilders.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "reports/MarkupReportWriter.h"
#include "shell/SharedState.h"

namespace tarabead::reports {
namespace {

// Boxes 0 and 1 as markup targets; any other index has no box.
class TwoBoxes : public ReportBoxes {
  public:
    ReportWriter* Box(int index) override {
        if (index == 0) return &box0;
        if (index == 1) return &box1;
        return nullptr;
    }
    MarkupReportWriter box0, box1;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

// Text of the bold runs, in order.
std::vector<std::string> BoldTexts(const MarkupReportWriter& w) {
    std::vector<std::string> out;
    for (const auto& run : w.Runs()) {
        if (run.Bold && !run.IsPicture) out.push_back(run.Text);
    }
    return out;
}

TEST(NakshatraReport, PictureThenTwentyOneHeadedEntriesInReportColour) {
    TwoBoxes boxes;
    modNakshatraInformation::BuildNakshatraReport(boxes, "Ashwini");
    const auto& runs = boxes.box0.Runs();
    ASSERT_FALSE(runs.empty());
    EXPECT_TRUE(runs.front().IsPicture);
    EXPECT_EQ(runs.front().List, PictureList::IMG);
    EXPECT_EQ(runs.front().Number, 1);
    for (const auto& run : runs) {
        if (!run.IsPicture) {
            EXPECT_EQ(run.Colour, ReportColour) << run.Text;
        }
    }
    const auto lines = Lines(boxes.box0.ToPlainText());
    ASSERT_GE(lines.size(), 9u);
    const std::vector<std::string> head(lines.begin(), lines.begin() + 9);
    EXPECT_EQ(head, (std::vector<std::string>{"", "Ruling Planet", "Ketu", "", "Element",
                                              "Prithvi (Earth)", "", "Dosha", "Vata"}));
    const auto bold = BoldTexts(boxes.box0);
    ASSERT_EQ(bold.size(), 21u);
    EXPECT_EQ(bold.front(), "\r\nRuling Planet\r\n");
    EXPECT_EQ(bold.back(), "Health\r\n");
    // The last value ends the report without a blank line.
    const std::string text = boxes.box0.ToPlainText();
    EXPECT_NE(text.back(), '\n');
}

TEST(NakshatraReport, UnknownNameLeavesTheBoxEmptyAndRebuildingReplaces) {
    TwoBoxes boxes;
    modNakshatraInformation::BuildNakshatraReport(boxes, "Revati");
    const std::string once = boxes.box0.ToPlainText();
    modNakshatraInformation::BuildNakshatraReport(boxes, "Revati");
    EXPECT_EQ(boxes.box0.ToPlainText(), once);
    EXPECT_EQ(boxes.box0.Runs().front().Number, 27);
    for (const char* name : {"revati", "Poorva Ashadha", "", "Revati "}) {
        modNakshatraInformation::BuildNakshatraReport(boxes, name);
        EXPECT_TRUE(boxes.box0.Runs().empty()) << name;
    }
}

TEST(RudrakshaReport, RevatiGetsOneBlockForTheFourFacedBead) {
    TwoBoxes boxes;
    modTarabead::BuildRudrakshaReport(boxes, "Revati");
    EXPECT_EQ(modTarabead::RecommendedMukhis, std::vector<int>{4});
    const auto lines = Lines(boxes.box1.ToPlainText());
    ASSERT_GE(lines.size(), 35u);
    EXPECT_EQ(lines[0], "Benefits of Rudraksh");
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], "Do 's  for keeping Rudraksh");
    EXPECT_EQ(lines[13], "");
    EXPECT_EQ(lines[14], "Dont 's  for keeping Rudraksh");
    EXPECT_EQ(lines[20], "");
    EXPECT_EQ(lines[21], "");
    EXPECT_EQ(lines[22], "Rudraksha Name");
    EXPECT_EQ(lines[23], "FOUR MUKHI RUDRAKSHA");
    EXPECT_EQ(lines[24], "");
    EXPECT_EQ(lines[25], "");  // the picture's line
    EXPECT_EQ(lines[26], "Interpretation");
    EXPECT_EQ(lines[29], "Ruling Planet");
    EXPECT_EQ(lines[30], "Mercury");
    EXPECT_EQ(lines[32], "Ruling Planet Desc");
    EXPECT_EQ(lines.back(), "");  // the ritual is followed by a blank line

    int pictures = 0;
    for (const auto& run : boxes.box1.Runs()) {
        if (run.IsPicture) {
            ++pictures;
            EXPECT_EQ(run.List, PictureList::IMG2);
            EXPECT_EQ(run.Number, 4);
        } else {
            EXPECT_EQ(run.Colour, ReportColour) << run.Text;
        }
    }
    EXPECT_EQ(pictures, 1);
    const auto bold = BoldTexts(boxes.box1);
    EXPECT_EQ(bold[0], "Benefits of Rudraksh\r\n");
    EXPECT_EQ(bold[3], "Rudraksha Name\r\nFOUR MUKHI RUDRAKSHA\r\n\r\n");
}

TEST(RudrakshaReport, SunNakshatrasGetThreeBlocksAndOthersOne) {
    struct Case {
        const char* name;
        std::vector<int> mukhis;
    } cases[] = {
        {"Krittika", {1, 11, 12}},
        {"Uttara Phalguni", {1, 11, 12}},
        {"Uttara Ashadha", {1, 11, 12}},
        {"Ashwini", {9}},
        {"Pushya", {7}},
        {"Revati", {4}},
    };
    for (const Case& c : cases) {
        TwoBoxes boxes;
        modTarabead::BuildRudrakshaReport(boxes, c.name);
        EXPECT_EQ(modTarabead::RecommendedMukhis, c.mukhis) << c.name;
        std::vector<int> pictures;
        int careHeadings = 0;
        for (const auto& run : boxes.box1.Runs()) {
            if (run.IsPicture) pictures.push_back(run.Number);
        }
        for (const auto& line : Lines(boxes.box1.ToPlainText())) {
            careHeadings += line == "Benefits of Rudraksh";
        }
        EXPECT_EQ(pictures, c.mukhis) << c.name;
        EXPECT_EQ(careHeadings, static_cast<int>(c.mukhis.size())) << c.name;
    }
}

TEST(RudrakshaReport, NaValuesAndTheNineFacedBead) {
    TwoBoxes boxes;
    modTarabead::BuildRudrakshaReport(boxes, "Krittika");
    const auto lines = Lines(boxes.box1.ToPlainText());
    // Values under their headings in the second block (mukhi 11).
    std::map<std::string, std::vector<std::string>> valuesUnder;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i)
        valuesUnder[lines[i]].push_back(lines[i + 1]);
    EXPECT_EQ(valuesUnder["Rudraksha Name"],
              (std::vector<std::string>{"ONE MUKHI RUDRAKSHA", "ELEVEN MUKHI RUDRAKSHA",
                                        "TWELVE MUKHI RUDRAKSHA"}));
    EXPECT_EQ(valuesUnder["Ruling Planet"][1], "NA");
    EXPECT_EQ(valuesUnder["Ruling Planet Desc"][1], "NA");
    EXPECT_EQ(valuesUnder["Number"][1], "NA");

    TwoBoxes ashwini;
    modTarabead::BuildRudrakshaReport(ashwini, "Ashwini");
    const auto a = Lines(ashwini.box1.ToPlainText());
    std::map<std::string, std::string> under;
    for (std::size_t i = 0; i + 1 < a.size(); ++i) under.emplace(a[i], a[i + 1]);
    EXPECT_EQ(under["Rudraksha Name"], "NINE MUKHI RUDRAKSHA");
    EXPECT_EQ(under["Ruling Planet"], "Ketu");
    EXPECT_EQ(under["Ruling Planet Desc"], "NA");
}

TEST(RudrakshaReport, UnknownNameGetsOneLineAndRebuildingReplaces) {
    TwoBoxes boxes;
    modTarabead::BuildRudrakshaReport(boxes, "Revati");
    modTarabead::BuildRudrakshaReport(boxes, "Revati");
    int careHeadings = 0;
    for (const auto& line : Lines(boxes.box1.ToPlainText()))
        careHeadings += line == "Benefits of Rudraksh";
    EXPECT_EQ(careHeadings, 1);

    modTarabead::BuildRudrakshaReport(boxes, "Rohini ");
    EXPECT_TRUE(modTarabead::RecommendedMukhis.empty());
    EXPECT_EQ(boxes.box1.ToPlainText(), modTarabead::NoKnownNakshatraText);
    ASSERT_EQ(boxes.box1.Runs().size(), 1u);
    EXPECT_EQ(boxes.box1.Runs()[0].Colour, ReportColour);
}

TEST(RudrakshaReport, ModuleFormReadsTheCurrentReadingsName) {
    const std::string saved = shared::NakshatraName;
    shared::NakshatraName = "Hasta";
    TwoBoxes boxes;
    modTarabead::BuildRudrakshaReport(boxes);
    EXPECT_EQ(modTarabead::RecommendedMukhis, std::vector<int>{2});
    shared::NakshatraName = saved;
}

TEST(AddPicToRTB, ChoosesTheListByBoxAndIgnoresWhatIsNotThere) {
    struct Case {
        int box, number;
        bool inserted;
        PictureList list;
    } cases[] = {
        {0, 27, true, PictureList::IMG},  {0, 1, true, PictureList::IMG},
        {1, 15, true, PictureList::IMG2}, {0, 0, false, PictureList::IMG},
        {0, 28, false, PictureList::IMG}, {1, 16, false, PictureList::IMG2},
        {1, 0, false, PictureList::IMG2}, {-1, 3, false, PictureList::IMG2},
        {2, 3, false, PictureList::IMG2},
    };
    for (const Case& c : cases) {
        TwoBoxes boxes;
        modAddPicToRTB::AddPicToRTB(boxes, static_cast<std::int16_t>(c.box),
                                    static_cast<std::int16_t>(c.number));
        const auto& runs = (c.box == 0 ? boxes.box0 : boxes.box1).Runs();
        const bool any = !boxes.box0.Runs().empty() || !boxes.box1.Runs().empty();
        EXPECT_EQ(any, c.inserted) << c.box << "/" << c.number;
        if (c.inserted) {
            ASSERT_EQ(runs.size(), 1u);
            EXPECT_EQ(runs[0].List, c.list);
            EXPECT_EQ(runs[0].Number, c.number);
        }
    }

    // Any box index but 0 takes its picture from the bead list.
    class ManyBoxes : public ReportBoxes {
      public:
        ReportWriter* Box(int) override { return &box; }
        MarkupReportWriter box;
    } many;
    modAddPicToRTB::AddPicToRTB(many, 7, 15);
    ASSERT_EQ(many.box.Runs().size(), 1u);
    EXPECT_EQ(many.box.Runs()[0].List, PictureList::IMG2);
    modAddPicToRTB::AddPicToRTB(many, 7, 16);
    EXPECT_EQ(many.box.Runs().size(), 1u);
}

TEST(MarkupReportWriter, HtmlEscapesTextAndInlinesPictures) {
    MarkupReportWriter w;
    WriteHeading(w, "A & B <c>");
    w.InsertPicture(PictureList::IMG2, 3);
    w.InsertPicture(PictureList::IMG2, 4);
    const std::string html = HtmlPage("Reading", w.ToHtmlFragment([](PictureList, int n) {
        return n == 3 ? std::string("PNG\x01", 4) : std::string();
    }));
    EXPECT_NE(html.find("<b>A &amp; B &lt;c&gt;<br>"), std::string::npos) << html;
    EXPECT_NE(html.find("color:#875221"), std::string::npos);
    EXPECT_NE(html.find("src=\"data:image/png;base64,UE5HAQ==\" width=\"100\" height=\"100\""),
              std::string::npos);
    EXPECT_EQ(html.find("<img", html.find("<img") + 1), std::string::npos);  // no source, no img
    EXPECT_EQ(Base64("Man"), "TWFu");
    EXPECT_EQ(Base64("Ma"), "TWE=");
    EXPECT_EQ(Base64(""), "");
}

}  // namespace
}  // namespace tarabead::reports
