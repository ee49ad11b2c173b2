#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "settings/file_io.h"

namespace tavexo {

inline constexpr const char* COUNT_DRILL_FILE_NAME = "Counttrai.ini";
inline constexpr int DRILL_PLACE_COUNT = 8;  // boxes 1 to 7 and the dealer
inline constexpr int DRILL_DISPLAY_GROUP_COUNT = 6;

// The counting drill's choices, stored in "Counttrai.ini" in the training
// folder. The defaults are those of a missing file or key.
struct TCountDrillSettings {
    std::array<bool, DRILL_PLACE_COUNT> placeActive = {true, true, true, true,
                                                       true, true, true, true};  // "Boxaktiv1".."8"
    int32_t cardDelay = 10;    // "Zeit1", tenths of a second, 0 to 20
    int32_t playerDelay = 20;  // "Zeit2", tenths of a second, 0 to 100
    int32_t clearPause = 30;   // "Zeit3", tenths of a second, 0 to 200
    int32_t decks = 8;         // "Zeit4", 1 to 8
    std::array<bool, DRILL_DISPLAY_GROUP_COUNT> displayGroups{};  // "Kontrolle1".."6"
    int32_t announcement = 0;  // "Ansage": 0 count value, 1 card sound, 2 nothing
    // The drill's count check: when it asks ("Abfrage" "Modus": 0 never, 1
    // after every round, 2 at the end of the shoe) and whether it asks for
    // the true count as well ("Abfrage" "WahrerCount").
    int32_t checkMode = 0;
    bool checkRelative = false;
};

// Reads the drill's file. A value outside the range of its control reads as
// the default, as a missing one does.
TCountDrillSettings LoadCountDrillSettings(const std::string& trainingFolder);

// Writes every key, places first, then "Zeit1" to "Zeit4", "Kontrolle1" to
// "Kontrolle6", "Ansage" and the count check's "Modus" and "WahrerCount";
// all or nothing.
FileResult SaveCountDrillSettings(const std::string& trainingFolder,
                                  const TCountDrillSettings& settings,
                                  const FileCalls& calls = SystemFileCalls());

}  // namespace tavexo
