// The writing steps both reports are made of, over a small abstract target. One builder writes
// every report; a target turns the steps into a rich-text box, plain text or HTML.
#pragma once

#include <cstdint>
#include <string_view>

namespace tarabead::reports {

/// An RGB colour, 0 to 255 a channel.
struct Rgb {
    std::uint8_t Red, Green, Blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

/// The one text colour of both reports: a mid brown.
inline constexpr Rgb ReportColour{135, 82, 33};

/// A report's line break: carriage return and line feed. A blank line is one more.
inline constexpr std::string_view LineBreak = "\r\n";

/// The picture lists: IMG holds the 27 nakshatra pictures (150 x 244 pixels), IMG2 the 15 bead
/// pictures (100 x 100 pixels), each numbered from 1.
enum class PictureList { IMG, IMG2 };

/// Number of pictures in a list.
constexpr int PictureCount(PictureList list) { return list == PictureList::IMG ? 27 : 15; }

/// Size of every picture of a list, in device-independent pixels.
struct PictureSize {
    int Width, Height;
};
constexpr PictureSize PictureSizeOf(PictureList list) {
    return list == PictureList::IMG ? PictureSize{150, 244} : PictureSize{100, 100};
}

/// One report box: appends formatted runs at its insertion point, which after each call stands at
/// the end of what was just written. Colour and bold are insertion attributes: they apply to the
/// text inserted after they are set.
class ReportWriter {
  public:
    virtual ~ReportWriter() = default;
    /// Empties the box.
    virtual void Clear() = 0;
    virtual void SetColour(Rgb colour) = 0;
    virtual void SetBold(bool bold) = 0;
    /// Inserts text, which may hold line breaks (CR LF).
    virtual void InsertText(std::string_view text) = 0;
    /// Inserts picture number (1-based) of a list; the caller has checked the number.
    virtual void InsertPicture(PictureList list, int number) = 0;
};

/// The report boxes of the result window, by index; nullptr for a box that does not exist.
class ReportBoxes {
  public:
    virtual ~ReportBoxes() = default;
    virtual ReportWriter* Box(int index) = 0;
};

/// A bold heading line in ReportColour, optionally after a line break of its own (used on the
/// heading right after a picture, so the picture stands on a line of its own).
void WriteHeading(ReportWriter& box, std::string_view text, bool leadingLineBreak = false);

/// A value in ReportColour, regular weight, followed by a blank line unless noTrailingBreaks.
void WriteValue(ReportWriter& box, std::string_view text, bool noTrailingBreaks = false);

/// A line of text in the colour already in force, bold around it when asked.
void WritePlainLine(ReportWriter& box, std::string_view text, bool bold);

}  // namespace tarabead::reports

namespace tarabead::modAddPicToRTB {

/// Inserts picture number of the list that belongs to box: IMG for box 0, IMG2 for any other
/// index. A number outside the list, or a box that does not exist, inserts nothing.
void AddPicToRTB(reports::ReportBoxes& boxes, std::int16_t box, std::int16_t number);

}  // namespace tarabead::modAddPicToRTB
