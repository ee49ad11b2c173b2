#pragma once

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

// "E/A-Fehler <n>": the message of a failed read or write of the program's
// record files.
FileResult IoFailure(int errorNumber);

// The bytes of the file, or nothing when it cannot be opened or read (a
// folder, a missing file); `errorNumber` then receives the reason.
std::optional<std::string> ReadFileBytes(const std::string& path, int* errorNumber = nullptr);

// Replaces the file's contents with `bytes`: they go to a new file in the
// same folder, which is then renamed over the old one, so that a failure at
// any point leaves the old file as it was. Returns 0 or the error number.
// The new file takes over the old one's permissions; a symbolic link is
// followed and the file it points to is replaced (or created, when the link
// points to a file that does not exist yet). The new contents are synced to
// the disk before the rename and the folder after it.
int ReplaceFileContents(const std::string& path, std::string_view bytes);

// A regular file (or a link to one) exists at `path`.
bool RegularFileExists(const std::string& path);

}  // namespace tavexo
