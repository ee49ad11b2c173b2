#include "drill/drill_history.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace tavexo {

namespace {

std::string Decimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string s = text;
    for (char& c : s) {
        if (c == '.') c = ',';
    }
    return s;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, ';')) fields.push_back(field);
    if (!line.empty() && line.back() == ';') fields.emplace_back();
    return fields;
}

std::optional<int> WholeNumber(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<double> DecimalNumber(std::string text) {
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

}  // namespace

std::string FormatSessionLine(const DrillSessionRecord& r) {
    // The date is the one free text: a separator or line break in it would
    // shift every field after it.
    std::string when = r.when;
    for (char& c : when) {
        if (c == ';' || c == '\r' || c == '\n') c = ' ';
    }
    return when + ';' + std::to_string(r.decks) + ';' + std::to_string(r.places) + ';' +
           std::to_string(r.checked) + ';' + std::to_string(r.correct) + ';' +
           Decimal(r.meanError) + ';' + Decimal(r.cardsPerSecond);
}

std::optional<DrillSessionRecord> ParseSessionLine(const std::string& line) {
    std::string text = line;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    const std::vector<std::string> f = Fields(text);
    if (f.size() != 7 || f[0].empty()) return std::nullopt;
    const auto decks = WholeNumber(f[1]);
    const auto places = WholeNumber(f[2]);
    const auto checked = WholeNumber(f[3]);
    const auto correct = WholeNumber(f[4]);
    const auto error = DecimalNumber(f[5]);
    const auto pace = DecimalNumber(f[6]);
    if (!decks || !places || !checked || !correct || !error || !pace) return std::nullopt;
    if (*checked < 0 || *correct < 0 || *correct > *checked) return std::nullopt;
    return DrillSessionRecord{f[0], *decks, *places, *checked, *correct, *error, *pace};
}

FileResult AppendDrillSession(const std::string& trainingFolder, const DrillSessionRecord& record,
                              const FileCalls& calls) {
    const std::string path = trainingFolder + DRILL_HISTORY_FILE_NAME;
    std::string bytes;
    int error = 0;
    if (const auto old = ReadFileBytes(path, &error, calls)) {
        bytes = *old;
    } else if (error != ENOENT) {
        return WriteFailure(path, error);
    }
    if (bytes.empty()) bytes = std::string(DRILL_HISTORY_HEADER) + "\r\n";
    // A file cut off in its last line gets its line break back first, so
    // the new session starts a line of its own.
    if (bytes.back() != '\n') bytes += "\r\n";
    bytes += FormatSessionLine(record) + "\r\n";
    error = ReplaceFileContents(path, bytes, calls);
    return error == 0 ? FileResult{} : WriteFailure(path, error);
}

std::vector<DrillSessionRecord> LoadDrillHistory(const std::string& trainingFolder) {
    std::vector<DrillSessionRecord> sessions;
    const auto bytes = ReadFileBytes(trainingFolder + DRILL_HISTORY_FILE_NAME);
    if (!bytes) return sessions;
    std::istringstream in(*bytes);
    std::string line;
    while (std::getline(in, line)) {
        if (auto record = ParseSessionLine(line)) sessions.push_back(std::move(*record));
    }
    return sessions;
}

}  // namespace tavexo
