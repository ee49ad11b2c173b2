#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavexo {

// "verinfos.tvx", the version information the update check downloads: fixed
// 24-byte records without a header, each holding at offset 8 a version text
// of up to 15 Windows-1252 characters behind a length byte. The last record
// is the one that counts.
inline constexpr size_t VERSION_RECORD_SIZE = 24;
inline constexpr const char* VERSION_FILE_NAME = "verinfos.tvx";
// The version of this program, which the published one is compared with.
inline constexpr const char* PROGRAM_VERSION = "1.1.1.0";

// The version text (UTF-8) of the last record; nothing when the file holds no
// complete record, ends in an incomplete one, or the last record's length
// byte is over 15: such a file is a failed check, never a version.
std::optional<std::string> LatestVersionOf(std::string_view fileBytes);

}  // namespace tavexo
