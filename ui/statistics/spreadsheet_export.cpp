#include "ui/statistics/spreadsheet_export.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <vector>

namespace tavexo {

namespace {

constexpr int MAX_SHEET_NAME = 31;
constexpr std::string_view ELLIPSIS = "…";  // one UTF-16 unit

// The length in bytes of the UTF-8 sequence that starts with `lead`.
size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 0x6) return 2;
    if ((lead >> 4) == 0xE) return 3;
    if ((lead >> 3) == 0x1E) return 4;
    return 1;  // a stray byte counts as one character
}

// UTF-16 units of the sequence: characters beyond the basic plane take two.
int Utf16Units(size_t sequenceLength) {
    return sequenceLength == 4 ? 2 : 1;
}

bool ForbiddenInSheetName(unsigned char c) {
    return c < 0x20 || c == '[' || c == ']' || c == ':' || c == '*' || c == '?' || c == '/' ||
           c == '\\';
}

// Characters in a column as wide as the text, counted by code point.
int DisplayLength(std::string_view text) {
    int length = 0;
    for (size_t i = 0; i < text.size(); i += SequenceLength(static_cast<unsigned char>(text[i])))
        ++length;
    return length;
}

std::string_view Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// A whole number small enough to stay exact in a spreadsheet cell.
bool WholeNumber(std::string_view text, int64_t& value) {
    const std::string_view t = Trimmed(text);
    if (t.empty() || t.size() > 15) return false;
    const char* end = t.data() + t.size();
    const auto [ptr, error] = std::from_chars(t.data(), end, value);
    return error == std::errc() && ptr == end;
}

enum CellAlign { Centre, Right };

CellAlign AlignOf(SpreadsheetLayout layout, int column) {
    if (layout == SpreadsheetLayout::Statistics) return Centre;
    // History: "Einsatz" (C) and "Ergebnis" to "Rendite" (I to M) right.
    return column == 2 || column >= 8 ? Right : Centre;
}

std::string Failed(const char* what, lxw_error error) {
    return std::string("Der Export ist fehlgeschlagen (") + what + ": " + lxw_strerror(error) +
           ").";
}

}  // namespace

std::string SheetNameFor(std::string_view title) {
    std::string cleaned;
    for (size_t i = 0; i < title.size();) {
        const size_t n =
            std::min(SequenceLength(static_cast<unsigned char>(title[i])), title.size() - i);
        if (n == 1 && ForbiddenInSheetName(static_cast<unsigned char>(title[i]))) {
            cleaned += '-';
        } else {
            cleaned.append(title.substr(i, n));
        }
        i += n;
    }
    while (!cleaned.empty() && cleaned.front() == '\'') cleaned.erase(0, 1);
    while (!cleaned.empty() && cleaned.back() == '\'') cleaned.pop_back();

    int units = 0;
    for (size_t i = 0; i < cleaned.size();
         i += SequenceLength(static_cast<unsigned char>(cleaned[i])))
        units += Utf16Units(SequenceLength(static_cast<unsigned char>(cleaned[i])));
    if (units > MAX_SHEET_NAME) {
        std::string cut;
        int used = 0;
        for (size_t i = 0; i < cleaned.size();) {
            const size_t n = SequenceLength(static_cast<unsigned char>(cleaned[i]));
            if (used + Utf16Units(n) > MAX_SHEET_NAME - 1) break;
            cut.append(cleaned, i, n);
            used += Utf16Units(n);
            i += n;
        }
        while (!cut.empty() && (cut.back() == ' ' || cut.back() == '\'')) cut.pop_back();
        cleaned = cut + std::string(ELLIPSIS);
    }
    if (Trimmed(cleaned).empty()) cleaned = "Tabelle1";
    return cleaned;
}

SpreadsheetResult ExportGridToSpreadsheet(const TextGrid& grid, const std::string& title,
                                          int lastColumn, SpreadsheetLayout layout,
                                          const std::string& path) {
    lastColumn = std::min(lastColumn, grid.ColumnCount() - 1);
    const int rows = grid.RowCount();

    // libxlsxwriter has no autofit: the widths come from the texts, measured
    // before any row is written so that the rows can stream to disk.
    std::vector<int> widths(static_cast<size_t>(std::max(0, lastColumn + 1)), 0);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c <= lastColumn; ++c)
            widths[c] = std::max(widths[c], DisplayLength(Trimmed(grid.Cell(c, r))));

    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* book = workbook_new_opt(path.c_str(), &options);
    if (book == nullptr) return {false, "Die Datei \"" + path + "\" kann nicht angelegt werden."};

    const std::string sheetName = SheetNameFor(title);
    lxw_worksheet* sheet = workbook_add_worksheet(book, sheetName.c_str());
    if (sheet == nullptr) {
        workbook_close(book);
        return {false, "Das Tabellenblatt \"" + sheetName + "\" kann nicht angelegt werden."};
    }

    lxw_format* centre = workbook_add_format(book);
    format_set_align(centre, LXW_ALIGN_CENTER);
    lxw_format* right = workbook_add_format(book);
    format_set_align(right, LXW_ALIGN_RIGHT);
    // The detail statistics' title row is text, so that no title is ever
    // read as a number or a date.
    lxw_format* centreText = workbook_add_format(book);
    format_set_align(centreText, LXW_ALIGN_CENTER);
    format_set_num_format(centreText, "@");
    lxw_format* rightText = workbook_add_format(book);
    format_set_align(rightText, LXW_ALIGN_RIGHT);
    format_set_num_format(rightText, "@");

    for (int c = 0; c <= lastColumn; ++c) {
        lxw_format* format = AlignOf(layout, c) == Centre ? centre : right;
        const double width = std::clamp(widths[c] + 2, 6, 100);
        worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), width,
                             format);
    }

    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c <= lastColumn; ++c) {
            const bool textRow = layout == SpreadsheetLayout::Statistics && r == 0;
            const bool isCentre = AlignOf(layout, c) == Centre;
            lxw_format* format =
                textRow ? (isCentre ? centreText : rightText) : (isCentre ? centre : right);
            const std::string& text = grid.Cell(c, r);
            int64_t number = 0;
            lxw_error error = LXW_NO_ERROR;
            if (text.empty()) {
                if (textRow) error = worksheet_write_blank(sheet, r, c, format);
            } else if (!textRow && WholeNumber(text, number)) {
                error = worksheet_write_number(sheet, r, c, static_cast<double>(number), format);
            } else {
                error = worksheet_write_string(sheet, r, c, text.c_str(), format);
            }
            if (error != LXW_NO_ERROR) {
                workbook_close(book);
                return {false, Failed("Zelle", error)};
            }
        }
    }

    const lxw_error closed = workbook_close(book);
    if (closed != LXW_NO_ERROR) return {false, Failed(path.c_str(), closed)};
    return {};
}

}  // namespace tavexo
