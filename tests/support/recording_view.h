#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/table_view.h"

namespace tavexo::testing {

// A view that keeps the last text of each label, so tests read the table as
// the user would see it.
class RecordingView : public TableView {
  public:
    std::array<std::string, BOX_COUNT + 1> stakeLabel, capital, decisions, name, total1, total2;
    std::array<std::string, BOX_COUNT + 1> outcomeAmount;
    std::array<int, BOX_COUNT + 1> outcome{};  // RoundOutcome + 1, 0 for none
    std::array<int, BOX_COUNT + 1> units{};
    std::array<bool, BOX_COUNT + 1> blinking{};
    std::string hint, dealerTotal, roundLabel, running, relative;
    std::vector<std::string> hints;  // every hint text shown, in order
    int cardsShown = 0;
    bool idle = true;
    bool stopIndicator = false;
    bool shuffling = false;
    int shuffles = 0;
    std::string runningWhenShuffled, relativeWhenShuffled;  // as the shoe stood ready

    void ShowBoxCard(int, int, int, CardCode) override { ++cardsShown; }
    void MoveSecondCardToHand2(int) override {}
    void SetHandTotal(int box, int hand, const std::string& text) override {
        (hand == 2 ? total2 : total1)[box] = text;
    }
    void SetStakeLabel(int box, const std::string& text) override { stakeLabel[box] = text; }
    void SetStakeHeight(int, const std::string&) override {}
    void SetCapital(int box, const std::string& text) override { capital[box] = text; }
    void SetUnits(int box, int value) override { units[box] = value; }
    void SetUnitsEnabled(int, bool) override {}
    void SetUnitsBlinking(int box, bool on) override { blinking[box] = on; }
    void SetBetEnabled(int, bool) override {}
    void SetActionEnabled(int, Action, bool) override {}
    void ShowCoin(int, int, bool) override {}
    void SetHandMarker(int, int, bool) override {}
    void SetGauge(int, int, int) override {}
    void SetDecisionsText(int box, const std::string& text) override { decisions[box] = text; }
    void SetBoxName(int box, const std::string& text) override { name[box] = text; }
    void SetBoxActive(int, bool, bool) override {}
    void ShowRoundOutcome(int box, RoundOutcome o, const std::string& amount) override {
        outcome[box] = static_cast<int>(o) + 1;
        outcomeAmount[box] = amount;
    }
    void ShowDealerCard(int, CardCode) override { ++cardsShown; }
    void SetDealerTotal(const std::string& text) override { dealerTotal = text; }
    void SetRoundLabel(const std::string& text) override { roundLabel = text; }
    void SetHint(const std::string& text) override {
        hint = text;
        if (!text.empty()) hints.push_back(text);
    }
    void SetCounts(const std::string& r, const std::string& rel) override {
        running = r;
        relative = rel;
    }
    void SetTrainingPanel(bool, bool) override {}
    void ShowShuffling(bool on) override {
        shuffling = on;
        if (on) ++shuffles;
        if (!on) {
            runningWhenShuffled = running;
            relativeWhenShuffled = relative;
        }
    }
    void ClearCards() override { outcome.fill(0); }
    void SetIdleControls(bool value) override { idle = value; }
    void SetPaused(bool) override {}
    void SetStopEnabled(bool) override {}
    void ShowStopIndicator(bool visible) override { stopIndicator = visible; }
    void GridChanged(GridKind, int) override {}
};

}  // namespace tavexo::testing
