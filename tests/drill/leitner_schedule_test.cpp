// The Leitner boxes of the index drill on a fake clock: which days a card
// comes back, what a wrong answer does, and which cards a session asks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drill/leitner_schedule.h"

namespace tavexo {
namespace {

// Runs days `first` to `last`: each day a session of everything due (and
// new), answered by `answer(id, day)`. Returns the days each card was asked.
template <class Answer>
std::vector<std::vector<int>> AskedDays(LeitnerDeck& deck, const std::vector<std::string>& ids,
                                        int first, int last, Answer answer) {
    std::vector<std::vector<int>> asked(ids.size());
    for (int day = first; day <= last; ++day) {
        // A wrong answer makes a card due the same day: ask until nothing is.
        for (int pass = 0; pass < 3; ++pass) {
            for (const std::string& id : deck.SessionOrder(ids, day, 100)) {
                const size_t i =
                    static_cast<size_t>(std::find(ids.begin(), ids.end(), id) - ids.begin());
                asked[i].push_back(day);
                deck.Record(id, answer(id, day), day);
            }
        }
    }
    return asked;
}

TEST(LeitnerSchedule, ARightAnswerEachTimeBringsTheCardBackAfterOneThreeSevenAndFourteenDays) {
    LeitnerDeck deck;
    const auto asked =
        AskedDays(deck, {"G1:16:10"}, 100, 160, [](const std::string&, int) { return true; });
    // New on day 100 (box 1), then due after the interval of the box it
    // moved to: box 2 one day, box 3 three, box 4 seven, box 5 fourteen,
    // and fourteen again from the last box.
    EXPECT_EQ(asked[0], (std::vector<int>{100, 101, 104, 111, 125, 139, 153}));
    const LeitnerCard card = deck.Card("G1:16:10");
    EXPECT_EQ(card.box, 5);
    EXPECT_EQ(card.dueDay, 167);
    EXPECT_EQ(card.right, 7);
}

TEST(LeitnerSchedule, AWrongAnswerSendsTheCardBackToTheFirstBoxDueTheSameDay) {
    LeitnerDeck deck;
    // Wrong on its fourth showing (day 11, box 4), right from then on.
    int shown = 0;
    const auto asked =
        AskedDays(deck, {"G5:9:7"}, 0, 30, [&](const std::string&, int) { return ++shown != 4; });
    // 0 (box 1 -> 2), 1 (-> 3), 4 (-> 4), 11 wrong (-> 1, due 11), 11 again
    // (-> 2), 12 (-> 3), 15 (-> 4), 22 (-> 5), next 36.
    EXPECT_EQ(asked[0], (std::vector<int>{0, 1, 4, 11, 11, 12, 15, 22}));
    const LeitnerCard card = deck.Card("G5:9:7");
    EXPECT_EQ(card.box, 5);
    EXPECT_EQ(card.dueDay, 36);
    EXPECT_EQ(card.wrong, 1);
    EXPECT_FALSE(card.lastWrong);
}

TEST(LeitnerSchedule, AnsweringAheadOfTimeMovesNoBoxButAMistakeStillCounts) {
    LeitnerDeck deck;
    deck.Record("G3:11:10", true, 0);  // box 2, due day 1
    deck.Record("G3:11:10", true, 0);  // not due yet: stays
    EXPECT_EQ(deck.Card("G3:11:10").box, 2);
    EXPECT_EQ(deck.Card("G3:11:10").dueDay, 1);
    EXPECT_EQ(deck.Card("G3:11:10").right, 2);
    deck.Record("G3:11:10", false, 0);
    EXPECT_EQ(deck.Card("G3:11:10").box, 1);
    EXPECT_EQ(deck.Card("G3:11:10").dueDay, 0);
    EXPECT_TRUE(deck.Due("G3:11:10", 0));
}

TEST(LeitnerSchedule, ASessionAsksTheLongestOverdueFirstThenTheLowerBoxThenNewCards) {
    LeitnerDeck deck;
    deck.Restore("a", LeitnerCard{3, 8, 2, 0, false});   // due day 8
    deck.Restore("b", LeitnerCard{2, 5, 1, 0, false});   // due day 5
    deck.Restore("c", LeitnerCard{1, 8, 0, 1, true});    // due day 8, lower box than a
    deck.Restore("d", LeitnerCard{4, 12, 3, 0, false});  // not due on day 10
    const std::vector<std::string> ids = {"new1", "a", "b", "c", "d", "new2"};
    EXPECT_EQ(deck.SessionOrder(ids, 10, 10),
              (std::vector<std::string>{"b", "c", "a", "new1", "new2"}));
    EXPECT_EQ(deck.SessionOrder(ids, 10, 2), (std::vector<std::string>{"b", "c"}));
    // Cards that are not among the drill's ids (a rule change took them
    // out) are not asked, though the deck keeps them.
    EXPECT_EQ(deck.SessionOrder({"d", "a"}, 10, 10), (std::vector<std::string>{"a"}));
    EXPECT_EQ(deck.Cards().size(), 4u);

    const LeitnerSummary today = deck.Summary(ids, 10);
    EXPECT_EQ(today.due, 3);
    EXPECT_EQ(today.fresh, 2);
    EXPECT_EQ(today.learnt, 1);  // d, in box 4
    EXPECT_EQ(today.weak, 1);    // c
    EXPECT_EQ(deck.Summary(ids, 12).due, 4);
}

}  // namespace
}  // namespace tavexo
