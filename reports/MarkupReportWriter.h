// A report target that keeps the formatted runs and gives them back as plain text or as one
// self-contained HTML page with the pictures inline.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/ReportWriter.h"

namespace tarabead::reports {

/// PNG bytes of picture number of a list; empty when there is none.
using PictureSource = std::function<std::string(PictureList list, int number)>;

class MarkupReportWriter final : public ReportWriter {
  public:
    /// One piece of the report: a run of text with its attributes, or a picture.
    struct Run {
        std::string Text;  ///< the text with CR LF line breaks; empty for a picture
        Rgb Colour;
        bool Bold = false;
        bool IsPicture = false;
        PictureList List = PictureList::IMG;
        int Number = 0;
    };

    /// colour: the colour in force in a freshly cleared box.
    explicit MarkupReportWriter(Rgb colour = {0, 0, 0}) : initialColour_(colour), colour_(colour) {}

    void Clear() override;
    void SetColour(Rgb colour) override { colour_ = colour; }
    void SetBold(bool bold) override { bold_ = bold; }
    void InsertText(std::string_view text) override;
    void InsertPicture(PictureList list, int number) override;

    const std::vector<Run>& Runs() const { return runs_; }

    /// The text alone, line breaks as "\n". A picture leaves nothing, or with caption the text
    /// "[picture: " caption "]" in its place.
    std::string ToPlainText(const std::function<std::string(PictureList, int)>& caption = {}) const;

    /// The body of an HTML page: runs as coloured spans, bold as <b>, line breaks as <br>,
    /// pictures as <img> with data: URLs from source (left out when the source has none).
    std::string ToHtmlFragment(const PictureSource& source) const;

  private:
    Rgb initialColour_;
    Rgb colour_;
    bool bold_ = false;
    std::vector<Run> runs_;
};

/// Base64 of bytes (RFC 4648, with padding).
std::string Base64(std::string_view bytes);

/// A whole HTML page (UTF-8) with title around body.
std::string HtmlPage(std::string_view title, std::string_view body);

/// Text made safe inside HTML: & < > " escaped.
std::string HtmlEscape(std::string_view text);

}  // namespace tarabead::reports
