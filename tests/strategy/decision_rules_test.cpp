#include "strategy/decision_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace tavexo {

void PrintTo(HitAnswer answer, std::ostream* os) {
    *os << (answer == HitAnswer::Stand ? "Stand" : answer == HitAnswer::Hit ? "Hit" : "Double");
}

namespace {

// Card codes of the first suit; a second suit (+13) makes a pair of two
// different cards of the same rank.
constexpr CardCode A = 1, J = 11, Q = 12, K = 13;
constexpr CardCode S = 13;  // add to a code for the same rank in the next suit

void Fill(THand& hand, const std::vector<CardCode>& cards) {
    hand.cardCount = static_cast<int32_t>(cards.size());
    for (size_t i = 0; i < cards.size(); ++i) hand.cards[i] = cards[i];
    hand.total = TotalOf(hand.cards.data(), hand.cardCount).total;
}

// A box as the engine leaves it: stored totals current, the soft flag of
// the hand totalled last.
TPlayerBox BoxWith(const std::vector<CardCode>& hand1, const std::vector<CardCode>& hand2 = {}) {
    TPlayerBox box;
    Fill(box.Hand(1), hand1);
    if (!hand2.empty()) {
        Fill(box.Hand(2), hand2);
        box.isSplit = true;
    }
    box.isSoft = TotalOf(box.Hand(1).cards.data(), box.Hand(1).cardCount).soft;
    return box;
}

bool IsSoft(const TPlayerBox& box, int hand) {
    return TotalOf(box.Hand(hand).cards.data(), box.Hand(hand).cardCount).soft;
}

TGameRules Rules(int doubleChoice = 1, bool softDouble = true) {
    TGameRules rules;
    rules.doubleChoice = doubleChoice;
    rules.softDouble = softDouble;
    return rules;
}

std::string Describe(const std::vector<CardCode>& cards, int dealer, float count) {
    std::string text;
    for (CardCode code : cards) text += std::string(CardText(code)) + " ";
    return text + "against " + std::to_string(dealer) + " at " + std::to_string(count);
}

// --- ShouldInsure ---

TEST(ShouldInsure, CountAboveTheChosenThreshold) {
    struct Case {
        int choice;
        float count;
        bool insure;
    };
    const std::vector<Case> cases = {
        {0, 3.0f, false},
        {0, 3.01f, true},
        {1, 5.0f, false},
        {1, 5.5f, true},
        {2, 7.0f, false},
        {2, 7.1f, true},
        {3, 10.0f, false},
        {3, 10.5f, true},
        {4, 999.0f, false},
        {0, -5.0f, false},
        // An unknown choice from a hand-edited file means never.
        {5, 2000.0f, false},
        {-1, 2000.0f, false},
    };
    const TGameRules rules;
    for (const Case& c : cases) {
        TTrainingSettings training;
        training.insuranceChoice = c.choice;
        EXPECT_EQ(ShouldInsure({rules, training, c.count}), c.insure)
            << "choice " << c.choice << " at " << c.count;
    }
}

// --- ShouldSplit ---

struct SplitCase {
    std::vector<CardCode> cards;
    int dealer;
    float count;
    bool split;
};

TEST(ShouldSplit, PairsByPointValueAgainstTheSplitTable) {
    const std::vector<SplitCase> cases = {
        {{J, Q}, 6, 4.5f, true},  // ten-valued cards of different rank are a pair
        {{J, Q}, 6, 4.0f, false},
        {{10, K}, 2, 10.5f, true},
        {{8, 8 + S}, 10, 99.0f, false},  // never against a 10
        {{8, 8 + S}, 10, 100.0f, false},
        {{8, 8 + S}, 10, 100.5f, true},  // 100 is an ordinary number
        {{8, 8 + S}, 11, -12.9f, true},
        {{8, 8 + S}, 11, -13.0f, false},
        {{8, 8 + S}, 2, -99.0f, true},  // -100: always
        {{5, 5 + S}, 6, 99.0f, false},
        {{9, 9 + S}, 7, 2.0f, false},
        {{9, 9 + S}, 7, 3.5f, true},
        {{9, 9 + S}, 8, -9.5f, true},
        {{7, 7 + S}, 8, 2.5f, true},
        {{2, 2 + S}, 8, 6.5f, true},
        {{A, A + S}, 11, -4.5f, true},
        {{A, A + S}, 11, -5.0f, false},
        {{10, 9}, 6, 50.0f, false},       // no pair
        {{8, 8 + S, 3}, 6, 0.0f, false},  // a third card
    };
    const TGameRules rules = Rules();
    const TTrainingSettings training;
    for (const SplitCase& c : cases) {
        const TPlayerBox box = BoxWith(c.cards);
        EXPECT_EQ(ShouldSplit(box, c.dealer, {rules, training, c.count}), c.split)
            << Describe(c.cards, c.dealer, c.count);
    }
}

// --- ShouldDouble ---

struct DoubleCase {
    std::vector<CardCode> cards;
    int doubleChoice;
    bool softDouble;
    int dealer;
    float count;
    bool doubled;
};

TEST(ShouldDouble, TotalsRulesAndTables) {
    const std::vector<DoubleCase> cases = {
        // Hard 11 against a 2 stands at 12.
        {{6, 5}, 1, true, 2, 12.0f, false},
        {{6, 5}, 1, true, 2, 12.5f, true},
        {{6, 5}, 1, true, 3, -12.9f, true},
        {{6, 4}, 1, true, 9, 0.0f, true},
        {{6, 4}, 1, true, 9, -2.0f, false},
        {{6, 4}, 1, true, 10, 4.0f, false},
        {{6, 4}, 1, true, 10, 4.1f, true},
        // The rule's set decides which totals may double at all.
        {{6, 4}, 3, true, 6, 50.0f, false},
        {{5, 3}, 1, true, 6, 50.0f, false},
        {{5, 3}, 0, true, 6, 2.5f, true},
        {{5, 3}, 0, true, 6, 2.0f, false},
        {{2, 2 + S}, 0, true, 5, 100.5f, true},  // hard 4 is consulted too
        {{10, 2}, 0, true, 6, 50.0f, false},     // hard 12 is beyond the table
        {{6, 5}, 7, true, 6, 50.0f, false},      // unknown rule: no double
        // Soft hands: allowed on t or t - 10, judged by the soft table.
        {{A, 9}, 2, true, 6, 5.5f, true},
        {{A, 9}, 2, true, 6, 5.0f, false},
        {{A, 8}, 1, true, 6, 1.5f, true},
        {{A, 8}, 1, true, 6, 1.0f, false},
        {{A, 8}, 3, true, 6, 50.0f, false},
        {{A, 2}, 0, true, 6, -2.9f, true},
        {{A, 2}, 0, true, 6, -3.0f, false},
        {{A, 7}, 0, true, 3, -2.5f, true},
        {{A, K}, 2, true, 6, 8.5f, true},        // soft 21: u = 11
        {{A, A + S}, 0, true, 6, 50.0f, false},  // two aces are never doubled
        // softDouble off: a soft hand never doubles.
        {{A, 6}, 0, false, 5, 50.0f, false},
        {{A, 6}, 0, false, 5, 150.0f, false},
        {{A, 8}, 1, false, 6, 50.0f, false},
        // Only two-card hands.
        {{2, 3, 6}, 1, true, 6, 50.0f, false},
    };
    const TTrainingSettings training;
    for (const DoubleCase& c : cases) {
        const TPlayerBox box = BoxWith(c.cards);
        const TGameRules rules = Rules(c.doubleChoice, c.softDouble);
        EXPECT_EQ(ShouldDouble(box, 1, c.dealer, box.isSoft, {rules, training, c.count}), c.doubled)
            << Describe(c.cards, c.dealer, c.count) << ", rule " << c.doubleChoice
            << (c.softDouble ? ", soft doubles" : "");
    }
}

TEST(ShouldDouble, JudgesTheHandAskedAbout) {
    // Hand 1 is hard 10 (doubles against a 2 above -9), hand 2 hard 11
    // (above 12 only).
    const TPlayerBox box = BoxWith({8, 2}, {8 + S, 3});
    const TGameRules rules = Rules(1);
    const TTrainingSettings training;
    EXPECT_TRUE(ShouldDouble(box, 1, 2, false, {rules, training, 0.0f}));
    EXPECT_FALSE(ShouldDouble(box, 2, 2, false, {rules, training, 0.0f}));
}

TEST(ShouldDouble, ReadsTheStoredTotal) {
    // The engine keeps THand::total current; the question trusts it.
    TPlayerBox box = BoxWith({6, 4});
    box.Hand(1).total = 11;
    const TGameRules rules = Rules(2);
    const TTrainingSettings training;
    EXPECT_FALSE(ShouldDouble(box, 1, 2, false, {rules, training, 5.0f}));  // 11 v 2: 12
    box.Hand(1).total = 10;
    EXPECT_TRUE(ShouldDouble(box, 1, 2, false, {rules, training, 5.0f}));  // 10 v 2: -9
}

// --- ShouldSurrender ---

struct SurrenderCase {
    std::vector<CardCode> cards;
    int dealer;
    float count;
    bool surrender;
};

TEST(ShouldSurrender, PairHardAndSoftTables) {
    const std::vector<SurrenderCase> cases = {
        // 8, 8 reads the pair row (-2), 10, 6 the hard row (-6).
        {{8, 8 + S}, 10, -1.0f, true},
        {{8, 8 + S}, 10, -3.0f, false},
        {{10, 6}, 10, -1.0f, true},
        {{10, 6}, 10, -3.0f, true},
        {{10, 6}, 10, -6.0f, false},
        {{10, 6}, 10, 0.5f, true},
        // 7, 7 against an ace: pair row -12, although hard 14 would need 10.
        {{7, 7 + S}, 11, 0.0f, true},
        {{7, 7 + S}, 11, -12.0f, false},
        {{10, 4}, 11, 0.0f, false},
        {{10, 4}, 11, 10.5f, true},
        {{9, 5}, 8, 9.5f, true},
        {{10, 2}, 10, 8.0f, false},
        {{10, 2}, 10, 8.5f, true},
        {{9, 7}, 9, 0.0f, false},
        {{9, 7}, 9, 0.1f, true},
        // Soft hands of 13 to 16 only.
        {{A, 5}, 10, 15.0f, false},
        {{A, 5}, 10, 15.5f, true},
        {{A, 4}, 11, 7.5f, true},
        {{A, 2}, 11, 13.5f, true},
        {{A, 6}, 11, 50.0f, false},
        {{A, A + S}, 11, 50.0f, false},
        // Never on 17 or more, never below 12.
        {{10, 7}, 11, 0.0f, false},
        {{10, 7}, 9, 50.0f, false},
        {{9, 2}, 10, 200.0f, false},
    };
    const TGameRules rules = Rules();
    const TTrainingSettings training;
    for (const SurrenderCase& c : cases) {
        const TPlayerBox box = BoxWith(c.cards);
        EXPECT_EQ(ShouldSurrender(box, c.dealer, box.isSoft, {rules, training, c.count}),
                  c.surrender)
            << Describe(c.cards, c.dealer, c.count);
    }
}

TEST(ShouldSurrender, NeverAgainstTwoToSeven) {
    const TGameRules rules = Rules();
    const TTrainingSettings training;
    for (int dealer = 2; dealer <= 7; ++dealer) {
        for (const auto& cards : {std::vector<CardCode>{10, 6}, {8, 8 + S}, {A, 5}}) {
            const TPlayerBox box = BoxWith(cards);
            EXPECT_FALSE(ShouldSurrender(box, dealer, box.isSoft, {rules, training, 200.0f}))
                << Describe(cards, dealer, 200.0f);
        }
    }
}

TEST(ShouldSurrender, RefusedOnceTheFirstDecisionIsPast) {
    struct Refusal {
        const char* why;
        std::function<void(TPlayerBox&, TGameRules&)> apply;
    };
    const std::vector<Refusal> refusals = {
        {"split", [](TPlayerBox& b, TGameRules&) { b.isSplit = true; }},
        {"doubled", [](TPlayerBox& b, TGameRules&) { b.Hand(1).doubled = true; }},
        {"turn done", [](TPlayerBox& b, TGameRules&) { b.turnDone = true; }},
        {"insured", [](TPlayerBox& b, TGameRules&) { b.insuranceCount = 1; }},
        {"third card",
         [](TPlayerBox& b, TGameRules&) {
             Fill(b.Hand(1), {10, 3, 3});
         }},
        {"noSurrender", [](TPlayerBox&, TGameRules& r) { r.noSurrender = true; }},
    };
    const TTrainingSettings training;
    {
        // The hand the refusals start from does surrender.
        const TPlayerBox box = BoxWith({10, 6});
        const TGameRules rules = Rules();
        ASSERT_TRUE(ShouldSurrender(box, 10, false, {rules, training, 5.0f}));
    }
    for (const Refusal& refusal : refusals) {
        TPlayerBox box = BoxWith({10, 6});
        TGameRules rules = Rules();
        refusal.apply(box, rules);
        EXPECT_FALSE(ShouldSurrender(box, 10, false, {rules, training, 5.0f})) << refusal.why;
    }
}

// --- ShouldHit ---

struct HitCase {
    std::vector<CardCode> cards;
    int dealer;
    float count;
    HitAnswer answer;
    int doubleChoice = 1;
};

TEST(ShouldHit, HardAndSoftHands) {
    using enum HitAnswer;
    const std::vector<HitCase> cases = {
        // Hard 16 against a 10 hits below 0 only.
        {{10, 6}, 10, 0.0f, Stand},
        {{10, 6}, 10, -0.1f, Hit},
        {{10, 3, 3}, 10, -0.5f, Hit},
        {{10, 2}, 2, 2.9f, Hit},
        {{10, 2}, 2, 3.0f, Stand},
        {{10, 4}, 7, 17.9f, Hit},
        {{10, 4}, 7, 18.0f, Stand},
        {{10, 7}, 11, -7.5f, Hit},
        {{10, 7}, 11, -7.0f, Stand},
        {{10, 7}, 2, -99.0f, Stand},
        {{10, 8}, 11, -200.0f, Stand},
        {{10, 3}, 7, 99.0f, Hit},  // 100: always
        // Two-card hard hands that the rules would double.
        {{6, 4}, 9, 0.0f, Double},
        {{6, 4}, 9, -2.0f, Hit},
        {{6, 4}, 9, 0.0f, Hit, 3},
        {{5, 4}, 3, -0.5f, Double},
        {{6, 5}, 2, 0.0f, Hit},
        {{6, 5}, 2, 0.0f, Hit, 0},
        {{2, 3, 5}, 9, 0.0f, Hit},  // three cards never double
        {{2, 3}, 6, 0.0f, Hit},
        // Soft hands follow the soft table and never double here.
        {{A, 7}, 9, 50.0f, Hit},
        {{A, 7}, 11, 0.5f, Hit},
        {{A, 7}, 11, 1.0f, Stand},
        {{A, 7}, 6, 0.0f, Stand},
        {{A, 6}, 2, 99.0f, Hit},
        {{A, 5}, 6, 50.0f, Hit, 0},
        {{A, 2}, 6, 0.0f, Hit},
        {{A, 8}, 10, -200.0f, Stand},
        {{A, A + S}, 6, 50.0f, Hit},
        {{A, 5, 4}, 10, -200.0f, Stand},     // soft 20
        {{A, A + S, 9}, 2, -200.0f, Stand},  // soft 21
    };
    const TTrainingSettings training;
    for (const HitCase& c : cases) {
        TPlayerBox box = BoxWith(c.cards);
        const TGameRules rules = Rules(c.doubleChoice);
        const HitAnswer answer =
            ShouldHit(box, 1, c.dealer, box.isSoft, {rules, training, c.count});
        EXPECT_EQ(answer, c.answer)
            << Describe(c.cards, c.dealer, c.count) << ", rule " << c.doubleChoice;
        EXPECT_FALSE(box.turnDone);
    }
}

TEST(ShouldHit, ADoubleIsLeftToTheCaller) {
    TPlayerBox box = BoxWith({6, 4});
    const TGameRules rules = Rules(1);
    const TTrainingSettings training;
    ASSERT_EQ(ShouldHit(box, 1, 9, false, {rules, training, 0.0f}), HitAnswer::Double);
    EXPECT_EQ(box.Hand(1).cardCount, 2);
    EXPECT_FALSE(box.Hand(1).doubled);
    EXPECT_FALSE(box.turnDone);
}

TEST(ShouldHit, BustEndsTheTurn) {
    TPlayerBox box = BoxWith({10, 6, 8});
    const TGameRules rules = Rules();
    const TTrainingSettings training;
    EXPECT_EQ(ShouldHit(box, 1, 10, false, {rules, training, -200.0f}), HitAnswer::Stand);
    EXPECT_TRUE(box.turnDone);
}

TEST(ShouldHit, TotalsTheCardsAfreshNotTheStoredTotal) {
    // A stale stored total must not hide a bust.
    TPlayerBox box = BoxWith({10, 6});
    Fill(box.Hand(1), {10, 6, 9});
    box.Hand(1).total = 16;
    const TGameRules rules = Rules();
    const TTrainingSettings training;
    EXPECT_EQ(ShouldHit(box, 1, 10, false, {rules, training, -5.0f}), HitAnswer::Stand);
    EXPECT_TRUE(box.turnDone);
}

TEST(ShouldHit, DecidesByTheSoftFlagPassedButStoresTheFreshOne) {
    const TGameRules rules = Rules();
    const TTrainingSettings training;
    // A, 7 passed as hard: hard 18 stands, where soft 18 against a 9 hits.
    TPlayerBox ace7 = BoxWith({A, 7});
    ace7.isSoft = false;
    EXPECT_EQ(ShouldHit(ace7, 1, 9, false, {rules, training, 0.0f}), HitAnswer::Stand);
    EXPECT_TRUE(ace7.isSoft);
    // 10, 6 passed as soft: soft 16 always hits, where hard 16 against a 10
    // stands at 5.
    TPlayerBox ten6 = BoxWith({10, 6});
    ten6.isSoft = true;
    EXPECT_EQ(ShouldHit(ten6, 1, 10, true, {rules, training, 5.0f}), HitAnswer::Hit);
    EXPECT_FALSE(ten6.isSoft);
}

TEST(ShouldHit, SplitAcesTakeNoMoreCards) {
    const TTrainingSettings training;
    TGameRules oneCard = Rules();
    oneCard.splitAcesOneCard = true;
    TGameRules freeAces = Rules();
    freeAces.splitAcesOneCard = false;
    for (int hand : {1, 2}) {
        // Each split ace has drawn a second ace: soft 12, a total that hits.
        TPlayerBox box = BoxWith({A, A + S}, {A + 2 * S, A + 3 * S});
        EXPECT_EQ(ShouldHit(box, hand, 6, IsSoft(box, hand), {oneCard, training, 0.0f}),
                  HitAnswer::Stand)
            << "hand " << hand;
        EXPECT_FALSE(box.turnDone);
        EXPECT_EQ(ShouldHit(box, hand, 6, IsSoft(box, hand), {freeAces, training, 0.0f}),
                  HitAnswer::Hit)
            << "hand " << hand;
    }
    // Not split, two aces hit whatever the rule.
    TPlayerBox pair = BoxWith({A, A + S});
    EXPECT_EQ(ShouldHit(pair, 1, 6, true, {oneCard, training, 0.0f}), HitAnswer::Hit);
}

TEST(ShouldHit, SplitHandsAreJudgedSeparately) {
    // Hand 1 is hard 10 against a 9, doubled above -2; hand 2 is hard 16,
    // which against a 9 hits below 5.
    TPlayerBox box = BoxWith({8, 2}, {8 + S, 8 + 2 * S});
    const TGameRules rules = Rules(1);
    const TTrainingSettings training;
    EXPECT_EQ(ShouldHit(box, 1, 9, false, {rules, training, 0.0f}), HitAnswer::Double);
    EXPECT_EQ(ShouldHit(box, 2, 9, false, {rules, training, 0.0f}), HitAnswer::Hit);
    EXPECT_EQ(ShouldHit(box, 2, 9, false, {rules, training, 5.0f}), HitAnswer::Stand);
}

}  // namespace
}  // namespace tavexo
