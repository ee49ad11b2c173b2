// "verinfos.tvx", the update check's version file as the server sends it:
// only whole records are read, only the last one counts, and its version
// text is exactly its bytes, so that a record written with that text reads
// back to it. Anything else is a failed check, never a version.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "settings/cp1252.h"
#include "settings/version_info.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tavexo;
    constexpr size_t TEXT_OFFSET = 8;
    constexpr size_t TEXT_CAPACITY = 15;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> version = LatestVersionOf(bytes);
    FUZZ_CHECK(LatestVersionOf(bytes) == version);

    if (size < VERSION_RECORD_SIZE || size % VERSION_RECORD_SIZE != 0) {
        FUZZ_CHECK(!version);
        return 0;
    }
    const std::string_view last = bytes.substr(size - VERSION_RECORD_SIZE);
    const auto length = static_cast<unsigned char>(last[TEXT_OFFSET]);
    FUZZ_CHECK(version.has_value() == (length <= TEXT_CAPACITY));
    // The records before the last change nothing.
    FUZZ_CHECK(LatestVersionOf(last) == version);
    if (!version) return 0;

    // The text is the record's bytes, not more and not fewer ...
    FUZZ_CHECK(Utf8ToCp1252(*version) == last.substr(TEXT_OFFSET + 1, length));
    // ... so a record of its own, after any other, reads back to it.
    std::string record(VERSION_RECORD_SIZE, '\0');
    const std::string text = Utf8ToCp1252(*version);
    record[TEXT_OFFSET] = static_cast<char>(text.size());
    record.replace(TEXT_OFFSET + 1, text.size(), text);
    FUZZ_CHECK(LatestVersionOf(std::string(bytes) + record) == version);
    return 0;
}
