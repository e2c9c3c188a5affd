#include "reports/MarkupReportWriter.h"

#include <cstdio>

namespace tarabead::reports {

void MarkupReportWriter::Clear() {
    runs_.clear();
    colour_ = initialColour_;
    bold_ = false;
}

void MarkupReportWriter::InsertText(std::string_view text) {
    if (text.empty()) return;
    // Runs with the same attributes are joined, so the HTML carries one span per change.
    if (!runs_.empty() && !runs_.back().IsPicture && runs_.back().Colour == colour_ &&
        runs_.back().Bold == bold_) {
        runs_.back().Text += text;
        return;
    }
    runs_.push_back(Run{std::string(text), colour_, bold_, false, PictureList::IMG, 0});
}

void MarkupReportWriter::InsertPicture(PictureList list, int number) {
    runs_.push_back(Run{{}, colour_, bold_, true, list, number});
}

std::string MarkupReportWriter::ToPlainText(
    const std::function<std::string(PictureList, int)>& caption) const {
    std::string out;
    for (const Run& run : runs_) {
        if (run.IsPicture && caption) out += "[picture: " + caption(run.List, run.Number) + "]";
        for (std::size_t i = 0; i < run.Text.size(); ++i) {
            if (run.Text[i] == '\r' && i + 1 < run.Text.size() && run.Text[i + 1] == '\n') continue;
            out += run.Text[i];
        }
    }
    return out;
}

std::string Base64(std::string_view bytes) {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned v = (static_cast<unsigned char>(bytes[i]) << 16) |
                           (static_cast<unsigned char>(bytes[i + 1]) << 8) |
                           static_cast<unsigned char>(bytes[i + 2]);
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        out += kAlphabet[(v >> 6) & 63];
        out += kAlphabet[v & 63];
    }
    if (i < bytes.size()) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        if (i + 1 < bytes.size()) v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        out += kAlphabet[(v >> 18) & 63];
        out += kAlphabet[(v >> 12) & 63];
        out += i + 1 < bytes.size() ? kAlphabet[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

std::string HtmlEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string MarkupReportWriter::ToHtmlFragment(const PictureSource& source) const {
    std::string out;
    for (const Run& run : runs_) {
        if (run.IsPicture) {
            const std::string png = source ? source(run.List, run.Number) : std::string();
            if (png.empty()) continue;
            const PictureSize size = PictureSizeOf(run.List);
            out += "<img src=\"data:image/png;base64," + Base64(png) + "\" width=\"" +
                   std::to_string(size.Width) + "\" height=\"" + std::to_string(size.Height) +
                   "\" alt=\"\">";
            continue;
        }
        char colour[8];
        std::snprintf(colour, sizeof colour, "#%02x%02x%02x", run.Colour.Red, run.Colour.Green,
                      run.Colour.Blue);
        out += "<span style=\"color:";
        out += colour;
        out += "\">";
        if (run.Bold) out += "<b>";
        std::string_view text = run.Text;
        std::size_t start = 0;
        while (start <= text.size()) {
            const std::size_t at = text.find(LineBreak, start);
            out += HtmlEscape(text.substr(start, at == text.npos ? text.npos : at - start));
            if (at == text.npos) break;
            out += "<br>\n";
            start = at + LineBreak.size();
        }
        if (run.Bold) out += "</b>";
        out += "</span>";
    }
    return out;
}

std::string HtmlPage(std::string_view title, std::string_view body) {
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
           HtmlEscape(title) +
           "</title>\n</head>\n<body style=\"font-family: sans-serif; line-height: 1.35; "
           "max-width: 50em; margin: 2em auto;\">\n" +
           std::string(body) + "\n</body>\n</html>\n";
}

}  // namespace tarabead::reports
