// The table keeps each box's rounds by the count at which the bets were
// placed: the count before the opening deal, not the box's snapshot.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/relative_count.h"
#include "support/table_fixture.h"

namespace tavexo::testing {
namespace {

struct SettledBoxes : TableObserver {
    std::vector<TBoxSettlement> settled;
    void BoxRoundSettled(const TBoxSettlement& s) override { settled.push_back(s); }
};

class BetCountBinsTest : public TableFixture {};

TEST_F(BetCountBinsTest, EachRoundGoesToTheBinOfTheCountAtItsBet) {
    SeatBoxes({1});
    SettledBoxes observer;
    table.SetObserver(&observer);
    // Round 1: the box holds 10 6, draws K and busts; the dealer shows 7 and
    // draws 10. Running count -2 after five cards.
    Stack("10 7 6 K 10");
    Click(1, Action::Hit);
    host.Whenever(
        [](const Table& t) { return t.BoxInTurn() == 1 && t.Box(1).Enabled(Action::Stand); },
        [](Table& t) { t.ActionClicked(1, Action::Stand); });
    host.When([](const Table& t) { return t.State().roundNumber == 2; },
              [](Table& t) { t.StopRun(); });

    table.StartRun();

    ASSERT_EQ(observer.settled.size(), 2u);
    const TShoe& shoe = table.Shoe();
    const float afterRoundOne = ComputeRelativeCount(-2, shoe.total, 5);
    ASSERT_LT(afterRoundOne, 0.0f);  // a bin other than the first round's
    EXPECT_EQ(observer.settled[0].betCount, 0.0f);
    EXPECT_EQ(observer.settled[1].betCount, afterRoundOne);

    const CountBins& bins = table.BetCountBins(1);
    EXPECT_EQ(bins.At(0).rounds, 1u);
    EXPECT_DOUBLE_EQ(bins.At(0).staked, 10.0);
    EXPECT_DOUBLE_EQ(bins.At(0).result, -10.0);
    const int second = static_cast<int>(std::floor(afterRoundOne));
    EXPECT_EQ(bins.At(second).rounds, 1u);
    EXPECT_DOUBLE_EQ(bins.At(second).result, observer.settled[1].result);
    EXPECT_EQ(table.BetCountBins(2).At(0).rounds, 0u);  // a box not in play

    table.ResetBucketStats();  // the clear of the detail statistics
    EXPECT_EQ(table.BetCountBins(1).At(0).rounds, 0u);
}

}  // namespace
}  // namespace tavexo::testing
