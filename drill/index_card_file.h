#pragma once

#include <map>
#include <string>
#include <vector>

#include "drill/leitner_schedule.h"
#include "settings/file_io.h"

namespace tavexo {

// The index drill's Leitner boxes, per player, in "Indexspiele.csv" in the
// training folder: one line per player and card that has been answered.
// Semicolons, Windows-1252 text, ISO dates:
//   Spieler;Karte;Fach;Fällig;Richtig;Falsch;Zuletzt falsch
//   Fritzi;G1:16:10;3;2026-12-14;4;1;0
// See docs/file-formats.md.
inline constexpr const char* INDEX_CARD_FILE_NAME = "Indexspiele.csv";
inline constexpr const char* INDEX_CARD_HEADER =
    "Spieler;Karte;Fach;Fällig;Richtig;Falsch;Zuletzt falsch";

class IndexCardStore {
  public:
    // Reads the file. A missing file gives an empty store; lines that cannot
    // be read are kept as they are and written back with every save.
    static IndexCardStore Load(const std::string& trainingFolder,
                               const FileCalls& calls = SystemFileCalls());

    // The player's boxes; a player not in the file starts with none. The
    // name is stored as the file can hold it (no semicolons, no line
    // breaks), and looked up the same way.
    LeitnerDeck& Deck(const std::string& player);
    std::vector<std::string> Players() const;

    // Replaces the file as a whole, so that a failed write leaves the old
    // one. A file that was there but could not be read is not replaced: its
    // boxes would be lost.
    FileResult Save(const std::string& trainingFolder,
                    const FileCalls& calls = SystemFileCalls()) const;

    // The file's bytes as Save writes them.
    std::string ToBytes() const;

  private:
    std::map<std::string, LeitnerDeck> decks_;
    std::vector<std::string> keptLines_;
    int readError_ = 0;
};

}  // namespace tavexo
