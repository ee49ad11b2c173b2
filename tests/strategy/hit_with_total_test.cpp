// The robot asks the hit question with the total the table keeps; that must
// answer exactly as the question that totals the cards itself.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "strategy/decision_rules.h"

namespace tavexo {
namespace {

struct Outcome {
    HitAnswer answer;
    bool isSoft;
    bool turnDone;
    bool operator==(const Outcome&) const = default;
};

TPlayerBox SplitOrNot(const std::vector<CardCode>& cards, bool split) {
    TPlayerBox box;
    THand& hand = box.Hand(1);
    hand.cardCount = static_cast<int32_t>(cards.size());
    for (size_t i = 0; i < cards.size(); ++i) hand.cards[i] = cards[i];
    const HandTotal t = TotalOf(hand.cards.data(), hand.cardCount);
    hand.total = t.total;
    hand.soft = t.soft;
    box.isSplit = split;
    return box;
}

TEST(ShouldHitWithTotal, AnswersAsShouldHitForEveryHandOfUpToThreeRanks) {
    TGameRules rules;
    TTrainingSettings training;
    std::array<int, 3> seen{};  // by answer
    for (const bool split : {false, true}) {
        for (const bool splitAcesOneCard : {false, true}) {
            rules.splitAcesOneCard = splitAcesOneCard;
            // Ranks 1..13 in the first suit; the third card 0 means none.
            for (CardCode a = 1; a <= 13; ++a) {
                for (CardCode b = 1; b <= 13; ++b) {
                    for (CardCode c = 0; c <= 13; ++c) {
                        std::vector<CardCode> cards = {a, b};
                        if (c != 0) cards.push_back(c);
                        for (int dealer = 2; dealer <= 11; ++dealer) {
                            for (const float count : {-20.0f, -4.0f, 0.0f, 2.5f, 20.0f}) {
                                const StrategyContext context{rules, training, count};
                                TPlayerBox fresh = SplitOrNot(cards, split);
                                TPlayerBox kept = fresh;
                                const bool soft = fresh.Hand(1).soft;
                                const HitAnswer byCards =
                                    ShouldHit(fresh, 1, dealer, soft, context);
                                const THand& h = kept.Hand(1);
                                const HitAnswer byTotal = ShouldHitWithTotal(
                                    kept, 1, HandTotal{h.total, h.soft}, dealer, soft, context);
                                ASSERT_EQ((Outcome{byCards, fresh.isSoft, fresh.turnDone}),
                                          (Outcome{byTotal, kept.isSoft, kept.turnDone}))
                                    << "cards " << a << " " << b << " " << c << " dealer " << dealer
                                    << " count " << count << " split " << split;
                                seen[static_cast<int>(byCards)] += 1;
                            }
                        }
                    }
                }
            }
        }
    }
    // The hands cover all three answers, so the comparison is not vacuous.
    for (const int n : seen) EXPECT_GT(n, 0);
}

}  // namespace
}  // namespace tavexo
