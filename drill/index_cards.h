#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/cards.h"
#include "engine/shoe.h"
#include "settings/program_settings.h"
#include "strategy/strategy_tables.h"

namespace tavexo {

// The answers of the index drill, one button each.
enum class PlayChoice : int32_t { Hit, Stand, Double, Split, Surrender, Insure, NoInsurance };
inline constexpr int PLAY_CHOICE_COUNT = 7;
inline constexpr std::array<PlayChoice, PLAY_CHOICE_COUNT> ALL_PLAY_CHOICES = {
    PlayChoice::Hit,       PlayChoice::Stand,  PlayChoice::Double,     PlayChoice::Split,
    PlayChoice::Surrender, PlayChoice::Insure, PlayChoice::NoInsurance};

// "Ziehen", "Halten", "Verdoppeln", "Teilen", "Aufgeben", "Versichern",
// "Nicht versichern".
const char* PlayChoiceText(PlayChoice choice);

// One index of the strategy: a cell of a strategy grid (G1..G8) whose entry
// is a count rather than "+" or "-", or the insurance threshold of the
// training centre's choice.
struct IndexCell {
    int grid = INSURANCE;  // index into StrategyGrids()
    int key = 0;           // the grid's row key: a total or a pair's value
    int dealer = 11;       // the dealer's card, 2..11 (ace)
    int32_t entry = 0;     // the count the decision turns at

    static constexpr int INSURANCE = -1;

    bool IsInsurance() const { return grid == INSURANCE; }
    // "G1:16:10" (grid, row key, dealer), "V:3" for the insurance threshold;
    // what the card boxes are stored under.
    std::string Id() const;
    TableFamily Family() const;
    // What the cell recommends on its side of the entry.
    PlayChoice Action() const;
    // Whether the cell's action is recommended at this true count.
    bool ActsAt(float trueCount) const;
    // The cell's meaning in the words of the training centre's grids, for
    // example "Hart 16 gegen 10: ziehen, solange der wahre Zählwert unter 0
    // liegt".
    std::string Meaning() const;
};

// Every index cell of the grids G1..G8 as the training centre shows them,
// in grid order, then the insurance threshold when the choice has one.
std::vector<IndexCell> AllIndexCells(const TTrainingSettings& training);

// An index cell with the hands (point values, the ace 11) on which the
// strategy's decision turns at exactly that cell's entry under the rules.
struct IndexCard {
    IndexCell cell;
    std::vector<std::vector<int>> hands;
};

// The cells that decide a hand under the table rules: a cell that the rules
// never let decide (soft doubles while "AsVerdoppeln" is off, surrenders
// while "Aufgeben" forbids them, a split that surrendering always comes
// before) has no card. Hit cells whose two-card hands a surrender or a
// double would take over are asked on three cards.
std::vector<IndexCard> ActiveIndexCards(const TGameRules& rules, const TTrainingSettings& training);

// What the strategy plays with these cards against the dealer's card at
// this true count, in the order the robot asks: surrender, split, double,
// then hit or stand. Insurance is a question of its own (InsuranceChoiceAt).
PlayChoice StrategyPlay(const std::vector<CardCode>& hand, int dealerValue, float trueCount,
                        const TGameRules& rules, const TTrainingSettings& training);
PlayChoice InsuranceChoiceAt(float trueCount, const TGameRules& rules,
                             const TTrainingSettings& training);

// One question of the index drill: a hand of the card, the dealer's card
// and a true count within two points of the cell's entry at which this
// cell decides. Either side of the entry is equally likely.
struct IndexQuestion {
    IndexCell cell;
    std::vector<CardCode> hand;
    CardCode dealer = 0;
    float trueCount = 0.0f;
    PlayChoice right = PlayChoice::Stand;
};

IndexQuestion MakeIndexQuestion(const IndexCard& card, const TGameRules& rules,
                                const TTrainingSettings& training, ShoeShuffler& random);

}  // namespace tavexo
