// The counting drill's run on the virtual clock: rounds until the reserve,
// stop, pause, pacing and announcements, the check mode, and a start that
// another run on the same thread refuses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

#include "drill/drill_rules.h"
#include "drill_rig.h"
#include "support/named_case.h"

namespace tavexo {
namespace {

using ::tavexo::testing::DrillRig;
using ::tavexo::testing::PrintTo;
using ::tavexo::testing::Rounds;
using ShownCard = ::tavexo::testing::RecordingDrillView::ShownCard;

// --- whole runs ---

struct RunCase {
    const char* name;
    int decks;
    std::vector<int> places;
    int reserve;
    int rounds;  // 0: as many as the shoe gives
};

class DrillRunTest : public ::testing::TestWithParam<RunCase> {};

TEST_P(DrillRunTest, DealsRoundsWhileTheReserveRemainsThenSeesTheCutCard) {
    const RunCase& c = GetParam();
    for (uint64_t seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        DrillRig rig(seed);
        ASSERT_TRUE(rig.drill.SetDecks(c.decks));
        rig.Places({});
        for (int place : c.places) rig.drill.SetPlaceActive(place, true);
        rig.drill.Start();

        EXPECT_EQ(rig.drill.Reserve(), c.reserve);
        const auto rounds = Rounds(rig.view.shown);
        if (c.rounds > 0) {
            EXPECT_EQ(static_cast<int>(rounds.size()), c.rounds);
        }
        const int cards = c.decks * 52;
        int dealt = 0;
        for (const auto& round : rounds) {
            // A round begins only while the reserve remains.
            EXPECT_GE(cards - dealt, c.reserve);
            std::map<int, int> perPlace;
            for (const ShownCard& card : round)
                perPlace[card.place] = std::max(perPlace[card.place], card.n);
            EXPECT_EQ(perPlace.size(), c.places.size());
            for (const auto& [place, n] : perPlace) {
                EXPECT_GE(n, 2) << "place " << place;
                EXPECT_LE(n, 5) << "place " << place;
            }
            dealt += static_cast<int>(round.size());
        }
        EXPECT_EQ(dealt, rig.drill.Dealt());
        EXPECT_LT(cards - dealt, c.reserve);
        EXPECT_EQ(rig.view.LastMessage(), "Der Kartenschlitten hat die Cut Card gesehen.");
        EXPECT_TRUE(rig.view.TableEmpty());
        EXPECT_FALSE(rig.drill.Running());
        EXPECT_TRUE(rig.view.controls.startEnabled);
        EXPECT_FALSE(rig.view.controls.stopVisible);

        // The drill's count is the Hi-Lo sum of exactly the cards it showed.
        const int sum = std::accumulate(
            rig.view.shown.begin(), rig.view.shown.end(), 0,
            [](int s, const ShownCard& card) { return s + CardCountValue(card.code); });
        EXPECT_EQ(rig.drill.RunningCount(), sum);
        EXPECT_EQ(rig.view.lastRunning, sum);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DrillRunTest,
    ::testing::Values(
        RunCase{"OneDeckAllEightPlacesGiveExactlyOneRound", 1, {1, 2, 3, 4, 5, 6, 7, 8}, 44, 1},
        RunCase{"OneDeckBoxOneAndDealer", 1, {1, 8}, 11, 0}, RunCase{"OneDeckOneBox", 1, {3}, 6, 0},
        RunCase{"DealerAlone", 1, {8}, 6, 0}, RunCase{"TwoDecksThreeBoxes", 2, {2, 4, 6}, 16, 0},
        RunCase{"EightDecksAllPlaces", 8, {1, 2, 3, 4, 5, 6, 7, 8}, 44, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrillRun, EachCardOfTheShoeOnceAndEveryRunStartsFromZero) {
    DrillRig rig;
    ASSERT_TRUE(rig.drill.SetDecks(1));
    rig.Places({1});
    rig.drill.Start();
    rig.drill.Start();  // a second run after the first
    // The second run shuffled afresh, started its count at 0 and dealt
    // 52 - reserve or more cards, each code at most once.
    EXPECT_GE(rig.drill.Dealt(), 52 - 6);
    std::vector<int> seen(53, 0);
    for (int i = 0; i < rig.drill.Dealt(); ++i) ++seen[rig.drill.Shoe().cards[i]];
    EXPECT_EQ(*std::max_element(seen.begin(), seen.end()), 1);
    int sum = 0;
    for (int i = 0; i < rig.drill.Dealt(); ++i) sum += CardCountValue(rig.drill.Shoe().cards[i]);
    EXPECT_EQ(rig.drill.RunningCount(), sum);
}

TEST(DrillRun, NoPlaceSwitchedOnBeepsAndDealsNothing) {
    DrillRig rig;
    rig.Places({});
    rig.drill.Start();
    EXPECT_EQ(rig.host.events, std::vector<std::string>{"sound-wait:piep"});
    EXPECT_EQ(rig.view.LastMessage(), "Mindestens eine Box muss Karten bekommen");
    EXPECT_TRUE(rig.view.shown.empty());
    EXPECT_FALSE(rig.drill.Running());
}

// With 8 decks and one box the drill runs down to a handful of cards, past
// the point where fewer than half a deck remains.
TEST(DrillRun, TheDisplaysDivideByOneDeckAtTheEndOfTheShoe) {
    DrillRig rig;
    rig.Places({1});
    std::map<int, std::pair<int, double>> seen;  // cards left -> shown decks, relative
    rig.host.Whenever([&] { return rig.drill.Running(); },
                      [&] {
                          seen[rig.drill.Cards() - rig.view.lastDealt] = {rig.view.lastDecks,
                                                                          rig.view.lastRelative};
                      });
    rig.drill.Start();
    ASSERT_LT(rig.drill.Cards() - rig.drill.Dealt(), 26);
    for (const auto& [left, shown] : seen) {
        SCOPED_TRACE(left);
        if (left == 30) {
            EXPECT_EQ(shown.first, 1);
        }
        if (left <= 26 && left > 0) {
            EXPECT_EQ(shown.first, 0);
        }
    }
    // At the last card the relative count equals the running count.
    EXPECT_EQ(rig.view.lastDecks, 0);
    EXPECT_DOUBLE_EQ(rig.view.lastRelative, rig.drill.RunningCount());
}

// --- stop, pause, abort ---

TEST(DrillStop, FinishesTheRoundThenEndsAndRefusesANestedStart) {
    DrillRig rig;
    rig.Places({1, 2, 3, 4, 5, 6, 7, 8});
    int dealtWhenRestarted = -1;
    rig.host.When([&] { return rig.drill.Dealt() == 5; }, [&] { rig.drill.Stop(); });
    rig.host.When([&] { return rig.drill.Dealt() == 9; },
                  [&] {
                      // "Starten" is disabled while the stopped round ends;
                      // a start that gets through anyway must not nest.
                      EXPECT_FALSE(rig.view.controls.startEnabled);
                      EXPECT_FALSE(rig.view.controls.stopVisible);
                      rig.drill.Start();
                      dealtWhenRestarted = rig.drill.Dealt();
                  });
    rig.drill.Start();

    EXPECT_EQ(dealtWhenRestarted, 9);
    EXPECT_EQ(rig.drill.Rounds(), 1);
    const auto rounds = Rounds(rig.view.shown);
    ASSERT_EQ(rounds.size(), 1u);
    std::map<int, int> perPlace;
    for (const ShownCard& card : rounds[0])
        perPlace[card.place] = std::max(perPlace[card.place], card.n);
    EXPECT_EQ(perPlace.size(), 8u);
    for (const auto& [place, n] : perPlace) EXPECT_GE(n, 2) << "place " << place;
    EXPECT_NE(std::find(rig.view.messages.begin(), rig.view.messages.end(),
                        "Gestoppt, Runde wird zu Ende gespielt"),
              rig.view.messages.end());
    EXPECT_EQ(rig.view.LastMessage(), "Die Trainingsrunde wurde gestoppt.");
    EXPECT_TRUE(rig.view.TableEmpty());
    EXPECT_TRUE(rig.view.controls.startEnabled);
}

TEST(DrillPause, HoldsTheRunUntilResumed) {
    DrillRig rig;
    TCountDrillSettings paced = rig.drill.Settings();
    paced.cardDelay = 10;
    paced.playerDelay = 20;
    rig.drill.ApplySettings(paced);
    rig.Places({1, 2});
    int64_t pausedAt = -1;
    rig.host.When([&] { return rig.drill.Dealt() == 3; },
                  [&] {
                      rig.drill.TogglePause();
                      pausedAt = rig.host.Now();
                      EXPECT_EQ(rig.view.LastMessage(), "Wir pausieren");
                      EXPECT_FALSE(rig.view.controls.stopVisible);
                      EXPECT_TRUE(rig.view.controls.paused);
                  });
    rig.host.When([&] { return pausedAt >= 0 && rig.host.Now() >= pausedAt + 60000; },
                  [&] {
                      EXPECT_EQ(rig.drill.Dealt(), 3);
                      rig.drill.TogglePause();
                      EXPECT_EQ(rig.view.LastMessage(), DeckMessage(8));
                      EXPECT_TRUE(rig.view.controls.stopVisible);
                      rig.drill.Stop();
                  });
    rig.drill.Start();

    ASSERT_GE(rig.view.shown.size(), 4u);
    // The fourth card waits for the resume; nothing was dealt meanwhile.
    EXPECT_GE(rig.view.shown[3].atMs, pausedAt + 60000);
    EXPECT_LE(rig.view.shown[2].atMs, pausedAt);
}

TEST(DrillPause, PausedTimeIsNoDealingTime) {
    auto pace = [](bool pause) {
        DrillRig rig(11);
        TCountDrillSettings paced = rig.drill.Settings();
        paced.cardDelay = 5;
        paced.playerDelay = 10;
        rig.drill.ApplySettings(paced);
        rig.Places({1, 8});
        if (pause) {
            rig.host.When([&] { return rig.drill.Dealt() == 2; }, [&] { rig.drill.TogglePause(); });
            rig.host.When([&] { return rig.drill.Paused() && rig.host.Now() > 90000; },
                          [&] { rig.drill.TogglePause(); });
        }
        rig.drill.Start();
        EXPECT_EQ(rig.drill.Score().CardsDealt(), rig.drill.Dealt());
        return rig.drill.Score().CardsPerSecond();
    };
    const double steady = pace(false);
    EXPECT_GT(steady, 0.0);
    EXPECT_DOUBLE_EQ(pace(true), steady);
}

TEST(DrillAbort, EndsAtOnceAndClearsTheTable) {
    DrillRig rig;
    rig.Places({1, 2, 3, 8});
    rig.host.When([&] { return rig.drill.Dealt() == 5; }, [&] { rig.drill.Abort(); });
    rig.drill.Start();
    EXPECT_EQ(rig.drill.Dealt(), 5);
    EXPECT_FALSE(rig.drill.Running());
    EXPECT_TRUE(rig.view.TableEmpty());
}

TEST(DrillAbort, ARunWhoseLastPlaceIsSwitchedOffEndsAfterItsRound) {
    DrillRig rig;
    rig.Places({2});
    rig.host.When([&] { return rig.drill.Dealt() == 1; },
                  [&] { rig.drill.SetPlaceActive(2, false); });
    rig.drill.Start();
    EXPECT_FALSE(rig.drill.Running());
    EXPECT_EQ(rig.drill.Rounds(), 1);
    EXPECT_EQ(rig.view.LastMessage(), "Mindestens eine Box muss Karten bekommen");
    EXPECT_EQ(rig.host.Count("sound-wait:piep"), 1);
    EXPECT_TRUE(rig.view.TableEmpty());
}

// --- pacing and announcements ---

struct PaceCase {
    const char* name;
    int announcement;
    std::vector<std::string> soundsOfFirstCard;
    int64_t soundAfterMs;  // when the first card's sound starts, after its picture
    int64_t secondCardAtMs;
};

class DrillPaceTest : public ::testing::TestWithParam<PaceCase> {};

// A host that also notes when each sound starts.
struct TimedHost : ::tavexo::testing::ScriptedHost {
    std::vector<int64_t> soundTimes;
    void PlaySound(Sound sound, bool wait) override {
        soundTimes.push_back(Now());
        ScriptedHost::PlaySound(sound, wait);
    }
};

TEST_P(DrillPaceTest, AnnouncesEachCardAndWaitsThePlayersDelay) {
    const PaceCase& c = GetParam();
    TimedHost host;
    ::tavexo::testing::RecordingDrillView view(host);
    ShoeShuffler shuffler(3);
    shuffler.StackNextShoe({7, 2});  // a 7 (count 0) for box 1, a 2 for box 2
    CountingDrill drill(host, std::move(shuffler));
    TCountDrillSettings s;
    s.placeActive = {true, true, false, false, false, false, false, false};
    s.cardDelay = 10;
    s.playerDelay = 20;
    s.announcement = c.announcement;
    drill.ApplySettings(s);
    drill.SetView(&view);
    host.When([&] { return drill.Dealt() == 2; }, [&] { drill.Stop(); });
    drill.Start();

    ASSERT_GE(view.shown.size(), 2u);
    EXPECT_EQ(view.shown[0].code, 7);
    const auto first = std::vector<std::string>(
        host.events.begin(),
        host.events.begin() + std::min<size_t>(host.events.size(), c.soundsOfFirstCard.size()));
    EXPECT_EQ(first, c.soundsOfFirstCard);
    if (!c.soundsOfFirstCard.empty()) {
        EXPECT_EQ(host.soundTimes[0] - view.shown[0].atMs, c.soundAfterMs);
    }
    EXPECT_EQ(view.shown[1].atMs - view.shown[0].atMs, c.secondCardAtMs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DrillPaceTest,
    ::testing::Values(
        // The voice comes half a second after the picture and does not hold
        // the drill up; the 2 s players' delay follows.
        PaceCase{"CountValueAnnouncedHalfASecondLater", 0, {"sound:null", "sound:plus"}, 500, 2500},
        PaceCase{"CardSoundPlaysToItsEnd", 1, {"sound-wait:card", "sound-wait:card"}, 0, 2000},
        PaceCase{"Silent", 2, {}, 0, 2000}),
    [](const auto& info) { return std::string(info.param.name); });

// --- check mode ---

struct CheckCase {
    const char* name;
    int runningOffset;
    bool askRelative;
    double relativeOffset;
    bool right;
};

class DrillCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(DrillCheckTest, AsksAfterEveryRoundAndScoresTheAnswer) {
    const CheckCase& c = GetParam();
    DrillRig rig;
    rig.drill.SetDecks(1);
    rig.Places({1, 8});
    rig.drill.SetCheckMode(CheckMode::EveryRound);
    rig.drill.SetAskRelative(c.askRelative);
    int coveredWhileAsked = 0;
    rig.host.Whenever([&] { return rig.drill.AwaitingAnswer(); },
                      [&] {
                          coveredWhileAsked += rig.view.countsCovered;
                          // The question comes once the table is cleared.
                          EXPECT_TRUE(rig.view.TableEmpty());
                          rig.drill.AnswerCount(rig.drill.RunningCount() + c.runningOffset,
                                                rig.drill.RelativeCount() + c.relativeOffset);
                      });
    rig.drill.Start();

    const int rounds = rig.drill.Rounds();
    EXPECT_GT(rounds, 1);
    EXPECT_EQ(rig.view.questions, rounds);
    EXPECT_EQ(coveredWhileAsked, rounds);
    EXPECT_EQ(rig.view.askedRelative, c.askRelative);
    ASSERT_EQ(static_cast<int>(rig.view.verdicts.size()), rounds);
    for (const CountCheck& v : rig.view.verdicts) {
        EXPECT_EQ(v.Right(), c.right);
        EXPECT_EQ(v.RunningError(), std::abs(c.runningOffset));
        EXPECT_EQ(v.answeredRelative.has_value(), c.askRelative);
    }
    const DrillScore& score = rig.drill.Score();
    EXPECT_EQ(score.Checked(), rounds);
    EXPECT_EQ(score.Correct(), c.right ? rounds : 0);
    EXPECT_DOUBLE_EQ(score.MeanAbsoluteError(), std::abs(c.runningOffset));
    EXPECT_EQ(rig.view.sessions, 1);
    // The answer reveals the count.
    EXPECT_FALSE(rig.view.countsCovered);
    EXPECT_EQ(rig.view.lastRunning, rig.drill.RunningCount());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DrillCheckTest,
    ::testing::Values(CheckCase{"RightRunningCount", 0, false, 0.0, true},
                      CheckCase{"RunningCountTwoTooHigh", 2, false, 0.0, false},
                      CheckCase{"RunningCountThreeTooLow", -3, false, 0.0, false},
                      CheckCase{"BothCountsRight", 0, true, 0.4, true},
                      CheckCase{"TrueCountOffByMoreThanHalf", 0, true, -0.7, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrillCheck, AtTheEndOfTheShoeAsksOnceAndASkippedQuestionScoresNothing) {
    DrillRig rig;
    rig.drill.SetDecks(1);
    rig.Places({1});
    rig.drill.SetCheckMode(CheckMode::EndOfShoe);
    rig.host.Whenever([&] { return rig.drill.AwaitingAnswer(); },
                      [&] { rig.drill.SkipQuestion(); });
    rig.drill.Start();
    EXPECT_GT(rig.drill.Rounds(), 1);
    EXPECT_EQ(rig.view.questions, 1);
    EXPECT_EQ(rig.drill.Score().Checked(), 0);
    EXPECT_EQ(rig.view.sessions, 0);
    // Without a check the counts were never shown: they stay covered.
    EXPECT_EQ(rig.view.countsShown, 0);
}

TEST(DrillCheck, AStoppedRunIsAskedAtItsEnd) {
    DrillRig rig;
    rig.Places({1, 2});
    rig.drill.SetCheckMode(CheckMode::EndOfShoe);
    rig.host.When([&] { return rig.drill.Dealt() == 3; }, [&] { rig.drill.Stop(); });
    rig.host.When([&] { return rig.drill.AwaitingAnswer(); },
                  [&] { rig.drill.AnswerCount(rig.drill.RunningCount(), std::nullopt); });
    rig.drill.Start();
    EXPECT_EQ(rig.view.questions, 1);
    EXPECT_EQ(rig.drill.Score().Correct(), 1);
}

// --- one long handler at a time ---

TEST(DrillStart, IsRefusedWhileAnotherRunHoldsTheThread) {
    DrillRig rig;
    bool tableRunning = true;
    rig.drill.SetRunBlocker(
        [&] { return tableRunning ? std::string("Am Tisch läuft ein Spiel.") : ""; });
    rig.drill.Start();
    EXPECT_FALSE(rig.drill.Running());
    EXPECT_TRUE(rig.view.shown.empty());
    EXPECT_EQ(rig.view.LastMessage(), "Am Tisch läuft ein Spiel.");
    EXPECT_EQ(rig.host.Count("sound-wait:piep"), 1);

    tableRunning = false;
    rig.drill.SetDecks(1);
    rig.drill.Start();
    EXPECT_FALSE(rig.view.shown.empty());
}

TEST(DrillDecks, AreLockedDuringARun) {
    DrillRig rig;
    rig.Places({1});
    bool changed = true;
    rig.host.When([&] { return rig.drill.Dealt() == 1; },
                  [&] {
                      EXPECT_FALSE(rig.view.controls.decksEnabled);
                      changed = rig.drill.SetDecks(1);
                      rig.drill.Stop();
                  });
    rig.drill.Start();
    EXPECT_FALSE(changed);
    EXPECT_EQ(rig.drill.Decks(), 8);
    EXPECT_TRUE(rig.drill.SetDecks(1));
    EXPECT_EQ(rig.view.LastMessage(), "Gespielt wird mit 1 Deck = 52 Karten");
    EXPECT_EQ(rig.view.lastDecks, 1);
}

// --- "Tempo finden" ---

struct TempoCase {
    const char* name;
    int announcement;
    double startPace;
};

class DrillTempoTest : public ::testing::TestWithParam<TempoCase> {};

TEST_P(DrillTempoTest, DealsEveryCardAtTheFoundPaceAndMovesItWithEveryCheck) {
    const TempoCase& c = GetParam();
    DrillRig rig;
    rig.drill.SetDecks(2);
    rig.Places({1, 8});
    rig.drill.SetAnnouncement(c.announcement);
    // The delays would give other intervals; the pace replaces them.
    rig.drill.SetCardDelay(3);
    rig.drill.SetPlayerDelay(20);
    PaceFinder finder(c.startPace);
    ASSERT_TRUE(rig.drill.SetPaceFinder(&finder));
    // Check mode "nie": the pace asks all the same. Right, right, wrong, ...
    int answers = 0;
    bool changedDuringRun = true;
    rig.host.Whenever([&] { return rig.drill.AwaitingAnswer(); },
                      [&] {
                          EXPECT_TRUE(rig.view.countsCovered);
                          changedDuringRun = rig.drill.SetPaceFinder(nullptr);
                          const int offset = ++answers % 3 == 0 ? 1 : 0;
                          rig.drill.AnswerCount(rig.drill.RunningCount() + offset, std::nullopt);
                      });
    rig.drill.Start();

    EXPECT_FALSE(changedDuringRun);
    const auto rounds = ::tavexo::testing::Rounds(rig.view.shown);
    ASSERT_GT(rounds.size(), 3u);
    ASSERT_EQ(finder.Checks().size(), rounds.size());
    EXPECT_EQ(rig.drill.Score().Checked(), static_cast<int>(rounds.size()));
    for (size_t r = 0; r < rounds.size(); ++r) {
        const PaceCheck& check = finder.Checks()[r];
        EXPECT_EQ(check.right, (r + 1) % 3 != 0) << "round " << r + 1;
        const auto interval = std::lround(1000.0 / check.cardsPerSecond);
        for (size_t i = 1; i < rounds[r].size(); ++i)
            EXPECT_EQ(rounds[r][i].atMs - rounds[r][i - 1].atMs, interval)
                << "round " << r + 1 << ", card " << i + 1;
    }
    // Faster after the right answers of the first two rounds, slower after
    // the wrong one of the third.
    EXPECT_GT(finder.Checks()[1].cardsPerSecond, finder.Checks()[0].cardsPerSecond);
    EXPECT_LT(finder.Checks()[3].cardsPerSecond, finder.Checks()[2].cardsPerSecond);
}

INSTANTIATE_TEST_SUITE_P(Cases, DrillTempoTest,
                         // With the count values announced, their half second lead-in is part of
                         // the interval.
                         ::testing::Values(TempoCase{"Silent", 2, 2.0},
                                           TempoCase{"Announced", 0, 1.0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavexo
