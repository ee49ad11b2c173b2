#pragma once

#include <ostream>
#include <string_view>

namespace tavexo::testing {

// A parameterised case with a `name` prints as that name, so test listings
// read "Bust" rather than a byte dump. Bring it into a test's namespace with
// `using ::tavexo::testing::PrintTo;`.
template <class Case>
requires requires(const Case& c) {
    std::string_view(c.name);
}
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

// A text case as a test listing shows it: quoted, control characters as
// \xNN, everything else (German letters too) as it is, on one line.
inline void PrintQuoted(std::string_view text, std::ostream* os) {
    static const char digits[] = "0123456789ABCDEF";
    *os << '"';
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x20 || byte == 0x7F) {
            *os << "\\x" << digits[byte >> 4] << digits[byte & 0xF];
        } else {
            *os << ch;
        }
    }
    *os << '"';
}

}  // namespace tavexo::testing
