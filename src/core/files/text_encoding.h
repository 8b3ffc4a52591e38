#pragma once
// The one conversion between a data file's bytes and the UTF-8 texts the
// program holds. Files are written in UTF-8; files from older systems were
// written in the Western Windows code page (1252) and still open. A file is
// decoded as a whole, one way or the other, so a text never means two things.

#include <string>
#include <string_view>

namespace amortix {

// True for well-formed UTF-8: no overlong forms, surrogates or code points
// beyond U+10FFFF.
bool IsUtf8(std::string_view bytes);

// The texts of a file's bytes as UTF-8: the bytes themselves when they are
// UTF-8 (a leading byte-order mark dropped), else each byte read as code page
// 1252. Throws FormatError for a NUL byte, which no text file holds.
std::string DecodeFileText(std::string_view bytes);

// The bytes to write for UTF-8 texts. Throws FormatError for what
// DecodeFileText would not give back unchanged (a NUL byte, bytes that are not
// UTF-8, a leading byte-order mark) and for more than a data file may hold, so
// that every saved file opens again as it was.
std::string EncodeFileText(std::string_view text);

}  // namespace amortix
