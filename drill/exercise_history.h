#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/file_io.h"

namespace tavexo {

// The scores of the timed drills ("Decks schätzen", "Wahrer Zählwert",
// "Indexspiele") over the days: one line per finished round in
// "Übungsverlauf.csv" in the training folder, Windows-1252 text, semicolons
// and decimal commas:
//   Datum;Übung;Einstellung;Fragen;Richtig;Fehler;Sek./Antwort
//   2026-12-10 14:05;Decks schätzen;6 Decks, halbe Decks;10;7;0,31;3,20
// "Fehler" is the mean absolute error in the drill's unit (decks, true
// count points), empty where answers are only right or wrong.
inline constexpr const char* EXERCISE_HISTORY_FILE_NAME = "Übungsverlauf.csv";
inline constexpr const char* EXERCISE_HISTORY_HEADER =
    "Datum;Übung;Einstellung;Fragen;Richtig;Fehler;Sek./Antwort";

inline constexpr const char* DECK_ESTIMATION_EXERCISE = "Decks schätzen";
inline constexpr const char* TRUE_COUNT_EXERCISE = "Wahrer Zählwert";
inline constexpr const char* INDEX_PLAY_EXERCISE = "Indexspiele";

struct ExerciseRecord {
    std::string when;      // local date and time, "yyyy-MM-dd HH:mm"
    std::string exercise;  // one of the names above
    std::string setting;   // what was drilled, as the user reads it
    int questions = 0;
    int right = 0;
    std::optional<double> meanError;
    double secondsPerAnswer = 0.0;

    bool operator==(const ExerciseRecord&) const = default;
};

std::string FormatExerciseLine(const ExerciseRecord& record);
// Nothing for a line that is not a round (the header, a damaged line).
std::optional<ExerciseRecord> ParseExerciseLine(const std::string& line);

// Adds the round at the end; the lines there stay as they are.
FileResult AppendExercise(const std::string& trainingFolder, const ExerciseRecord& record,
                          const FileCalls& calls = SystemFileCalls());

// The rounds of one exercise in the order they were added.
std::vector<ExerciseRecord> LoadExercises(const std::string& trainingFolder,
                                          const std::string& exercise);

}  // namespace tavexo
