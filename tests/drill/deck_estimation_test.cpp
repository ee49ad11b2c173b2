// The deck estimation: trays between a quarter deck dealt and a quarter
// deck left, answers right within half a step, and a round's score.
#include <gtest/gtest.h>

#include "drill/deck_estimation.h"
#include "support/named_case.h"

namespace tavexo {
namespace {

using ::tavexo::testing::PrintTo;

TEST(DiscardTray, HoldsAtLeastAQuarterDeckAndLeavesAtLeastOneEveryCountInBetween) {
    ShoeShuffler random(17);
    for (const int decks : TRAY_SHOE_DECKS) {
        const int most = decks * 52 - 13;
        std::vector<int> seen(static_cast<size_t>(decks * 52 + 1), 0);
        for (int i = 0; i < 200 * decks; ++i) {
            const DiscardTray tray = MakeDiscardTray(decks, random);
            ASSERT_EQ(tray.shoeDecks, decks);
            ASSERT_GE(tray.discarded, 13);
            ASSERT_LE(tray.discarded, most);
            ++seen[static_cast<size_t>(tray.discarded)];
        }
        EXPECT_GT(seen[13], 0) << decks;
        EXPECT_GT(seen[static_cast<size_t>(most)], 0) << decks;
    }
}

struct EstimateCase {
    const char* name;
    int shoeDecks;
    int discarded;
    double answer;
    EstimateStep step;
    bool within;
};

class DeckEstimateTest : public ::testing::TestWithParam<EstimateCase> {};

TEST_P(DeckEstimateTest, IsRightWhenNoOtherStepLiesNearer) {
    const EstimateCase& c = GetParam();
    const DiscardTray tray{c.shoeDecks, c.discarded};
    EXPECT_EQ((DeckEstimate{c.answer, tray.RemainingDecks()}).Within(c.step), c.within)
        << "decks left: " << tray.RemainingDecks();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeckEstimateTest,
    ::testing::Values(
        // 6 decks, 166 cards out: 146 left, 2.81 decks.
        EstimateCase{"NearestHalfDeck", 6, 166, 3.0, EstimateStep::HalfDeck, true},
        EstimateCase{"NextHalfDeckDown", 6, 166, 2.5, EstimateStep::HalfDeck, false},
        EstimateCase{"NearestQuarterDeck", 6, 166, 2.75, EstimateStep::QuarterDeck, true},
        EstimateCase{"AHalfDeckIsTooCoarseForQuarters", 6, 166, 3.0, EstimateStep::QuarterDeck,
                     false},
        // 8 decks, 299 out: 117 left, 2.25 decks, exactly between two halves.
        EstimateCase{"ExactlyBetweenCountsForTheLower", 8, 299, 2.0, EstimateStep::HalfDeck, true},
        EstimateCase{"ExactlyBetweenCountsForTheUpper", 8, 299, 2.5, EstimateStep::HalfDeck, true},
        EstimateCase{"TheDecksDealtAreNotTheDecksLeft", 8, 299, 5.75, EstimateStep::QuarterDeck,
                     false},
        EstimateCase{"OneDeckHalfLeft", 1, 26, 0.5, EstimateStep::HalfDeck, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DeckEstimationRound, ScoresMeanErrorShareWithinAndTimeOverNPictures) {
    ShoeShuffler random(9);
    DeckEstimationRound round(DeckEstimationSettings{4, EstimateStep::HalfDeck, 3}, random);
    int64_t now = 10000;
    // Right on, a whole deck too many, and half a deck too few.
    const double offsets[] = {0.0, 1.0, -0.5};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(round.Round().Number(), i + 1);
        round.Shown(now);
        now += 2000 * (i + 1);
        const DeckEstimate estimate = round.Answer(round.Tray().RemainingDecks() + offsets[i], now);
        EXPECT_DOUBLE_EQ(estimate.Error(), offsets[i]);
        EXPECT_EQ(round.Next(), i < 2);
    }
    const QuizScore& score = round.Round().Score();
    EXPECT_EQ(score.Answered(), 3);
    EXPECT_EQ(score.Right(), 1);
    EXPECT_NEAR(score.RightShare(), 1.0 / 3.0, 1e-12);
    EXPECT_DOUBLE_EQ(score.MeanError(), 0.5);
    EXPECT_DOUBLE_EQ(score.SecondsPerAnswer(), 4.0);  // 2, 4 and 6 seconds
    // Over: nothing more is scored.
    round.Shown(now);
    round.Answer(1.0, now + 1000);
    EXPECT_EQ(round.Round().Score().Answered(), 3);
}

}  // namespace
}  // namespace tavexo
