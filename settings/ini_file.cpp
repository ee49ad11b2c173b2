#include "settings/ini_file.h"

#include <cerrno>
#include <charconv>

#include "settings/file_io.h"

namespace tavexo {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Folds ASCII letters and the Latin-1 capitals (U+00C0..U+00DE without the
// multiplication sign) to lower case, enough for the German names of the
// program's sections and keys ("Verzögerung" = "VERZÖGERUNG").
std::string Folded(std::string_view utf8) {
    std::string out(utf8);
    for (size_t i = 0; i < out.size(); ++i) {
        const auto c = static_cast<unsigned char>(out[i]);
        if (c >= 'A' && c <= 'Z') {
            out[i] = static_cast<char>(c + 32);
        } else if (c == 0xC3 && i + 1 < out.size()) {
            // U+00C0..U+00DE are C3 80..C3 9E; lower case is 0x20 further.
            const auto next = static_cast<unsigned char>(out[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97)
                out[i + 1] = static_cast<char>(next + 0x20);
            ++i;
        }
    }
    return out;
}

bool SameName(std::string_view a, std::string_view b) {
    return Folded(a) == Folded(b);
}

// The section name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> SectionNameOf(std::string_view line) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    line.remove_prefix(1);
    const size_t close = line.find(']');
    return Trim(close == std::string_view::npos ? line : line.substr(0, close));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

// Comment lines (";") and lines without "=" hold no key.
std::optional<KeyLine> KeyLineOf(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';') return std::nullopt;
    const size_t eq = trimmed.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return KeyLine{Trim(trimmed.substr(0, eq)), Trim(trimmed.substr(eq + 1))};
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        lines.emplace_back(text.substr(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
            text[end + 1] == '\n') {
            ++end;
        }
        start = end + 1;
    }
    return lines;
}

std::string OneLine(std::string_view value) {
    std::string out(value);
    for (char& c : out) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return out;
}

}  // namespace

std::optional<int32_t> ParseWholeNumber(std::string_view text) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    int64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    const int64_t value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(value);
}

IniDocument IniDocument::FromBytes(std::string_view bytes) {
    DecodedText decoded = DecodeTextBytes(bytes);
    IniDocument document;
    document.lines_ = SplitLines(decoded.utf8);
    document.encoding_ = decoded.encoding;
    return document;
}

std::string IniDocument::ToBytes() const {
    std::string text;
    for (const std::string& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return EncodeTextBytes(text, encoding_);
}

std::optional<IniDocument::SectionRange> IniDocument::FindSection(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionNameOf(lines_[i]);
        if (!name || !SameName(*name, section)) continue;
        size_t end = i + 1;
        while (end < lines_.size() && !SectionNameOf(lines_[end])) ++end;
        return SectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<size_t> IniDocument::FindKey(const SectionRange& range, std::string_view key) const {
    for (size_t i = range.header + 1; i < range.end; ++i) {
        const auto line = KeyLineOf(lines_[i]);
        if (line && SameName(line->key, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::Value(std::string_view section,
                                              std::string_view key) const {
    const auto range = FindSection(section);
    if (!range) return std::nullopt;
    const auto index = FindKey(*range, key);
    if (!index) return std::nullopt;
    std::string_view value = KeyLineOf(lines_[*index])->value;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

std::string IniDocument::ReadString(std::string_view section, std::string_view key,
                                    std::string_view fallback) const {
    const auto value = Value(section, key);
    return value ? *value : std::string(fallback);
}

int32_t IniDocument::ReadInt(std::string_view section, std::string_view key,
                             int32_t fallback) const {
    const auto value = Value(section, key);
    if (!value) return fallback;
    return ParseWholeNumber(*value).value_or(fallback);
}

bool IniDocument::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
    return ReadInt(section, key, fallback ? 1 : 0) != 0;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string clean = OneLine(value);
    const auto range = FindSection(section);
    if (!range) {
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::string(key) + "=" + clean);
        return;
    }
    if (const auto index = FindKey(*range, key)) {
        // Keep the spelling of the key as the file has it.
        const std::string existing(KeyLineOf(lines_[*index])->key);
        lines_[*index] = existing + "=" + clean;
        return;
    }
    // After the last line of the section that is not blank, so that a blank
    // line that separates it from the next section stays in place.
    size_t insertAt = range->end;
    while (insertAt > range->header + 1 && Trim(lines_[insertAt - 1]).empty()) --insertAt;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                  std::string(key) + "=" + clean);
}

IniFile::IniFile(std::string path) : path_(std::move(path)) {
    exists_ = RegularFileExists(path_);
    if (!exists_) return;
    if (const auto bytes = ReadFileBytes(path_)) document_ = IniDocument::FromBytes(*bytes);
}

int IniFile::Write(const std::vector<IniEntry>& entries, const FileCalls& calls) {
    // Start from the file as it is now, not as it was when this object read
    // it, so that nothing another writer stored in between is lost.
    int error = 0;
    IniDocument current;
    if (const auto bytes = ReadFileBytes(path_, &error, calls)) {
        current = IniDocument::FromBytes(*bytes);
    } else if (error != ENOENT) {
        // A file that exists but cannot be read must not be replaced by one
        // that holds only the new keys.
        return error;
    }
    for (const IniEntry& entry : entries) current.Set(entry.section, entry.key, entry.value);
    error = ReplaceFileContents(path_, current.ToBytes(), calls);
    if (error != 0) return error;
    document_ = std::move(current);
    exists_ = true;
    return 0;
}

int IniFile::Write(std::string_view section, std::string_view key, std::string_view value,
                   const FileCalls& calls) {
    return Write({IniEntry{std::string(section), std::string(key), std::string(value)}}, calls);
}

}  // namespace tavexo
