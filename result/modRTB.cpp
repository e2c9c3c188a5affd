#include "result/modRTB.h"

namespace tarabead::modRTB {

namespace {
constexpr int Shift = 85;
}

Latin1 EncodeText(std::string_view text) {
    Latin1 out;
    out.reserve(text.size());
    for (unsigned char c : text) {
        if (c + Shift <= 255) out += static_cast<char>(c + Shift);
    }
    return out;
}

Latin1 DecodeText(std::string_view text) {
    Latin1 out;
    out.reserve(text.size());
    for (unsigned char c : text) {
        if (c >= Shift) out += static_cast<char>(c - Shift);
    }
    return out;
}

Latin1 Latin1FromUtf8(std::string_view utf8) {
    Latin1 out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        // Length of the sequence from its lead byte; anything else is a malformed byte.
        const std::size_t length = (c & 0xE0) == 0xC0   ? 2
                                   : (c & 0xF0) == 0xE0 ? 3
                                   : (c & 0xF8) == 0xF0 ? 4
                                                        : 1;
        if (length == 1 || i + length > utf8.size()) {
            ++i;
            continue;
        }
        unsigned code = c & (0xFF >> (length + 1));
        bool wellFormed = true;
        for (std::size_t k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0) != 0x80) wellFormed = false;
            code = (code << 6) | (next & 0x3F);
        }
        if (!wellFormed) {
            ++i;
            continue;
        }
        if (code >= 0x80 && code <= 0xFF && length == 2) out += static_cast<char>(code);
        i += length;
    }
    return out;
}

std::string Utf8FromLatin1(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (unsigned char c : latin1) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace tarabead::modRTB

namespace tarabead::result {

std::string ReadingFileBytes(std::string_view nakshatraName) {
    return modRTB::EncodeText(modRTB::Latin1FromUtf8(nakshatraName)) + "\r\n";
}

std::string NakshatraNameFromReadingFile(std::string_view firstBytes) {
    const std::size_t end = firstBytes.find_first_of("\r\n");
    const std::string_view line = firstBytes.substr(0, end);
    return modRTB::Utf8FromLatin1(modRTB::DecodeText(line));
}

bool HasReadingFileExtension(std::string_view fileName) {
    return fileName.size() >= 3 && fileName.substr(fileName.size() - 3) == "tbx";
}

}  // namespace tarabead::result
