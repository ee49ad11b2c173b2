#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/file_io.h"

namespace tavexo {

// The count check's results over the days: one line per scored session in
// "Zählverlauf.csv" in the training folder. Semicolons and decimal commas,
// so that a German spreadsheet program opens it as it is. "Tempo" is the
// fastest pace a "Tempo finden" session found held, empty for the others:
//   Datum;Decks;Boxen;Runden;Richtig;Fehler;Karten/s;Tempo
//   2026-12-10 14:05;8;3;12;10;0,25;1,40;
//   2026-12-11 09:30;6;2;30;28;0,10;1,90;1,75
// Files of earlier versions have no "Tempo" field; their lines read as
// sessions without one.
inline constexpr const char* DRILL_HISTORY_FILE_NAME = "Zählverlauf.csv";
inline constexpr const char* DRILL_HISTORY_HEADER =
    "Datum;Decks;Boxen;Runden;Richtig;Fehler;Karten/s;Tempo";

struct DrillSessionRecord {
    std::string when;  // local date and time, as the user reads it
    int decks = 0;
    int places = 0;   // places that received cards
    int checked = 0;  // rounds checked
    int correct = 0;
    double meanError = 0.0;       // of the running count
    double cardsPerSecond = 0.0;  // while dealing
    // Cards per second held at 95 % right or more ("Tempo finden" only).
    std::optional<double> heldPace;

    bool operator==(const DrillSessionRecord&) const = default;
};

std::string FormatSessionLine(const DrillSessionRecord& record);
// Nothing for a line that is not a session (the header, a hand-edited or
// cut-off line).
std::optional<DrillSessionRecord> ParseSessionLine(const std::string& line);

// Adds the session at the end; the lines already there stay as they are,
// even those that cannot be read. The file is replaced as a whole, so a
// failed write leaves the old one; a file that is there but cannot be read
// is left alone rather than replaced by the new session alone.
FileResult AppendDrillSession(const std::string& trainingFolder, const DrillSessionRecord& record,
                              const FileCalls& calls = SystemFileCalls());

// The sessions in the order they were added; lines that cannot be read are
// passed over.
std::vector<DrillSessionRecord> LoadDrillHistory(const std::string& trainingFolder);

}  // namespace tavexo
