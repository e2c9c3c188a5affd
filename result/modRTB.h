// The character shift that stores reading files and the update-question setting, and the reading
// file itself: one line holding the encoded nakshatra name.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarabead::modRTB {

/// Text as single-byte codes: each char is one character's Latin-1 code, 0 to 255.
using Latin1 = std::string;

/// Adds 85 to the code of every character, first to last. A character whose code would pass 255
/// has no result and is left out.
Latin1 EncodeText(std::string_view text);

/// Subtracts 85 from the code of every character, first to last. A character whose code is below
/// 85 is left out. DecodeText(EncodeText(t)) == t for every text of codes 0 to 170.
Latin1 DecodeText(std::string_view text);

/// Latin-1 codes of UTF-8 text; a character without a Latin-1 code (or a malformed byte) is left
/// out.
Latin1 Latin1FromUtf8(std::string_view utf8);

/// UTF-8 text of Latin-1 codes.
std::string Utf8FromLatin1(std::string_view latin1);

}  // namespace tarabead::modRTB

namespace tarabead::result {

/// Most bytes a reading file's first line is read from; a nakshatra name is far shorter, and a
/// bound keeps a huge or binary file from costing time or memory.
inline constexpr std::size_t ReadingFileLineLimit = 4096;

/// The bytes of a reading file for a nakshatra name given in UTF-8: EncodeText of the name, then
/// carriage return and line feed. "Revati" gives A7 BA CB B6 C9 BE 0D 0A.
std::string ReadingFileBytes(std::string_view nakshatraName);

/// The nakshatra name (UTF-8) held by the start of a reading file: its first line, up to the
/// first carriage return or line feed, or to the end of the bytes given, decoded with DecodeText.
std::string NakshatraNameFromReadingFile(std::string_view firstBytes);

/// True when the last three characters of a chosen file name are exactly "tbx" (case matters;
/// the dot is not looked at).
bool HasReadingFileExtension(std::string_view fileName);

}  // namespace tarabead::result
