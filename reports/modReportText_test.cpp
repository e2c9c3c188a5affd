// The reader of the embedded report texts, on small texts written as EmbedText.cmake embeds them
// (CR LF line breaks). In the build the same functions run while compiling, where a fault stops it.
#include "reports/modReportText.h"

#include <gtest/gtest.h>

#include <string>

namespace tarabead::modReportText {
namespace {

constexpr std::string_view kGood =
    "# Title\r\n"
    "\r\n"
    "## One\r\n"
    "\r\n"
    "First section.\r\n"
    "\r\n"
    "## Two\r\n"
    "Second section, first paragraph.\r\n"
    "\r\n"
    "Second section, second paragraph.\r\n"
    "\r\n"
    "\r\n"
    "## Three\r\n"
    "\r\n"
    "Last section, no final line break.";

// Read while compiling, as the tables do.
static_assert(Title(kGood) == "Title");
static_assert(Section(kGood, "One") == "First section.");

TEST(ReportText, SectionsRunFromTheirFirstParagraphToTheEndOfTheirLast) {
    EXPECT_NO_THROW(CheckHeadings(kGood, {"Three", "One", "Two"}));
    EXPECT_EQ(Section(kGood, "Two"),
              "Second section, first paragraph.\r\n\r\nSecond section, second paragraph.");
    EXPECT_EQ(Section(kGood, "Three"), "Last section, no final line break.");
    EXPECT_EQ(Title("\xEF\xBB\xBF# Saved with a byte order mark\r\n"),
              "Saved with a byte order mark");
}

struct FaultCase {
    const char* label;
    std::string_view text;
    std::string_view heading;  // the section read, if the fault is in a section
    const char* fault;         // part of the fault's message
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.label; }

class ReportTextFaults : public ::testing::TestWithParam<FaultCase> {};

// Each fault must be reported: left alone it would print an empty or garbled paragraph.
TEST_P(ReportTextFaults, AreReportedNotPrinted) {
    const FaultCase& c = GetParam();
    try {
        if (c.heading.empty()) {
            CheckHeadings(c.text, {"One", "Two"});
        } else {
            Section(c.text, c.heading);
        }
        ADD_FAILURE() << "no fault reported";
    } catch (const TextFault& fault) {
        EXPECT_NE(std::string(fault.what()).find(c.fault), std::string::npos) << fault.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReportTextFaults,
    ::testing::Values(
        FaultCase{"NoTitle", "## One\r\nA.\r\n## Two\r\nB.\r\n", "", "title"},
        FaultCase{"MisspeltHeading", "# T\r\n## One\r\nA.\r\n## Tow\r\nB.\r\n", "", "not one of"},
        FaultCase{"MissingHeading", "# T\r\n## One\r\nA.\r\n", "", "missing"},
        FaultCase{"DoubledHeading", "# T\r\n## One\r\nA.\r\n## Two\r\nB.\r\n## One\r\nC.\r\n", "",
                  "twice"},
        FaultCase{"HeadingWithTrailingBlank", "# T\r\n## One \r\nA.\r\n## Two\r\nB.\r\n", "",
                  "not one of"},
        FaultCase{"SubHeading", "# T\r\n## One\r\n### Part\r\nA.\r\n## Two\r\nB.\r\n", "",
                  "not one of"},
        FaultCase{"NoSuchSection", "# T\r\n## One\r\nA.\r\n", "Two", "no section"},
        FaultCase{"EmptySection", "# T\r\n## One\r\n\r\n\r\n## Two\r\nB.\r\n", "One", "empty"},
        FaultCase{"EmptyLastSection", "# T\r\n## One\r\n\r\n", "One", "empty"},
        FaultCase{"ParagraphOverTwoLines", "# T\r\n## One\r\nA paragraph\r\nwrapped.\r\n", "One",
                  "one line"},
        FaultCase{"TwoEmptyLinesBetweenParagraphs", "# T\r\n## One\r\nA.\r\n\r\n\r\nB.\r\n", "One",
                  "more than one empty line"},
        FaultCase{"TrailingBlank", "# T\r\n## One\r\nA. \r\n", "One", "blank"},
        FaultCase{"LineOfBlanks", "# T\r\n## One\r\nA.\r\n  \r\nB.\r\n", "One", "blank"}),
    [](const ::testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace tarabead::modReportText
