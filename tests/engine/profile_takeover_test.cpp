// Profiles saved while the table runs: what a box takes over at once, and
// why taking part changes only once the round is settled.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/table_fixture.h"

namespace tavexo::testing {
namespace {

class ProfileTakeOverTest : public TableFixture {
  protected:
    // The boxes paid, by round.
    struct Recorder : TableObserver {
        const Table* table = nullptr;
        std::vector<std::vector<int>> settledPerRound;
        void BoxSettled(int box, float, float) override {
            const size_t round = static_cast<size_t>(table->State().roundNumber);
            if (settledPerRound.size() < round) settledPerRound.resize(round);
            settledPerRound[round - 1].push_back(box);
        }
    } recorder;

    ProfileTakeOverTest() {
        recorder.table = &table;
        table.SetObserver(&recorder);
    }

    static BoxProfile Profile(bool active, bool robot = false) {
        BoxProfile p;
        p.name = "Neuer Name";
        p.active = active;
        p.robot = robot;
        p.capital = 1000.0f;
        p.unitValue = 10;
        return p;
    }

    // Stands with every seated box and stops after the second round.
    void TwoRounds(std::initializer_list<int> boxes) {
        for (int box : boxes) Always(box, Action::Stand);
        host.When([](const Table& t) { return t.State().roundNumber == 2; },
                  [](Table& t) { t.StopRun(); });
    }
};

TEST_F(ProfileTakeOverTest, ABoxTakenOutMidRoundIsPaidAndSitsOutFromTheNextRound) {
    SeatBoxes({1, 2});
    // box 1 10, box 2 9, dealer 7, box 1 K, box 2 K, dealer K: both win.
    Stack("10 9 7 K K K");
    auto waited = std::make_shared<bool>(false);
    host.When([](const Table& t) { return t.BoxInTurn() == 1; },
              [waited](Table& t) { *waited = t.TakeOverProfile(2, Profile(false)); });
    TwoRounds({1, 2});

    table.StartRun();

    EXPECT_TRUE(*waited);
    ASSERT_EQ(recorder.settledPerRound.size(), 2u);
    EXPECT_EQ(recorder.settledPerRound[0], (std::vector<int>{1, 2}));
    EXPECT_EQ(recorder.settledPerRound[1], (std::vector<int>{1}));
    EXPECT_FALSE(table.Box(2).inPlay);
    // Charged 10 of 1000, reset to the saved 1000, then paid 20 for the win:
    // the charged stake came back with the win.
    EXPECT_FLOAT_EQ(table.Box(2).capital, 1020.0f);
    EXPECT_EQ(table.Box(2).name, "Spieler2");  // the name waits for the next start
}

// A box already charged for the round, before any card is dealt: neither its
// own on/off button nor a saved profile may take it out of that round.
TEST_F(ProfileTakeOverTest, ABoxChargedButNotYetDealtStaysInTheRound) {
    struct Case {
        const char* name;
        bool viaProfile;
    };
    for (const Case& c : {Case{"on/off button", false}, Case{"saved profile", true}}) {
        SCOPED_TRACE(c.name);
        TProgramSettings fresh;
        settings = fresh;
        ScriptedHost freshHost;
        Table t(settings, freshHost, ShoeShuffler(7));
        freshHost.Attach(t);
        settings.roundDelay = 0;
        t.SettingsChanged();
        for (int box = 1; box <= BOX_COUNT; ++box) {
            BoxProfile p = Profile(box == 1);
            t.ApplyProfile(box, p);
        }
        t.Shuffler().StackNextShoe(Cards("10 7 9 K"), 300);
        const bool viaProfile = c.viaProfile;
        freshHost.When(
            [](const Table& tt) {
                return tt.Box(1).hands[0].stake > 0.0f && tt.Box(1).Hand(1).cardCount == 0;
            },
            [viaProfile](Table& tt) {
                if (viaProfile) {
                    EXPECT_TRUE(tt.TakeOverProfile(1, Profile(false)));
                } else {
                    tt.BoxOnOff(1);
                }
            });
        freshHost.Whenever(
            [](const Table& tt) { return tt.BoxInTurn() == 1 && tt.Box(1).Enabled(Action::Stand); },
            [](Table& tt) { tt.ActionClicked(1, Action::Stand); });
        freshHost.When([](const Table& tt) { return tt.State().running; },
                       [](Table& tt) { tt.StopRun(); });

        t.StartRun();

        EXPECT_EQ(t.HistoryGrid(1).Cell(4, 1), "10 9");  // dealt and recorded
        // 19 beats 17; the saved profile set the capital back to 1000 after
        // the charge, so the stake came back on top of it.
        EXPECT_FLOAT_EQ(t.Box(1).capital, viaProfile ? 1020.0f : 1010.0f);
        EXPECT_EQ(t.Box(1).inPlay, !viaProfile);  // the button is refused
    }
}

TEST_F(ProfileTakeOverTest, ABoxTakenInMidRoundJoinsTheNextRound) {
    SeatBoxes({1});
    Stack("10 7 9 K 8 8 K");
    auto waited = std::make_shared<bool>(false);
    host.When([](const Table& t) { return t.BoxInTurn() == 1; },
              [waited](Table& t) { *waited = t.TakeOverProfile(3, Profile(true)); });
    TwoRounds({1, 3});

    table.StartRun();

    EXPECT_TRUE(*waited);
    ASSERT_EQ(recorder.settledPerRound.size(), 2u);
    EXPECT_EQ(recorder.settledPerRound[0], (std::vector<int>{1}));
    EXPECT_EQ(recorder.settledPerRound[1], (std::vector<int>{1, 3}));
}

TEST_F(ProfileTakeOverTest, BetweenRunsEverythingButTheNameAppliesAtOnce) {
    SeatBoxes({1, 2});
    BoxProfile p = Profile(false, true);
    p.capital = 2500.0f;
    p.unitValue = 25;
    EXPECT_FALSE(table.TakeOverProfile(1, p));
    EXPECT_FALSE(table.Box(1).inPlay);
    EXPECT_TRUE(table.Box(1).isRobot);
    EXPECT_FLOAT_EQ(table.Box(1).capital, 2500.0f);
    EXPECT_EQ(table.Box(1).unitValue, 25);
    EXPECT_EQ(table.Box(1).name, "Spieler1");
    EXPECT_FALSE(table.TakeOverProfile(3, Profile(true)));
    EXPECT_TRUE(table.Box(3).inPlay);
}

}  // namespace
}  // namespace tavexo::testing
