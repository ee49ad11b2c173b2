#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace tavexo {

// Whole-file reads and crash-safe whole-file writes for the program's data
// files. Paths are UTF-8; error numbers are the platform's errno values.

// The outcome of a file operation: on failure the platform's error number,
// when there is one, and the German message the user is shown.
struct FileResult {
    bool ok = true;
    int errorNumber = 0;
    std::string message;

    static FileResult Failure(int errorNumber, std::string message) {
        return {false, errorNumber, std::move(message)};
    }
};

// The system's own words for an error number ("No space left on device"),
// in the language of the user's locale.
std::string ErrorText(int errorNumber);

// The message of a save that failed: "In <path> kann nicht geschrieben
// werden (E/A-Fehler <n>: <reason>)", so that the user learns which file it
// was and why.
FileResult WriteFailure(const std::string& path, int errorNumber);

// The system calls that reading and replacing a file are made of. The
// program uses SystemFileCalls(); a test hands in its own to make one of the
// steps fail the way a full disk, a read-only folder or a failing rename
// does. Each returns and sets errno as the POSIX call of the same name.
class FileCalls {
  public:
    virtual ~FileCalls() = default;
    virtual int Open(const char* path, int flags, mode_t mode) const;
    virtual ssize_t Read(int fd, void* buffer, size_t size) const;
    virtual ssize_t Write(int fd, const void* data, size_t size) const;
    virtual int Fsync(int fd) const;
    virtual int Close(int fd) const;
    virtual int Rename(const char* from, const char* to) const;
};

const FileCalls& SystemFileCalls();

// The bytes of the file, or nothing when it cannot be opened or read (a
// folder, a missing file); `errorNumber` then receives the reason.
std::optional<std::string> ReadFileBytes(const std::string& path, int* errorNumber = nullptr,
                                         const FileCalls& calls = SystemFileCalls());

// Replaces the file's contents with `bytes`: they go to a new file in the
// same folder, which is then renamed over the old one, so that a failure at
// any point leaves the old file as it was and no new file behind. Returns 0
// or the error number. The new file takes over the old one's permissions; a
// symbolic link is followed and the file it points to is replaced (or
// created, when the link points to a file that does not exist yet). The new
// contents are synced to the disk before the rename and the folder after it.
int ReplaceFileContents(const std::string& path, std::string_view bytes,
                        const FileCalls& calls = SystemFileCalls());

// A regular file (or a link to one) exists at `path`.
bool RegularFileExists(const std::string& path);

}  // namespace tavexo
