#include "drill/csv_fields.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace tavexo {

std::string DecimalComma(double value, int decimals) {
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string s = text;
    for (char& c : s) {
        if (c == '.') c = ',';
    }
    return s;
}

std::vector<std::string> SplitFields(const std::string& line) {
    std::string text = line;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(text);
    while (std::getline(in, field, ';')) fields.push_back(field);
    if (!text.empty() && text.back() == ';') fields.emplace_back();
    return fields;
}

std::string FieldText(std::string text) {
    for (char& c : text) {
        if (c == ';' || c == '\r' || c == '\n') c = ' ';
    }
    return text;
}

std::optional<int> ParseWholeField(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<double> ParseDecimalField(std::string text) {
    for (char& c : text) {
        if (c == ',') c = '.';
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

FileResult AppendCsvLine(const std::string& path, const std::string& header,
                         const std::string& line, const FileCalls& calls) {
    std::string bytes;
    int error = 0;
    if (const auto old = ReadFileBytes(path, &error, calls)) {
        bytes = *old;
    } else if (error != ENOENT) {
        return WriteFailure(path, error);
    }
    if (bytes.empty()) bytes = header + "\r\n";
    // A file cut off in its last line gets its line break back first, so
    // the new line starts a line of its own.
    if (bytes.back() != '\n') bytes += "\r\n";
    bytes += line + "\r\n";
    error = ReplaceFileContents(path, bytes, calls);
    return error == 0 ? FileResult{} : WriteFailure(path, error);
}

}  // namespace tavexo
