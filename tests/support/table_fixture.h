#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "engine/table.h"
#include "support/cards.h"
#include "support/scripted_host.h"

namespace tavexo::testing {

// A table on the scripted host with the given boxes in play (human, 1 unit
// of 10, capital 1000) and no delay between rounds.
class TableFixture : public ::testing::Test {
  protected:
    TableFixture() : table(settings, host, ShoeShuffler(1234)) { host.Attach(table); }

    void SeatBoxes(std::initializer_list<int> boxes, bool robot = false) {
        settings.roundDelay = 0;
        table.SettingsChanged();
        for (int box = 1; box <= BOX_COUNT; ++box) {
            BoxProfile p;
            p.name = "Spieler" + std::to_string(box);
            p.active = false;
            p.capital = 1000.0f;
            p.unitValue = 10;
            p.robot = robot;
            for (int seated : boxes) p.active = p.active || seated == box;
            table.ApplyProfile(box, p);
        }
    }

    // The next shoe deals these cards first (rank names, see Cards()).
    void Stack(const std::string& ranks, int cutPosition = 300) {
        table.Shuffler().StackNextShoe(Cards(ranks), cutPosition);
    }

    // Whenever `box` is in turn and `action` is offered, click it.
    void Always(int box, Action action) {
        host.Whenever(
            [box, action](const Table& t) {
                return t.BoxInTurn() == box && t.Box(box).Enabled(action);
            },
            [box, action](Table& t) { t.ActionClicked(box, action); });
    }

    // Clicks `action` once, as soon as `box` is in turn and it is offered.
    void Click(int box, Action action) {
        host.When(
            [box, action](const Table& t) {
                return t.BoxInTurn() == box && t.Box(box).Enabled(action);
            },
            [box, action](Table& t) { EXPECT_TRUE(t.ActionClicked(box, action)); });
    }

    // Requests the stop as soon as the first round is dealt, so the run
    // ends after that round.
    void StopAfterOneRound() {
        host.When([](const Table& t) { return t.State().running; }, [](Table& t) { t.StopRun(); });
    }

    const std::string& History(int box, int column, int row = 1) {
        return table.HistoryGrid(box).Cell(column, row);
    }

    TProgramSettings settings;
    ScriptedHost host;
    Table table;
};

}  // namespace tavexo::testing
