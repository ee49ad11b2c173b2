#include "drill/drill_history.h"

#include <sstream>

#include "drill/csv_fields.h"

namespace tavexo {

std::string FormatSessionLine(const DrillSessionRecord& r) {
    // The date is the one free text: a separator or line break in it would
    // shift every field after it.
    return FieldText(r.when) + ';' + std::to_string(r.decks) + ';' + std::to_string(r.places) +
           ';' + std::to_string(r.checked) + ';' + std::to_string(r.correct) + ';' +
           DecimalComma(r.meanError) + ';' + DecimalComma(r.cardsPerSecond) + ';' +
           (r.heldPace ? DecimalComma(*r.heldPace) : std::string());
}

std::optional<DrillSessionRecord> ParseSessionLine(const std::string& line) {
    const std::vector<std::string> f = SplitFields(line);
    if ((f.size() != 7 && f.size() != 8) || f[0].empty()) return std::nullopt;
    const auto decks = ParseWholeField(f[1]);
    const auto places = ParseWholeField(f[2]);
    const auto checked = ParseWholeField(f[3]);
    const auto correct = ParseWholeField(f[4]);
    const auto error = ParseDecimalField(f[5]);
    const auto pace = ParseDecimalField(f[6]);
    if (!decks || !places || !checked || !correct || !error || !pace) return std::nullopt;
    if (*checked < 0 || *correct < 0 || *correct > *checked) return std::nullopt;
    DrillSessionRecord record{f[0], *decks, *places, *checked, *correct, *error, *pace, {}};
    if (f.size() == 8 && !f[7].empty()) {
        const auto held = ParseDecimalField(f[7]);
        if (!held || *held <= 0.0) return std::nullopt;
        record.heldPace = held;
    }
    return record;
}

FileResult AppendDrillSession(const std::string& trainingFolder, const DrillSessionRecord& record,
                              const FileCalls& calls) {
    return AppendCsvLine(trainingFolder + DRILL_HISTORY_FILE_NAME, DRILL_HISTORY_HEADER,
                         FormatSessionLine(record), calls);
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
