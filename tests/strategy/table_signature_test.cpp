// The table's behaviour pinned by a signature: scripted runs with robot and
// human boxes in training mode, over three rule sets, hashed from what they
// leave behind (the history, detail and hints grids, the statistics, the
// boxes' money) and from how they played out (sounds, beeps, messages,
// notices and the virtual clock). A restructuring of the round must leave
// every signature as it is; a deliberate change of behaviour changes one,
// and the message says which.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/bet_ramp.h"
#include "strategy/table_strategy.h"
#include "support/recording_view.h"
#include "support/scripted_host.h"
#include "support/signature.h"

namespace tavexo::testing {
namespace {

uint64_t Mix(uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

std::string Money(double amount) {
    char text[40];
    std::snprintf(text, sizeof text, "%.2f", amount);
    return text;
}

struct Run {
    int rounds;             // the run is stopped during this round
    int deviationReaction;  // 0..3
    int betPause;           // 0..2
};

struct Scenario {
    const char* name;
    TGameRules rules;
    int betRampFactor;
    int insuranceChoice;
    std::array<Run, 3> runs;
    const char* grids;  // the expected signatures
    const char* money;
    const char* pacing;
};

// A human who clicks as a pseudo-random player would: at each decision one
// of the offered buttons, now and then none (the decision timer ends the
// hand), at most three clicks on one decision (a rejected click changes
// nothing), units changed between rounds, and the stake check answered with
// "Bet", sometimes after correcting the units.
class ScriptedPlayers {
  public:
    ScriptedPlayers(ScriptedHost& host, uint64_t seed) : seed_(seed) {
        host.WheneverWaiting([this](const Table& t) { return WantsToClick(t); },
                             [this](Table& t) { Click(t); });
        host.WheneverWaiting(
            [this](const Table& t) {
                return t.State().waitingBetweenRounds && unitsRound_ != t.State().roundNumber;
            },
            [this](Table& t) { ChangeUnits(t); });
        host.WheneverWaiting(
            [](const Table& t) { return t.State().waitingForBet && CheckedBox(t) != 0; },
            [this](Table& t) { AnswerStakeCheck(t); });
    }

  private:
    static constexpr std::array<int, 3> HUMANS = {2, 4, 6};

    uint64_t DecisionKey(const Table& t, int box) const {
        const TPlayerBox& b = t.Box(box);
        const THand& h = b.Hand(b.HandInPlay());
        uint64_t key = static_cast<uint64_t>(t.State().roundNumber);
        for (int part : {box, b.HandInPlay(), h.cardCount, b.insuranceCount,
                         static_cast<int>(b.isSplit), b.decisions.count}) {
            key = key * 131 + static_cast<uint64_t>(part);
        }
        return key;
    }

    bool WantsToClick(const Table& t) {
        const int box = t.BoxInTurn();
        if (box == 0 || t.Box(box).isRobot || t.Box(box).turnDone) return false;
        bool offered = false;
        for (int a = 0; a < ACTION_COUNT; ++a)
            offered |= t.Box(box).Enabled(static_cast<Action>(a));
        if (!offered) return false;
        const uint64_t key = DecisionKey(t, box);
        if (key != lastKey_) {
            lastKey_ = key;
            attempts_ = 0;
            // One decision in eight is left to the timer.
            if (Mix(seed_ ^ key) % 8 == 0) attempts_ = MAX_ATTEMPTS;
        }
        return attempts_ < MAX_ATTEMPTS;
    }

    void Click(Table& t) {
        const int box = t.BoxInTurn();
        std::array<Action, ACTION_COUNT> offered{};
        int n = 0;
        for (int a = 0; a < ACTION_COUNT; ++a) {
            if (t.Box(box).Enabled(static_cast<Action>(a))) offered[n++] = static_cast<Action>(a);
        }
        const uint64_t r = Mix(seed_ ^ (lastKey_ * 7 + static_cast<uint64_t>(attempts_)));
        ++attempts_;
        t.ActionClicked(box, offered[r % static_cast<uint64_t>(n)]);
    }

    void ChangeUnits(Table& t) {
        unitsRound_ = t.State().roundNumber;
        for (int box : HUMANS) {
            const uint64_t r = Mix(seed_ + static_cast<uint64_t>(unitsRound_ * 10 + box));
            if (r % 3 == 0) t.UnitsChanged(box, 1 + static_cast<int>((r >> 8) % 6));
        }
    }

    // The stake check holds the first human box taking part; it may have
    // left play since (its capital no longer covers the units asked).
    static int CheckedBox(const Table& t) {
        for (int box : HUMANS) {
            if (t.Box(box).TakesPart()) return t.Box(box).betEnabled ? box : 0;
        }
        return 0;
    }

    void AnswerStakeCheck(Table& t) {
        const int box = CheckedBox(t);
        const uint64_t r = Mix(seed_ + static_cast<uint64_t>(t.State().roundNumber));
        if (r % 2 == 0) {
            t.UnitsChanged(
                box, t.Box(box).baseUnits * BetRampUnits(t.Count().RelativeCount,
                                                         t.Settings().training.betRampFactor));
        }
        t.BetClick(box);
    }

    static constexpr int MAX_ATTEMPTS = 3;
    uint64_t seed_;
    uint64_t lastKey_ = ~uint64_t{0};
    int attempts_ = 0;
    int unitsRound_ = -1;
};

struct Signatures {
    std::string grids, money, pacing;
};

std::string GridText(const TextGrid& grid) {
    std::string text;
    for (int row = 0; row < grid.RowCount(); ++row) {
        for (int column = 0; column < grid.ColumnCount(); ++column) {
            text += grid.Cell(column, row);
            text += '\t';
        }
        text += '\n';
    }
    return text;
}

Signatures PlayScenario(const Scenario& scenario) {
    TProgramSettings settings;
    settings.rules = scenario.rules;
    settings.training.trainingMode = true;
    settings.training.betRampFactor = scenario.betRampFactor;
    settings.training.insuranceChoice = scenario.insuranceChoice;
    settings.roundDelay = 5;
    settings.cardDelay = 3;
    settings.actionTime = 60;
    ScriptedHost host;
    Table table(settings, host, ShoeShuffler(20261211));
    host.Attach(table);
    TableStrategy strategy(table);
    RecordingView view;
    table.SetView(&view);

    // Robots 1, 3, 7 and humans 2, 4, 6 of different means; box 5 stays off.
    const std::array<BoxProfile, BOX_COUNT> profiles = {{
        {"Eins", true, true, 5000.0f, 5},
        {"Zwei", true, false, 1000.0f, 10},
        {"Drei", true, true, 800.0f, 10},
        {"Vier", true, false, 400.0f, 25},
        {"Fünf", false, false, 1000.0f, 10},
        {"Sechs", true, false, 200.0f, 5},
        {"Sieben", true, true, 300.0f, 20},
    }};
    for (int box = 1; box <= BOX_COUNT; ++box) table.ApplyProfile(box, profiles[box - 1]);
    table.SettingsChanged();
    ScriptedPlayers players(host, 77);

    int stopAt = 0;
    host.WheneverWaiting(
        [&stopAt](const Table& t) {
            return t.State().running && !t.State().stopRequested && t.State().roundNumber >= stopAt;
        },
        [](Table& t) { t.StopRun(); });
    for (const Run& run : scenario.runs) {
        settings.training.deviationReaction = run.deviationReaction;
        settings.training.betPause = run.betPause;
        table.SettingsChanged();
        stopAt = table.State().roundNumber + run.rounds;
        table.StartRun();
    }

    std::string grids, money, pacing;
    for (int box = 1; box <= BOX_COUNT; ++box) {
        grids += GridText(table.HistoryGrid(box)) + GridText(table.DetailsGrid(box)) +
                 GridText(table.HintsGrid(box));
        const TPlayerBox& b = table.Box(box);
        money += std::to_string(box) + ' ' + Money(b.capital) + ' ' + Money(b.turnover) + ' ' +
                 std::to_string(b.units) + ' ' + std::to_string(b.inPlay) + ' ' +
                 std::to_string(b.historyRow) + '\n';
        for (int bucket = 1; bucket <= BUCKET_COUNT; ++bucket) {
            const TBucketStats& s = table.Stats().At(box, bucket);
            for (uint32_t counter :
                 {s.games, s.wins, s.losses, s.pushes, s.busts, s.blackjacks, s.splitWon,
                  s.splitLost, s.splitPush, s.doubleWon, s.doubleLost, s.doublePush,
                  s.surrenderDealerMade, s.surrenderDealerBust, s.insuranceWon, s.insuranceLost,
                  s.dealerBlackjacks, s.dealerBusts}) {
                money += std::to_string(counter) + ' ';
            }
            money += Money(s.wonMoney) + ' ' + Money(s.lostMoney) + '\n';
        }
        for (int bin = CountBins::LOWEST; bin <= CountBins::HIGHEST; ++bin) {
            const CountBin& c = table.BetCountBins(box).At(bin);
            money += std::to_string(c.rounds) + ' ' + Money(c.staked) + ' ' + Money(c.result) +
                     ' ' + Money(c.squares) + '\n';
        }
    }
    for (const std::string& event : host.events) pacing += event + '\n';
    for (const std::string& hint : view.hints) pacing += hint + '\n';
    pacing += std::to_string(host.Now()) + ' ' + std::to_string(table.State().roundNumber);
    return Signatures{SignatureOf(grids), SignatureOf(money), SignatureOf(pacing)};
}

TGameRules Rules(int deckChoice, int doubleChoice, bool softDouble, bool splitAcesOneCard,
                 bool noSurrender) {
    TGameRules rules;
    rules.deckChoice = deckChoice;
    rules.doubleChoice = doubleChoice;
    rules.softDouble = softDouble;
    rules.splitAcesOneCard = splitAcesOneCard;
    rules.noSurrender = noSurrender;
    return rules;
}

const Scenario SCENARIOS[] = {
    {"six decks, accept, wait for Bet",
     Rules(2, 2, true, true, false),
     4,
     1,
     {{{150, 1, 0}, {120, 3, 1}, {100, 0, 2}}},
     "951ffb578fadee0c",
     "00768bbf8b4defb8",
     "756bcb588f81ac95"},
    {"one deck, replace, longer wait",
     Rules(0, 0, false, false, true),
     2,
     0,
     {{{150, 2, 1}, {120, 1, 2}, {100, 3, 0}}},
     "1f426aa6e27927e4",
     "b8b6b3f482cf3a3a",
     "2cff37a2c38b6a27"},
    {"eight decks, second chance",
     Rules(3, 3, true, true, false),
     1,
     3,
     {{{150, 3, 2}, {120, 2, 0}, {100, 1, 1}}},
     "125f3227f54796fc",
     "f5ab74f8b11d7f40",
     "18914b039569bc49"},
};

TEST(TableSignature, ScriptedRunsPlayAsPinned) {
    for (const Scenario& scenario : SCENARIOS) {
        const Signatures got = PlayScenario(scenario);
        EXPECT_EQ(got.grids, scenario.grids) << scenario.name << ": the grids changed";
        EXPECT_EQ(got.money, scenario.money)
            << scenario.name << ": the money or statistics changed";
        EXPECT_EQ(got.pacing, scenario.pacing)
            << scenario.name << ": the sounds, notices or time changed";
    }
}

}  // namespace
}  // namespace tavexo::testing
