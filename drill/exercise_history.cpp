#include "drill/exercise_history.h"

#include <sstream>

#include "drill/csv_fields.h"
#include "settings/cp1252.h"

namespace tavexo {

std::string FormatExerciseLine(const ExerciseRecord& r) {
    return FieldText(r.when) + ';' + FieldText(r.exercise) + ';' + FieldText(r.setting) + ';' +
           std::to_string(r.questions) + ';' + std::to_string(r.right) + ';' +
           (r.meanError ? DecimalComma(*r.meanError) : std::string()) + ';' +
           DecimalComma(r.secondsPerAnswer);
}

std::optional<ExerciseRecord> ParseExerciseLine(const std::string& line) {
    const std::vector<std::string> f = SplitFields(line);
    if (f.size() != 7 || f[0].empty() || f[1].empty()) return std::nullopt;
    const auto questions = ParseWholeField(f[3]);
    const auto right = ParseWholeField(f[4]);
    const auto seconds = ParseDecimalField(f[6]);
    if (!questions || !right || !seconds) return std::nullopt;
    if (*questions < 1 || *right < 0 || *right > *questions || *seconds < 0) return std::nullopt;
    ExerciseRecord record{f[0], f[1], f[2], *questions, *right, std::nullopt, *seconds};
    if (!f[5].empty()) {
        const auto error = ParseDecimalField(f[5]);
        if (!error || *error < 0) return std::nullopt;
        record.meanError = error;
    }
    return record;
}

FileResult AppendExercise(const std::string& trainingFolder, const ExerciseRecord& record,
                          const FileCalls& calls) {
    return AppendCsvLine(trainingFolder + EXERCISE_HISTORY_FILE_NAME,
                         Utf8ToCp1252(EXERCISE_HISTORY_HEADER),
                         Utf8ToCp1252(FormatExerciseLine(record)), calls);
}

std::vector<ExerciseRecord> LoadExercises(const std::string& trainingFolder,
                                          const std::string& exercise) {
    std::vector<ExerciseRecord> rounds;
    const auto bytes = ReadFileBytes(trainingFolder + EXERCISE_HISTORY_FILE_NAME);
    if (!bytes) return rounds;
    std::istringstream in(DecodeTextBytes(*bytes).utf8);
    std::string line;
    while (std::getline(in, line)) {
        auto record = ParseExerciseLine(line);
        if (record && record->exercise == exercise) rounds.push_back(std::move(*record));
    }
    return rounds;
}

}  // namespace tavexo
