#pragma once

#include <string>
#include <string_view>

namespace tavexo {

// The program's files store text as Windows-1252 bytes; everything in memory
// is UTF-8. These convert between the two and recognise files that a text
// editor saved with a byte-order mark instead.

// UTF-8 to Windows-1252. A character that Windows-1252 lacks, and every byte
// of a malformed UTF-8 sequence, becomes '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// Windows-1252 to UTF-8. The five bytes without a character (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the control characters of the same number, as
// Windows does, so that they survive a round trip.
std::string Cp1252ToUtf8(std::string_view bytes);

enum class TextEncoding { Cp1252, Utf8Bom, Utf16LeBom, Utf16BeBom };

struct DecodedText {
    std::string utf8;
    TextEncoding encoding = TextEncoding::Cp1252;
};

// Decodes the bytes of a text file: a UTF-8 or UTF-16 (little- or big-endian)
// byte-order mark selects that encoding and is dropped, anything else is read
// as Windows-1252. Malformed sequences become U+FFFD.
DecodedText DecodeTextBytes(std::string_view bytes);

// The reverse of DecodeTextBytes: UTF-8 text in the given encoding, with its
// byte-order mark.
std::string EncodeTextBytes(std::string_view utf8, TextEncoding encoding);

}  // namespace tavexo
