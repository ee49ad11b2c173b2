#pragma once

#include <array>
#include <cstdint>

namespace tavexo {

// The table rules as the engine reads them.
struct TGameRules {
    int32_t deckChoice = 3;  // index into DECK_COUNTS: 1, 4, 6, 8 decks
    bool splitAcesOneCard = true;
    bool noSurrender = false;
    bool softDouble = true;
    int32_t doubleChoice = 1;  // index into DoubleTotalSets

    bool operator==(const TGameRules&) const = default;
};

// The choices of the training centre.
struct TTrainingSettings {
    bool trainingMode = false;
    bool showCounts = true;
    bool showStrategicBet = true;
    bool deviationSound = true;
    int32_t deviationReaction = 0;  // 0 ignore, 1 accept, 2 replace, 3 second chance
    int32_t betRampFactor = 4;      // 0 keine, 1 max 2x, 2 max 4x, 3 0,5 x, 4 1 x
    int32_t insuranceChoice = 0;    // threshold 3, 5, 7, 10 or never
    int32_t betPause = 0;           // 0 wait for Bet, 1 plus 5 s, 2 nothing

    bool operator==(const TTrainingSettings&) const = default;
};

inline constexpr int SOUND_CUE_COUNT = 6;

// The values the options dialog offers for its three delays, in tenths of a
// second; the settings file is read within the same ranges.
struct DelayRange {
    int32_t min;
    int32_t max;
};
inline constexpr DelayRange CARD_DELAY_RANGE{0, 100};    // "zwischen den Karten"
inline constexpr DelayRange ROUND_DELAY_RANGE{0, 100};   // "zwischen den Partien"
inline constexpr DelayRange ACTION_TIME_RANGE{50, 600};  // "für Spieler- aktionen"

// Everything the program reads from "Allgemein.ini". Timing values are
// tenths of a second.
struct TProgramSettings {
    std::array<bool, SOUND_CUE_COUNT> soundCues = {true, true, true, true, true, true};
    bool noRobotSound = false;
    bool hidePassive = false;
    TGameRules rules;
    TTrainingSettings training;
    int32_t cardDelay = 10;
    int32_t actionTime = 150;
    int32_t roundDelay = 50;

    bool operator==(const TProgramSettings&) const = default;
};

}  // namespace tavexo
