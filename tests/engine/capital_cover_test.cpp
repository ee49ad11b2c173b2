// Double, split and insurance are offered only while the box's capital
// covers their extra stake, so that no capital ever goes below zero.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "support/named_case.h"
#include "support/table_fixture.h"

namespace tavexo::testing {
namespace {

using ::tavexo::testing::PrintTo;

struct Offers {
    bool split;
    bool dbl;
    bool insure;
    bool operator==(const Offers&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Offers& o) {
    return os << "split " << o.split << ", double " << o.dbl << ", insure " << o.insure;
}

Offers OffersOf(const TPlayerBox& b) {
    return {b.Enabled(Action::Split), b.Enabled(Action::Double), b.Enabled(Action::Insure)};
}

struct CoverCase {
    const char* name;
    float capital;  // before the stake of 10 is charged
    Offers atTurn;
    Offers afterInsuring;  // when insurance was offered and taken
};

class CapitalCoverTest : public TableFixture, public ::testing::WithParamInterface<CoverCase> {};

// A pair of fives (10, doubled under the default rule) against an ace.
TEST_P(CapitalCoverTest, OffersOnlyWhatTheCapitalCovers) {
    const CoverCase& c = GetParam();
    SeatBoxes({1});
    BoxProfile p{"Spieler1", true, false, c.capital, 10};
    table.ApplyProfile(1, p);
    Stack("5 A 5 K K K K K");
    StopAfterOneRound();
    Offers atTurn{};
    Offers afterInsuring{};
    host.When([](const Table& t) { return t.BoxInTurn() == 1 && t.Box(1).Enabled(Action::Stand); },
              [&](Table& t) {
                  atTurn = OffersOf(t.Box(1));
                  if (t.Box(1).Enabled(Action::Insure)) {
                      EXPECT_TRUE(t.ActionClicked(1, Action::Insure));
                      afterInsuring = OffersOf(t.Box(1));
                  }
                  EXPECT_TRUE(t.ActionClicked(1, Action::Stand));
                  EXPECT_GE(t.Box(1).capital, 0.0f);
              });
    table.StartRun();
    EXPECT_EQ(atTurn, c.atTurn);
    EXPECT_EQ(afterInsuring, c.afterInsuring);
    EXPECT_GE(table.Box(1).capital, 0.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CapitalCoverTest,
    ::testing::Values(
        // 1000: everything; after insuring (5) a double or split would cost
        // 15, still covered.
        CoverCase{"Plenty", 1000.0f, {true, true, true}, {true, true, false}},
        // 10 left after the stake: split and double (10) are covered, but
        // not once insurance (5) has been bought, since they would insure
        // their own stake as well (15).
        CoverCase{"ExactlyOneMoreStake", 20.0f, {true, true, true}, {false, false, false}},
        // 9 left: only the insurance (5) is covered.
        CoverCase{"LessThanOneStake", 19.0f, {false, false, true}, {false, false, false}},
        // 4 left: not even the insurance.
        CoverCase{"LessThanHalfAStake", 14.0f, {false, false, false}, {false, false, false}}),
    [](const auto& info) { return std::string(info.param.name); });

// After a split takes the last stake the capital covers, hand 1 and hand 2
// are not offered the double their two-card totals would allow.
TEST_F(TableFixture, NoDoubleAfterASplitThatTookTheLastMoney) {
    SeatBoxes({1});
    table.ApplyProfile(1, BoxProfile{"Spieler1", true, false, 20.0f, 10});
    // Box 1: 5, 5 against a 6; hand 1 takes a 6 (11), hand 2 a 5 (10).
    Stack("5 6 5 6 5 K K K K");
    StopAfterOneRound();
    std::array<bool, 2> doubleOffered{true, true};
    host.When([](const Table& t) { return t.BoxInTurn() == 1 && t.Box(1).Enabled(Action::Split); },
              [](Table& t) { EXPECT_TRUE(t.ActionClicked(1, Action::Split)); });
    host.Whenever(
        [](const Table& t) { return t.BoxInTurn() == 1 && t.Box(1).isSplit && !t.Box(1).turnDone; },
        [&](Table& t) {
            const TPlayerBox& b = t.Box(1);
            doubleOffered[b.HandInPlay() - 1] = b.Enabled(Action::Double);
            EXPECT_TRUE(t.ActionClicked(1, Action::Stand));
        });
    table.StartRun();
    EXPECT_TRUE(table.Box(1).isSplit);
    EXPECT_FALSE(doubleOffered[0]);
    EXPECT_FALSE(doubleOffered[1]);
    EXPECT_GE(table.Box(1).capital, 0.0f);
}

// A unit value of 100000000 from a hand-edited profile once made the stake of
// 22 units negative. Whatever unit value reaches the table, a stake is the
// money of the units the capital covers, never negative.
TEST_F(TableFixture, NoUnitValueMakesAStakeNegativeOrUnaffordable) {
    SeatBoxes({1});
    for (const int32_t unitValue : {100000000, INT32_MAX, 0, -7}) {
        table.ApplyProfile(1, BoxProfile{"Spieler1", true, false, 1000.0f, unitValue});
        for (const int units : {22, 43, 50}) {
            table.UnitsChanged(1, units);
            const TPlayerBox& b = table.Box(1);
            EXPECT_GE(b.hands[0].stake, 0.0f) << unitValue << " x " << units;
            EXPECT_LE(b.hands[0].stake, b.capital) << unitValue << " x " << units;
        }
    }
}

}  // namespace
}  // namespace tavexo::testing
