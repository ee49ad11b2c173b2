#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/file_io.h"

namespace tavexo {

// The pieces of the drills' semicolon files, which a German spreadsheet
// program opens as they are: fields split at semicolons, decimal commas.

// "1,40" for 1.4 with `decimals` places.
std::string DecimalComma(double value, int decimals = 2);

// The fields of one line; a trailing CR is dropped first, and a trailing
// semicolon gives a last empty field.
std::vector<std::string> SplitFields(const std::string& line);

// The free text of a field: separators and line breaks become blanks, so
// that they cannot shift the fields after it.
std::string FieldText(std::string text);

// A whole number that fills the field, nothing else.
std::optional<int> ParseWholeField(const std::string& text);

// A finite decimal number with a comma or a point that fills the field.
std::optional<double> ParseDecimalField(std::string text);

// Adds `line` (bytes, without its line break) at the end of the file at
// `path`, which starts with `header` when it is new or empty. The lines
// already there stay as they are, even those that cannot be read. The file
// is replaced as a whole, so a failed write leaves the old one; a file that
// is there but cannot be read is left alone rather than replaced by the
// new line alone.
FileResult AppendCsvLine(const std::string& path, const std::string& header,
                         const std::string& line, const FileCalls& calls = SystemFileCalls());

}  // namespace tavexo
