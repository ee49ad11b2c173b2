#include "stats/grid_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <optional>

#include "settings/cp1252.h"
#include "settings/ini_file.h"

namespace tavexo {

namespace {

bool IsSpaceOrControl(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

// The lines of a text one after the other, without a list of them all: a
// file of nothing but line breaks would otherwise take 16 bytes per byte.
// Lines end at CR LF, a lone CR or a lone LF; a break at the very end starts
// no further line.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : text_(text) {}

    std::optional<std::string_view> Next() {
        if (start_ >= text_.size()) return std::nullopt;
        size_t end = text_.find_first_of("\r\n", start_);
        if (end == std::string_view::npos) end = text_.size();
        const std::string_view line = text_.substr(start_, end - start_);
        if (end + 1 < text_.size() && text_[end] == '\r' && text_[end + 1] == '\n') ++end;
        start_ = end + 1;
        return line;
    }

    // How many lines are left, counted without keeping them.
    size_t CountRest() const {
        LineReader copy = *this;
        size_t count = 0;
        while (copy.Next()) ++count;
        return count;
    }

  private:
    std::string_view text_;
    size_t start_ = 0;
};

// A line as a message quotes it: long lines are cut, at a character boundary.
std::string Quoted(std::string_view line) {
    constexpr size_t LIMIT = 60;
    if (line.size() <= LIMIT) return "'" + std::string(line) + "'";
    size_t cut = LIMIT;
    while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
    return "'" + std::string(line.substr(0, cut)) + "...'";
}

}  // namespace

std::string GridField(std::string_view cell) {
    const bool needsQuotes = std::any_of(cell.begin(), cell.end(), [](char c) {
        return c == ',' || c == '"' || IsSpaceOrControl(c);
    });
    if (!needsQuotes) return std::string(cell);
    std::string field = "\"";
    for (const char c : cell) {
        if (c == '"') field += '"';
        field += c;
    }
    field += '"';
    return field;
}

std::vector<std::string> SplitGridLine(std::string_view line) {
    std::vector<std::string> fields;
    size_t pos = 0;
    const auto skipBlanks = [&] {
        while (pos < line.size() && IsSpaceOrControl(line[pos])) ++pos;
    };
    skipBlanks();
    while (pos < line.size()) {
        std::string field;
        if (line[pos] == '"') {
            ++pos;
            while (pos < line.size()) {
                const size_t quote = line.find('"', pos);
                if (quote == std::string_view::npos) {  // no closing quote: the rest
                    field.append(line.substr(pos));
                    pos = line.size();
                    break;
                }
                field.append(line.substr(pos, quote - pos));
                pos = quote + 1;
                if (pos < line.size() && line[pos] == '"') {
                    field += '"';
                    ++pos;
                } else {
                    break;
                }
            }
        } else {
            const size_t start = pos;
            while (pos < line.size() && line[pos] != ',' && !IsSpaceOrControl(line[pos])) ++pos;
            field.assign(line.substr(start, pos - start));
        }
        fields.push_back(std::move(field));
        skipBlanks();
        if (pos < line.size() && line[pos] == ',') {
            ++pos;
            if (pos == line.size()) fields.emplace_back();
            skipBlanks();
        }
    }
    return fields;
}

TStatGridFile EncodeGridFile(const TextGrid& grid) {
    std::string text = std::to_string(grid.RowCount()) + "\r\n";
    for (int row = 1; row < grid.RowCount(); ++row) {
        for (int column = 0; column < grid.ColumnCount(); ++column) {
            if (column > 0) text += ',';
            text += GridField(grid.Cell(column, row));
        }
        text += "\r\n";
    }
    return Utf8ToCp1252(text);
}

FileResult DecodeGridFile(TextGrid& grid, std::string_view bytes) {
    if (bytes.size() > MAX_GRID_FILE_BYTES) {
        return FileResult::Failure(EFBIG, "Die Datei ist zu groß (mehr als " +
                                              std::to_string(MAX_GRID_FILE_BYTES >> 20) + " MB)");
    }
    const std::string text = DecodeTextBytes(bytes).utf8;
    LineReader lines(text);
    const std::string_view first = lines.Next().value_or(std::string_view());

    const auto rowCount = ParseWholeNumber(first);
    if (!rowCount) {
        return FileResult::Failure(0, Quoted(first) + " ist kein gültiger ganzzahliger Wert");
    }
    // At least the title row. A count beyond what the file holds is a short
    // file, refused at its end below, unless it is too large to be one; and
    // no count may make the grid larger than memory allows.
    const int64_t cells = int64_t{*rowCount} * std::max(grid.ColumnCount(), 1);
    if (*rowCount < 1 || cells > MAX_GRID_CELLS ||
        (*rowCount > MAX_ANNOUNCED_GRID_ROWS &&
         static_cast<size_t>(*rowCount - 1) > lines.CountRest())) {
        return FileResult::Failure(0, Quoted(first) + " ist keine gültige Zeilenzahl");
    }

    // Filled on the side and taken over only when complete, so that a
    // refused file leaves the grid as it was.
    TextGrid loaded(grid.ColumnCount(), *rowCount);
    for (int column = 0; column < grid.ColumnCount(); ++column) {
        loaded.SetCell(column, 0, grid.Cell(column, 0));
    }
    for (int row = 1; row < *rowCount; ++row) {
        const std::optional<std::string_view> line = lines.Next();
        if (!line) {
            return FileResult::Failure(
                0, "Unerwartetes Dateiende: Zeile " + std::to_string(row + 1) + " fehlt");
        }
        const std::vector<std::string> fields = SplitGridLine(*line);
        const size_t used = std::min(fields.size(), static_cast<size_t>(grid.ColumnCount()));
        for (size_t column = 0; column < used; ++column) {
            // An empty field comes back as one blank; saved again, that cell
            // becomes a quoted blank.
            loaded.SetCell(static_cast<int>(column), row,
                           fields[column].empty() ? " " : fields[column]);
        }
    }
    grid = std::move(loaded);
    return {};
}

FileResult SaveGridToFile(const TextGrid& grid, const std::string& path, const FileCalls& calls) {
    const int error = ReplaceFileContents(path, EncodeGridFile(grid), calls);
    return error == 0 ? FileResult{} : WriteFailure(path, error);
}

FileResult LoadGridFromFile(TextGrid& grid, const std::string& path) {
    int error = 0;
    const auto bytes = ReadFileBytes(path, &error);
    if (!bytes) {
        return FileResult::Failure(error, "Datei \"" + path +
                                              "\" kann nicht geöffnet werden (E/A-Fehler " +
                                              std::to_string(error) + ")");
    }
    return DecodeGridFile(grid, *bytes);
}

}  // namespace tavexo
