#pragma once

namespace tavexo {

// The maker's server: version information, the installer and the help file
// lie below "/downloads/", the news page at "/aktuell.html". One constant, so
// that a test or a mirror can point the program elsewhere.
inline constexpr const char* UPDATE_SERVER_BASE = "https://tavexo.example";

}  // namespace tavexo
