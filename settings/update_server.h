#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavexo {

// The maker's server: the version information, the update packages and the
// help file lie below "/downloads/", the news page is "/aktuell.html".
inline constexpr const char* DEFAULT_UPDATE_SERVER = "https://tavexo.example";

// The key in "Allgemein.ini" that points the program at another server (a
// mirror inside an organisation, a test server). Nothing in the program
// writes it.
inline constexpr const char* UPDATE_SERVER_SECTION = "Aktualisierung";
inline constexpr const char* UPDATE_SERVER_KEY = "Server";

// An address the program may fetch its files below: "http://" or
// "https://", a host name, an IPv4 address or a bracketed IPv6 address, an
// optional port 1..65535 and an optional path of plain characters; no user
// name, query or fragment, nothing the address could hide. The result has
// no trailing "/"; nothing when the text is no such address.
std::optional<std::string> UsableServerAddress(std::string_view text);

// The server from the settings folder's "Allgemein.ini": the key's value
// when it is a usable address, otherwise (no file, no key, a hand-edited
// value that is no address) the maker's server.
std::string LoadUpdateServer(const std::string& settingsFolder);

}  // namespace tavexo
