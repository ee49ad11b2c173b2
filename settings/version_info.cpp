#include "settings/version_info.h"

#include "settings/cp1252.h"

namespace tavexo {

std::optional<std::string> LatestVersionOf(std::string_view fileBytes) {
    if (fileBytes.size() < VERSION_RECORD_SIZE || fileBytes.size() % VERSION_RECORD_SIZE != 0) {
        return std::nullopt;
    }
    const std::string_view last = fileBytes.substr(fileBytes.size() - VERSION_RECORD_SIZE);
    constexpr size_t TEXT_OFFSET = 8;
    constexpr size_t TEXT_CAPACITY = 15;
    const auto length = static_cast<unsigned char>(last[TEXT_OFFSET]);
    if (length > TEXT_CAPACITY) return std::nullopt;
    return Cp1252ToUtf8(last.substr(TEXT_OFFSET + 1, length));
}

}  // namespace tavexo
