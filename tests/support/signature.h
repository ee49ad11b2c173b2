#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace tavexo::testing {

// A 64-bit FNV-1a hash of some bytes, as 16 hex digits: the signature by
// which a fixed-seed run is pinned, so that any change of behaviour shows.
inline std::string SignatureOf(const std::string& bytes) {
    uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ULL;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

}  // namespace tavexo::testing
