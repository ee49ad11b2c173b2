#include "settings/file_io.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

namespace tavexo {

namespace fs = std::filesystem;

namespace {

// The error number of the call that just failed; EIO when the library did
// not set one, so that a failure never reads as success.
int LastError() {
    return errno != 0 ? errno : EIO;
}

std::string HexOf(unsigned value) {
    static const char digits[] = "0123456789abcdef";
    std::string text(8, '0');
    for (int i = 7; i >= 0; --i, value >>= 4) text[i] = digits[value & 0xF];
    return text;
}

// Creates a new, empty file next to `target` under a name nobody else uses.
std::FILE* CreateSiblingFile(const fs::path& target, fs::path& created, int& error) {
    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        created = target.parent_path() /
                  ("." + target.filename().string() + "." + HexOf(random()) + ".tmp");
        errno = 0;
        // "x": fail rather than reuse a file that happens to carry the name.
        if (std::FILE* file = std::fopen(created.c_str(), "wbx")) return file;
        error = LastError();
        if (error != EEXIST) return nullptr;
    }
    return nullptr;
}

}  // namespace

FileResult IoFailure(int errorNumber) {
    return FileResult::Failure(errorNumber, "E/A-Fehler " + std::to_string(errorNumber));
}

std::optional<std::string> ReadFileBytes(const std::string& path, int* errorNumber) {
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        if (errorNumber) *errorNumber = LastError();
        return std::nullopt;
    }
    std::string bytes;
    char buffer[16384];
    size_t got;
    errno = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    const int error = failed ? LastError() : 0;
    std::fclose(file);
    if (failed) {
        if (errorNumber) *errorNumber = error;
        return std::nullopt;
    }
    return bytes;
}

int ReplaceFileContents(const std::string& path, std::string_view bytes) {
    fs::path target(path);
    std::error_code ec;
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec) target = resolved;
    }

    fs::path temp;
    int error = 0;
    std::FILE* file = CreateSiblingFile(target, temp, error);
    if (file == nullptr) return error;

    errno = 0;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (ok) ok = std::fflush(file) == 0;
    if (!ok) error = LastError();
    errno = 0;
    if (std::fclose(file) != 0 && ok) {
        ok = false;
        error = LastError();
    }
    if (ok) {
        const fs::file_status old = fs::status(target, ec);
        if (!ec && fs::is_regular_file(old)) {
            fs::permissions(temp, old.permissions(), ec);  // best effort
        }
        fs::rename(temp, target, ec);
        if (ec) {
            ok = false;
            error = ec.value() != 0 ? ec.value() : EIO;
        }
    }
    if (!ok) fs::remove(temp, ec);
    return ok ? 0 : error;
}

bool RegularFileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(fs::path(path), ec);
}

}  // namespace tavexo
