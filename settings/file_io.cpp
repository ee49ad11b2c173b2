#include "settings/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
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

// Creates a new, empty file next to `target` under a name nobody else uses;
// -1 with `error` set when that cannot be done.
int CreateSiblingFile(const fs::path& target, const FileCalls& calls, fs::path& created,
                      int& error) {
    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        created = target.parent_path() /
                  ("." + target.filename().string() + "." + HexOf(random()) + ".tmp");
        errno = 0;
        // O_EXCL: fail rather than reuse a file that happens to carry the name.
        const int fd = calls.Open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) return fd;
        error = LastError();
        if (error != EEXIST) return -1;
    }
    return -1;
}

// Writes every byte, also when the system takes them in parts; 0 or the
// error number of the write that failed (a full disk mid-way gives ENOSPC).
int WriteAll(int fd, std::string_view bytes, const FileCalls& calls) {
    while (!bytes.empty()) {
        errno = 0;
        const ssize_t written = calls.Write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return written == 0 ? ENOSPC : LastError();
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return 0;
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
int SyncToDisk(int fd, const FileCalls& calls) {
    errno = 0;
    if (calls.Fsync(fd) == 0 || errno == EINVAL) return 0;
    return LastError();
}

// Makes a rename in `folder` survive a crash. Best effort: the new file is
// already in place, and a folder that cannot be synced is no reason to
// report the save as failed.
void SyncFolder(const fs::path& folder, const FileCalls& calls) {
    const std::string name = folder.empty() ? "." : folder.string();
    const int fd = calls.Open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0) return;
    (void)SyncToDisk(fd, calls);
    calls.Close(fd);
}

// Writes, syncs and closes the new file; 0 or the first error. The new
// bytes reach the disk before the rename makes them the file's, so that a
// crash leaves either the old or the new contents.
int FillNewFile(int fd, std::string_view bytes, const fs::path& target, const FileCalls& calls) {
    int error = WriteAll(fd, bytes, calls);
    if (error == 0) {
        struct stat old {};
        // Best effort: the old file's permissions, where there is one.
        if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
            (void)::fchmod(fd, old.st_mode & 07777);
        }
        error = SyncToDisk(fd, calls);
    }
    errno = 0;
    // A file system may report a failed write only here (NFS, a quota).
    if (calls.Close(fd) != 0 && error == 0) error = LastError();
    return error;
}

}  // namespace

std::string ErrorText(int errorNumber) {
    return std::strerror(errorNumber);
}

FileResult WriteFailure(const std::string& path, int errorNumber) {
    return FileResult::Failure(
        errorNumber, "In " + path + " kann nicht geschrieben werden (E/A-Fehler " +
                         std::to_string(errorNumber) + ": " + ErrorText(errorNumber) + ")");
}

int FileCalls::Open(const char* path, int flags, mode_t mode) const {
    return ::open(path, flags, mode);
}

ssize_t FileCalls::Read(int fd, void* buffer, size_t size) const {
    return ::read(fd, buffer, size);
}

ssize_t FileCalls::Write(int fd, const void* data, size_t size) const {
    return ::write(fd, data, size);
}

int FileCalls::Fsync(int fd) const {
    return ::fsync(fd);
}

int FileCalls::Close(int fd) const {
    return ::close(fd);
}

int FileCalls::Rename(const char* from, const char* to) const {
    return ::rename(from, to);
}

const FileCalls& SystemFileCalls() {
    static const FileCalls system;
    return system;
}

std::optional<std::string> ReadFileBytes(const std::string& path, int* errorNumber,
                                         const FileCalls& calls) {
    errno = 0;
    const int fd = calls.Open(path.c_str(), O_RDONLY | O_CLOEXEC, 0);
    if (fd < 0) {
        if (errorNumber) *errorNumber = LastError();
        return std::nullopt;
    }
    std::string bytes;
    char buffer[16384];
    int error = 0;
    for (;;) {
        errno = 0;
        const ssize_t got = calls.Read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) error = LastError();
        if (got <= 0) break;
        bytes.append(buffer, static_cast<size_t>(got));
    }
    calls.Close(fd);
    if (error != 0) {
        if (errorNumber) *errorNumber = error;
        return std::nullopt;
    }
    return bytes;
}

int ReplaceFileContents(const std::string& path, std::string_view bytes, const FileCalls& calls) {
    int error = 0;
    const std::optional<fs::path> followed = FollowLinks(fs::path(path), error);
    if (!followed) return error;
    const fs::path& target = *followed;

    fs::path temp;
    const int fd = CreateSiblingFile(target, calls, temp, error);
    if (fd < 0) return error;
    error = FillNewFile(fd, bytes, target, calls);
    if (error == 0) {
        errno = 0;
        if (calls.Rename(temp.c_str(), target.c_str()) == 0) {
            SyncFolder(target.parent_path(), calls);
            return 0;
        }
        error = LastError();
    }
    std::error_code ignored;
    fs::remove(temp, ignored);
    return error;
}

bool RegularFileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(fs::path(path), ec);
}

}  // namespace tavexo
