#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

// What the fuzz targets share: a check that stops the fuzzer with a message
// (libFuzzer then saves the input as a crash), and a private folder for the
// readers that only read from disk.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (0)

namespace tavexo::fuzz {

// A folder of this process's own below the temporary folder, ending in '/';
// made on first use and left for the system to clear.
inline const std::string& ScratchFolder() {
    static const std::string folder = [] {
        const std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("tavexo-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path.string() + "/";
    }();
    return folder;
}

}  // namespace tavexo::fuzz
