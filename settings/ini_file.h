#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/cp1252.h"
#include "settings/file_io.h"

namespace tavexo {

// The text of an INI file in the layout of the Windows private-profile
// functions: "[section]" headers, "key=value" lines, names compared without
// regard to case, the first of two equal sections or keys winning. Lines the
// program does not understand (comments, keys of other versions) are kept as
// they are. Text in memory is UTF-8; the file's bytes are Windows-1252 unless
// the file came with a UTF-8 or UTF-16 byte-order mark, in which case it keeps
// that encoding.
class IniDocument {
  public:
    IniDocument() = default;
    static IniDocument FromBytes(std::string_view bytes);
    // Every line ends with CR LF, the last one too.
    std::string ToBytes() const;

    // The value with surrounding blanks removed, and one pair of enclosing
    // quotes, as Windows hands it out; nothing when the key is absent.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // An absent or empty value, or one that is not a whole number in the
    // 32-bit range, gives `fallback`.
    int32_t ReadInt(std::string_view section, std::string_view key, int32_t fallback) const;
    // Booleans are whole numbers: 0 is false, any other number true.
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

    // Changes the key's line in place; a new key goes after the last line of
    // its section, a new section at the end of the file. Line breaks in the
    // value are replaced by blanks, since they would end the line.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    const std::vector<std::string>& Lines() const { return lines_; }
    TextEncoding Encoding() const { return encoding_; }

  private:
    struct SectionRange {
        size_t header;  // index of the "[name]" line
        size_t end;     // one past its last line
    };
    std::optional<SectionRange> FindSection(std::string_view section) const;
    std::optional<size_t> FindKey(const SectionRange& range, std::string_view key) const;

    std::vector<std::string> lines_;
    TextEncoding encoding_ = TextEncoding::Cp1252;
};

// Parses a whole number as the INI readers accept it: optional blanks, an
// optional sign, decimal digits, nothing else, within the 32-bit range.
std::optional<int32_t> ParseWholeNumber(std::string_view text);

struct IniEntry {
    std::string section;
    std::string key;
    std::string value;
};

// An INI file on disk, read once when constructed. A missing or unreadable
// file reads as empty.
class IniFile {
  public:
    explicit IniFile(std::string path);

    const std::string& Path() const { return path_; }
    // A regular file was found at the path when it was read.
    bool Exists() const { return exists_; }
    const IniDocument& Document() const { return document_; }

    int32_t ReadInt(std::string_view section, std::string_view key, int32_t fallback) const {
        return document_.ReadInt(section, key, fallback);
    }
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const {
        return document_.ReadBool(section, key, fallback);
    }
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const {
        return document_.ReadString(section, key, fallback);
    }

    // Writes keys to the file: reads it afresh, sets the entries in order,
    // keeps every other line, and replaces the file safely (see
    // ReplaceFileContents). Several entries are written all or none. Returns 0
    // or the error number; on success the copy in memory follows the file.
    int Write(const std::vector<IniEntry>& entries, const FileCalls& calls = SystemFileCalls());
    int Write(std::string_view section, std::string_view key, std::string_view value,
              const FileCalls& calls = SystemFileCalls());

  private:
    std::string path_;
    bool exists_ = false;
    IniDocument document_;
};

}  // namespace tavexo
