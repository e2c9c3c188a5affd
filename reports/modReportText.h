// Reading the report texts: the prose of both reports is written in plain text files under
// reports/text/ and compiled in as string constants (reports/EmbedText.cmake), with CR LF line
// breaks. A file looks like this:
//
//   # Title
//
//   ## Heading
//
//   One paragraph, on one line.
//
//   Another paragraph of the same section, after one empty line.
//
// The functions below are constexpr: the tables call them while the program is compiled, so a text
// that breaks these rules (a missing, doubled or unknown heading, an empty section, a paragraph
// broken over two lines...) stops the build, and the compiler's message quotes the fault.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <stdexcept>
#include <string_view>

namespace tarabead::modReportText {

/// The system's line break, in the embedded texts and between the paragraphs of one value.
inline constexpr std::string_view LineBreak = "\r\n";

/// A text file that does not follow the layout above.
class TextFault : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

namespace detail {

inline constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

/// One line of a text, without its line break, and where the next line starts.
struct Line {
    std::string_view Text;
    std::size_t Next;
};

constexpr Line LineAt(std::string_view text, std::size_t start) {
    const std::size_t end = text.find(LineBreak, start);
    if (end == std::string_view::npos) return {text.substr(start), text.size()};
    return {text.substr(start, end - start), end + LineBreak.size()};
}

constexpr std::size_t FirstLine(std::string_view text) {
    return text.starts_with(ByteOrderMark) ? ByteOrderMark.size() : 0;
}

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

constexpr bool IsHeadingOf(std::string_view line, std::string_view heading) {
    return line.starts_with("## ") && line.substr(3) == heading;
}

}  // namespace detail

/// The title of a text: its first line, "# Title", without the "# ".
constexpr std::string_view Title(std::string_view text) {
    const std::string_view line = detail::LineAt(text, detail::FirstLine(text)).Text;
    if (!line.starts_with("# ") || line.size() == 2) {
        throw TextFault("the first line of a text must be its title, \"# Title\"");
    }
    const std::string_view title = line.substr(2);
    if (detail::IsBlank(title.front()) || detail::IsBlank(title.back())) {
        throw TextFault("a title begins or ends with a blank");
    }
    return title;
}

/// Checks that the text's headings ("## Heading" lines) are exactly the given ones, each once, in
/// any order, and that no other line below the title begins with "#".
constexpr void CheckHeadings(std::string_view text,
                             std::initializer_list<std::string_view> headings) {
    Title(text);
    for (std::size_t at = detail::LineAt(text, detail::FirstLine(text)).Next; at < text.size();) {
        const detail::Line line = detail::LineAt(text, at);
        if (line.Text.starts_with("#")) {
            bool known = false;
            for (std::string_view heading : headings) {
                known = known || detail::IsHeadingOf(line.Text, heading);
            }
            if (!known) {
                throw TextFault("a line beginning with # is not one of the text's headings");
            }
        }
        at = line.Next;
    }
    for (std::string_view heading : headings) {
        std::size_t found = 0;
        for (std::size_t at = 0; at < text.size();) {
            const detail::Line line = detail::LineAt(text, at);
            found += detail::IsHeadingOf(line.Text, heading) ? 1 : 0;
            at = line.Next;
        }
        if (found == 0) throw TextFault("a heading is missing from the text");
        if (found > 1) throw TextFault("a heading occurs twice in the text");
    }
}

/// The content of the section under "## heading", from its first paragraph to the end of its
/// last, paragraphs joined by an empty line (LineBreak twice). Empty lines before and after the
/// paragraphs are left out; the section ends at the next line beginning with "#".
constexpr std::string_view Section(std::string_view text, std::string_view heading) {
    std::size_t at = detail::FirstLine(text);
    while (at < text.size() && !detail::IsHeadingOf(detail::LineAt(text, at).Text, heading)) {
        at = detail::LineAt(text, at).Next;
    }
    if (at >= text.size()) throw TextFault("the text has no section with this heading");
    at = detail::LineAt(text, at).Next;

    std::size_t begin = std::string_view::npos;  // start of the first paragraph
    std::size_t end = 0;                         // end of the last paragraph so far
    std::size_t emptyLines = 0;                  // since the last paragraph
    for (; at < text.size(); at = detail::LineAt(text, at).Next) {
        const std::string_view line = detail::LineAt(text, at).Text;
        if (line.starts_with("#")) break;
        if (line.empty()) {
            ++emptyLines;
            continue;
        }
        if (detail::IsBlank(line.front()) || detail::IsBlank(line.back())) {
            throw TextFault("a line of a section begins or ends with a blank");
        }
        if (begin != std::string_view::npos && emptyLines == 0) {
            throw TextFault(
                "a paragraph continues on a second line; write each paragraph on one line");
        }
        if (begin != std::string_view::npos && emptyLines > 1) {
            throw TextFault("paragraphs of a section are separated by more than one empty line");
        }
        if (begin == std::string_view::npos) begin = at;
        end = at + line.size();
        emptyLines = 0;
    }
    if (begin == std::string_view::npos) throw TextFault("a section is empty");
    return text.substr(begin, end - begin);
}

}  // namespace tarabead::modReportText
