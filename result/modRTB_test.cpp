#include "result/modRTB.h"

#include <gtest/gtest.h>

#include <random>

#include "chart/modVedicEphemeris.h"

namespace tarabead {
namespace {

using modRTB::DecodeText;
using modRTB::EncodeText;

TEST(ReadingFile, RevatiIsStoredAsItsEightBytes) {
    EXPECT_EQ(result::ReadingFileBytes("Revati"), "\xA7\xBA\xCB\xB6\xC9\xBE\r\n");
    EXPECT_EQ(result::NakshatraNameFromReadingFile("\xA7\xBA\xCB\xB6\xC9\xBE\r\n"), "Revati");
}

TEST(ReadingFile, EveryNakshatraNameSurvivesTheRoundTrip) {
    for (std::string_view name : modVedicEphemeris::NakshatraNames) {
        const std::string bytes = result::ReadingFileBytes(name);
        for (unsigned char c : bytes.substr(0, bytes.size() - 2)) {
            EXPECT_GE(c, 117);  // an encoded blank
            EXPECT_LE(c, 207);  // an encoded "z"
        }
        EXPECT_EQ(result::NakshatraNameFromReadingFile(bytes), name);
    }
}

TEST(ReadingFile, OnlyTheFirstLineCounts) {
    struct Case {
        const char* what;
        std::string bytes;
        std::string name;
    } cases[] = {
        {"two lines", "\xA7\xBA\xCB\xB6\xC9\xBE\r\n\x97\xBD\xBA\xC7\xB6\xBF\r\n", "Revati"},
        {"no line break", "\xA7\xBA\xCB\xB6\xC9\xBE", "Revati"},
        {"line feed alone", "\xA7\xBA\xCB\xB6\xC9\xBE\nmore", "Revati"},
        {"empty file", "", ""},
        {"plain text decodes to no name", "Revati\r\n", "\x10!\x0c\x1f\x14"},
        {"codes below 85 are left out", "\x01\x20\xA7\r\n", "R"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(result::NakshatraNameFromReadingFile(c.bytes), c.name) << c.what;
    }
}

TEST(EncodeText, ShiftsBy85AndLeavesOutWhatFallsOutside) {
    EXPECT_EQ(EncodeText("Duration"), "\x99\xCA\xC7\xB6\xC9\xBE\xC4\xC3");
    EXPECT_EQ(EncodeText(std::string("\xAA\xAB\xFF", 3)), "\xFF");  // 170 is the last that fits
    EXPECT_EQ(DecodeText(std::string("\x54\x55\x56", 3)), std::string("\x00\x01", 2));
    std::mt19937 random(1);
    for (int i = 0; i < 200; ++i) {
        std::string text;
        for (int k = 0; k < 20; ++k) text += static_cast<char>(random() % 171);
        EXPECT_EQ(DecodeText(EncodeText(text)), text);
    }
}

TEST(Latin1FromUtf8, KeepsLatin1AndLeavesOutTheRest) {
    EXPECT_EQ(modRTB::Latin1FromUtf8("Caf\xC3\xA9"), "Caf\xE9");
    EXPECT_EQ(modRTB::Latin1FromUtf8("a\xE0\xA4\x85z"), "az");      // Devanagari letter A
    EXPECT_EQ(modRTB::Latin1FromUtf8("a\xF0\x9F\x98\x80z"), "az");  // an emoji
    EXPECT_EQ(modRTB::Latin1FromUtf8("a\xC3z\xFF"), "az");          // malformed bytes
    EXPECT_EQ(modRTB::Utf8FromLatin1("Caf\xE9"), "Caf\xC3\xA9");
}

TEST(HasReadingFileExtension, LastThreeCharactersExactly) {
    struct Case {
        const char* name;
        bool ok;
    } cases[] = {{"/home/a/reading.tbx", true},
                 {"/home/a/reading.TBX", false},
                 {"/home/a/reading.tbx.txt", false},
                 {"/home/a/readingtbx", true},
                 {"tbx", true},
                 {"bx", false},
                 {"", false}};
    for (const Case& c : cases) EXPECT_EQ(result::HasReadingFileExtension(c.name), c.ok) << c.name;
}

// Arbitrary bytes never crash the reader and never give a name longer than the line they came
// from; the same function is the libFuzzer target in ReadingFile_fuzz.cpp.
TEST(ReadingFile, ArbitraryBytesAreHandled) {
    std::mt19937 random(7);
    for (int i = 0; i < 5000; ++i) {
        std::string bytes(random() % 300, '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        const std::string name = result::NakshatraNameFromReadingFile(bytes);
        EXPECT_LE(name.size(), 2 * bytes.size());
    }
}

}  // namespace
}  // namespace tarabead
