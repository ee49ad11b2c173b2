// A human who clicks exactly what the robot would do earns no notice. The
// robot plays a seeded shoe first; its actions are then clicked, round by
// round, into a human box dealt the very same shoe in training mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "strategy/table_strategy.h"
#include "support/named_case.h"
#include "support/scripted_host.h"

namespace tavexo::testing {
namespace {

using ::tavexo::testing::PrintTo;

constexpr int ROUNDS = 5000;
constexpr uint64_t SEED = 20261210;

struct CrossRules {
    const char* name;
    int doubleChoice;
    bool softDouble;
    bool splitAcesOneCard;
};

struct Seat {
    TProgramSettings settings;
    ScriptedHost host;
    Table table{settings, host, ShoeShuffler(SEED)};
    TableStrategy strategy{table};

    Seat(bool robot, const CrossRules& rules) {
        host.Attach(table);
        settings.rules.doubleChoice = rules.doubleChoice;
        settings.rules.softDouble = rules.softDouble;
        settings.rules.splitAcesOneCard = rules.splitAcesOneCard;
        settings.cardDelay = 0;
        settings.roundDelay = 0;
        settings.training.betPause = 2;  // the stake check never holds the table
        table.SettingsChanged();
        for (int box = 1; box <= BOX_COUNT; ++box) {
            table.ApplyProfile(box, BoxProfile{"P", box == 1, robot, 1e8f, 5});
        }
        host.When([](const Table& t) { return t.State().roundNumber == ROUNDS; },
                  [](Table& t) { t.StopRun(); });
    }
};

// Where the strategy's own rules let the advisor disagree with the robot:
// 1. The robot decides a split hand only through the hit question, which
//    doubles hard hands alone; the advisor's double check also doubles a
//    soft two-card hand (a split pair that drew an ace, such as "Bl. 1: 4 As").
// 2. The robot asks split before double; the advisor's split button checks
//    double first, so a pair that should be both (4, 4 against a 5 at a high
//    count, any two cards doubling) earns "Nicht teilen, verdoppeln".
bool IsNamedException(const std::string& cards, const std::string& notice) {
    const bool doubleNotice = notice.size() > 12 && notice.ends_with(", verdoppeln");
    const bool softSplitHand = cards.starts_with("Bl. ") && cards.find("As") != std::string::npos &&
                               std::count(cards.begin(), cards.end(), ' ') == 3;
    return (doubleNotice && softSplitHand) || notice == "Nicht teilen, verdoppeln";
}

class AdvisorCrossCheck : public ::testing::TestWithParam<CrossRules> {};

TEST_P(AdvisorCrossCheck, TheRobotsOwnPlayEarnsNoNotice) {
    // Pass 1: the robot plays and its actions are written down per round.
    auto played = std::make_shared<std::map<int, std::vector<Action>>>();
    {
        Seat robot(true, GetParam());
        robot.strategy.robot.SetListener([played](const Table& t, int box, Action a) {
            (*played)[t.Box(box).historyRow].push_back(a);
        });
        robot.table.StartRun();
        ASSERT_EQ(robot.table.State().roundNumber, ROUNDS);
    }

    // Pass 2: a human clicks the same actions under the advisor's eye.
    Seat human(false, GetParam());
    human.settings.training.trainingMode = true;
    human.settings.training.deviationReaction = 1;  // accept, so play follows the clicks
    auto next = std::make_shared<size_t>(0);
    auto clicked = std::make_shared<size_t>(0);
    auto round = std::make_shared<int>(0);
    human.host.Whenever(
        [=](const Table& t) {
            if (t.BoxInTurn() != 1 || t.Box(1).turnDone) return false;
            if (t.Box(1).historyRow != *round) {
                *round = t.Box(1).historyRow;
                *next = 0;
            }
            const auto& actions = (*played)[*round];
            return *next < actions.size() && t.Box(1).Enabled(actions[*next]);
        },
        [=](Table& t) {
            const Action a = (*played)[*round][(*next)++];
            EXPECT_TRUE(t.ActionClicked(1, a)) << "round " << *round;
            ++*clicked;
        });
    human.table.StartRun();

    ASSERT_EQ(human.table.State().roundNumber, ROUNDS);
    size_t recorded = 0;
    for (const auto& [r, actions] : *played) recorded += actions.size();
    EXPECT_EQ(*clicked, recorded) << "every action of the robot was clicked";
    const TextGrid& hints = human.table.HintsGrid(1);
    for (int row = 1; row <= human.table.Box(1).hintRow; ++row) {
        EXPECT_TRUE(IsNamedException(hints.Cell(2, row), hints.Cell(4, row)))
            << "row " << row << ": " << hints.Cell(2, row) << " against " << hints.Cell(1, row)
            << " at " << hints.Cell(3, row) << ": " << hints.Cell(4, row);
    }
    // Both tables saw the same cards: the human's history matches the count
    // of rounds the robot played.
    EXPECT_EQ(human.table.Box(1).historyRow, static_cast<int>(played->rbegin()->first));
}

INSTANTIATE_TEST_SUITE_P(Rules, AdvisorCrossCheck,
                         ::testing::Values(CrossRules{"Defaults", 1, true, true},
                                           CrossRules{"AnyTwoCards", 0, true, true},
                                           CrossRules{"SplitAcesPlayOn", 0, true, false},
                                           CrossRules{"NoSoftDouble", 2, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavexo::testing
