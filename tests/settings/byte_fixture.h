#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavexo {

// Bytes from hex text such as "01 0a FF"; blanks are ignored.
inline std::string HexBytes(std::string_view hex) {
    std::string bytes;
    int high = -1;
    for (const char c : hex) {
        int digit;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            continue;
        }
        if (high < 0) {
            high = digit;
        } else {
            bytes += static_cast<char>(high * 16 + digit);
            high = -1;
        }
    }
    return bytes;
}

// `size` zero bytes with the given hex runs written at their offsets.
inline std::string ByteRecord(size_t size,
                              const std::vector<std::pair<size_t, std::string_view>>& runs) {
    std::string bytes(size, '\0');
    for (const auto& [offset, hex] : runs)
        bytes.replace(offset, HexBytes(hex).size(), HexBytes(hex));
    return bytes;
}

}  // namespace tavexo
