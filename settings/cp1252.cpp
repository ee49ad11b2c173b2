#include "settings/cp1252.h"

#include <array>
#include <cstdint>

namespace tavexo {

namespace {

constexpr char32_t REPLACEMENT = 0xFFFD;

// The characters of bytes 0x80..0x9F; the rest of the code page equals
// Latin-1. The unassigned bytes keep their own number.
constexpr std::array<char16_t, 32> HIGH_CONTROLS = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CharOfByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return HIGH_CONTROLS[byte - 0x80];
    return byte;
}

// The byte of a character, or '?' when the code page lacks it.
char ByteOfChar(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (size_t i = 0; i < HIGH_CONTROLS.size(); ++i) {
        if (HIGH_CONTROLS[i] == c) return static_cast<char>(0x80 + i);
    }
    return '?';
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes the character at `pos` and moves past it. A malformed sequence
// gives no character and moves past its first byte only, so that the bytes
// after it are read again as the start of a character.
bool NextUtf8(std::string_view text, size_t& pos, char32_t& c) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    int length;
    char32_t min;
    if (lead < 0x80) {
        c = lead;
        ++pos;
        return true;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, c = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, c = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, c = lead & 0x07, min = 0x10000;
    } else {
        ++pos;
        return false;
    }
    if (pos + length > text.size()) {
        ++pos;
        return false;
    }
    for (int i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) {
            ++pos;
            return false;
        }
        c = (c << 6) | (byte(pos + i) & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++pos;
        return false;
    }
    pos += length;
    return true;
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    const size_t units = bytes.size() / 2;  // an odd last byte is no character
    const auto unit = [&](size_t i) -> char16_t {
        const auto b0 = static_cast<unsigned char>(bytes[2 * i]);
        const auto b1 = static_cast<unsigned char>(bytes[2 * i + 1]);
        return bigEndian ? static_cast<char16_t>(b0 << 8 | b1)
                         : static_cast<char16_t>(b1 << 8 | b0);
    };
    for (size_t i = 0; i < units; ++i) {
        const char16_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
            const char16_t low = unit(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((char32_t{u} - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? REPLACEMENT : char32_t{u});
    }
    return out;
}

std::string Utf8ToUtf16(std::string_view utf8, bool bigEndian) {
    std::string out;
    out.reserve(utf8.size() * 2);
    const auto put = [&](char16_t u) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    };
    size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t c;
        if (!NextUtf8(utf8, pos, c)) c = REPLACEMENT;
        if (c >= 0x10000) {
            put(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            put(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            put(static_cast<char16_t>(c));
        }
    }
    return out;
}

// Valid UTF-8 as it is; malformed bytes become U+FFFD.
std::string CleanUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        char32_t c;
        AppendUtf8(out, NextUtf8(text, pos, c) ? c : REPLACEMENT);
    }
    return out;
}

constexpr std::string_view UTF8_BOM = "\xEF\xBB\xBF";
constexpr std::string_view UTF16LE_BOM = "\xFF\xFE";
constexpr std::string_view UTF16BE_BOM = "\xFE\xFF";

}  // namespace

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t c;
        out += NextUtf8(utf8, pos, c) ? ByteOfChar(c) : '?';
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char b : bytes) AppendUtf8(out, CharOfByte(static_cast<unsigned char>(b)));
    return out;
}

DecodedText DecodeTextBytes(std::string_view bytes) {
    if (bytes.starts_with(UTF8_BOM)) {
        return {CleanUtf8(bytes.substr(UTF8_BOM.size())), TextEncoding::Utf8Bom};
    }
    if (bytes.starts_with(UTF16LE_BOM)) {
        return {Utf16ToUtf8(bytes.substr(2), false), TextEncoding::Utf16LeBom};
    }
    if (bytes.starts_with(UTF16BE_BOM)) {
        return {Utf16ToUtf8(bytes.substr(2), true), TextEncoding::Utf16BeBom};
    }
    return {Cp1252ToUtf8(bytes), TextEncoding::Cp1252};
}

std::string EncodeTextBytes(std::string_view utf8, TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8Bom:
            return std::string(UTF8_BOM) + CleanUtf8(utf8);
        case TextEncoding::Utf16LeBom:
            return std::string(UTF16LE_BOM) + Utf8ToUtf16(utf8, false);
        case TextEncoding::Utf16BeBom:
            return std::string(UTF16BE_BOM) + Utf8ToUtf16(utf8, true);
        case TextEncoding::Cp1252:
            break;
    }
    return Utf8ToCp1252(utf8);
}

}  // namespace tavexo
