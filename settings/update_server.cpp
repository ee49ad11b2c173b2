#include "settings/update_server.h"

#include <algorithm>
#include <cctype>

#include "settings/ini_file.h"
#include "settings/settings_store.h"

namespace tavexo {

namespace {

bool IsHostNameCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '.';
}

bool IsPathCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-' || c == '.' || c == '_' ||
           c == '~' || c == '/';
}

bool IsHost(std::string_view host) {
    if (host.empty()) return false;
    if (host.front() == '[') {
        // An IPv6 address: hex digits, colons and a dotted tail at most.
        if (host.size() < 4 || host.back() != ']') return false;
        const std::string_view inner = host.substr(1, host.size() - 2);
        return std::all_of(inner.begin(), inner.end(),
                           [](char c) {
                               return std::isxdigit(static_cast<unsigned char>(c)) != 0 ||
                                      c == ':' || c == '.';
                           }) &&
               inner.find(':') != std::string_view::npos;
    }
    if (host.front() == '.' || host.front() == '-' || host.back() == '-') return false;
    if (host.find("..") != std::string_view::npos) return false;
    return std::all_of(host.begin(), host.end(), IsHostNameCharacter);
}

// "/mirror/tavexo", with one "/" allowed at the end: every folder has a
// name, and none is "." or "..", so the files stay below the address given.
bool IsPath(std::string_view path) {
    if (path.empty() || path == "/") return true;
    if (!std::all_of(path.begin(), path.end(), IsPathCharacter)) return false;
    if (path.back() == '/') path.remove_suffix(1);
    size_t start = 1;
    while (start <= path.size()) {
        const size_t end = std::min(path.find('/', start), path.size());
        const std::string_view name = path.substr(start, end - start);
        if (name.empty() || name == "." || name == "..") return false;
        start = end + 1;
    }
    return true;
}

bool IsPort(std::string_view port) {
    if (port.empty() || port.size() > 5) return false;
    if (!std::all_of(port.begin(), port.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }))
        return false;
    const int value = std::stoi(std::string(port));
    return value >= 1 && value <= 65535;
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

}  // namespace

std::optional<std::string> UsableServerAddress(std::string_view text) {
    std::string_view rest = text;
    std::string scheme;
    for (const char* candidate : {"https://", "http://"}) {
        const std::string_view prefix(candidate);
        if (rest.size() > prefix.size() && Lower(rest.substr(0, prefix.size())) == prefix) {
            scheme = candidate;
            rest.remove_prefix(prefix.size());
            break;
        }
    }
    if (scheme.empty()) return std::nullopt;

    const size_t pathStart = rest.find('/');
    const std::string_view authority = rest.substr(0, pathStart);
    std::string_view path =
        pathStart == std::string_view::npos ? std::string_view() : rest.substr(pathStart);
    // The port follows the last colon outside an IPv6 address's brackets.
    std::string_view host = authority;
    const size_t bracketEnd = authority.rfind(']');
    const size_t colon = authority.rfind(':');
    if (colon != std::string_view::npos &&
        (bracketEnd == std::string_view::npos || colon > bracketEnd)) {
        if (!IsPort(authority.substr(colon + 1))) return std::nullopt;
        host = authority.substr(0, colon);
    }
    if (!IsHost(host) || !IsPath(path)) return std::nullopt;
    if (!path.empty() && path.back() == '/') path.remove_suffix(1);
    return scheme + Lower(authority) + std::string(path);
}

std::string LoadUpdateServer(const std::string& settingsFolder) {
    const IniFile ini(settingsFolder + SETTINGS_FILE_NAME);
    const std::string value = ini.ReadString(UPDATE_SERVER_SECTION, UPDATE_SERVER_KEY, "");
    return UsableServerAddress(value).value_or(DEFAULT_UPDATE_SERVER);
}

}  // namespace tavexo
