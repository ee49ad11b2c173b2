#include "settings/file_io.h"

#include <fcntl.h>
#include <unistd.h>

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

// The file a path names once every symbolic link on its last part is
// followed, also a link whose target does not exist yet (saving creates the
// target then). Nothing when the chain loops or runs longer than the
// system itself would follow (ELOOP), so that no link is ever replaced by a
// plain file.
std::optional<fs::path> FollowLinks(fs::path path, int& error) {
    constexpr int MAX_LINKS = 40;  // the kernel's own limit
    for (int hop = 0; hop <= MAX_LINKS; ++hop) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
        const fs::path next = fs::read_symlink(path, ec);
        if (ec) {
            error = ec.value() != 0 ? ec.value() : EIO;
            return std::nullopt;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    error = ELOOP;
    return std::nullopt;
}

// Asks the system to put what was written to `fd` on the disk. A file
// system that cannot sync this kind of file (EINVAL) counts as done.
int SyncToDisk(int fd) {
    if (::fsync(fd) == 0 || errno == EINVAL) return 0;
    return LastError();
}

// Makes a rename in `folder` survive a crash. Best effort: the new file is
// already in place, and a folder that cannot be synced is no reason to
// report the save as failed.
void SyncFolder(const fs::path& folder) {
    const std::string name = folder.empty() ? "." : folder.string();
    const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)SyncToDisk(fd);
    ::close(fd);
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
    int error = 0;
    const std::optional<fs::path> followed = FollowLinks(fs::path(path), error);
    if (!followed) return error;
    const fs::path& target = *followed;
    std::error_code ec;

    fs::path temp;
    std::FILE* file = CreateSiblingFile(target, temp, error);
    if (file == nullptr) return error;

    errno = 0;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (ok) ok = std::fflush(file) == 0;
    if (!ok) error = LastError();
    // The new bytes reach the disk before the rename makes them the file's,
    // so that a crash leaves either the old or the new contents.
    if (ok) {
        error = SyncToDisk(fileno(file));
        ok = error == 0;
    }
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
        } else {
            SyncFolder(target.parent_path());
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
