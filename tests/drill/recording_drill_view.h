#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "drill/drill_view.h"
#include "support/scripted_host.h"

namespace tavexo::testing {

// A drill view that keeps what it was told, with the virtual time of each
// card, and which cards lie on the table now.
class RecordingDrillView : public DrillView {
  public:
    explicit RecordingDrillView(const ScriptedHost& host) : host_(host) {}

    struct ShownCard {
        int place;
        int n;
        CardCode code;
        int64_t atMs;
    };
    std::vector<ShownCard> shown;
    std::array<std::vector<CardCode>, 8> onTable;
    std::vector<std::string> messages;
    int countsShown = 0;
    int lastRunning = 0;
    double lastRelative = 0.0;
    int lastCountValue = 99;
    int lastDecks = -1;
    int lastDealt = 0;
    bool countsCovered = false;
    DrillControls controls;
    std::vector<DrillControls> controlHistory;
    int questions = 0;
    bool askedRelative = false;
    std::vector<CountCheck> verdicts;
    int sessions = 0;

    void ShowCard(int place, int n, CardCode code) override {
        shown.push_back({place, n, code, host_.Now()});
        auto& cards = onTable[place - 1];
        cards.resize(static_cast<size_t>(n));
        cards[static_cast<size_t>(n - 1)] = code;
    }
    void HideCard(int place, int n) override {
        auto& cards = onTable[place - 1];
        // Cards go last first: hiding any other would be a fault.
        if (static_cast<int>(cards.size()) == n)
            cards.pop_back();
        else
            cards.insert(cards.begin(), -1);
    }
    void ShowCardCountValue(int value) override { lastCountValue = value; }
    void ShowCounts(int running, double relative) override {
        ++countsShown;
        countsCovered = false;
        lastRunning = running;
        lastRelative = relative;
    }
    void CoverCounts() override { countsCovered = true; }
    void ShowCardsDealt(int dealt) override { lastDealt = dealt; }
    void ShowRemainingDecks(int decks) override { lastDecks = decks; }
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    void SetControls(const DrillControls& c) override {
        controls = c;
        controlHistory.push_back(c);
    }
    void AskCount(bool withRelative) override {
        ++questions;
        askedRelative = withRelative;
    }
    void EndQuestion() override {}
    void ShowVerdict(const CountCheck& check) override { verdicts.push_back(check); }
    void ShowScore(const DrillScore&) override {}
    void SessionScored(const DrillScore&) override { ++sessions; }

    bool TableEmpty() const {
        for (const auto& cards : onTable) {
            if (!cards.empty()) return false;
        }
        return true;
    }
    const std::string& LastMessage() const { return messages.back(); }

  private:
    const ScriptedHost& host_;
};

}  // namespace tavexo::testing
