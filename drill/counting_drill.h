#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "drill/count_check.h"
#include "drill/drill_host.h"
#include "drill/drill_view.h"
#include "drill/pace_finder.h"
#include "engine/shoe.h"
#include "settings/count_drill_settings.h"

namespace tavexo {

inline constexpr int DRILL_DEALER_PLACE = 8;
// The extra pause before a count value is announced, so that the voice
// follows the picture rather than racing it.
inline constexpr int ANNOUNCEMENT_DELAY_MS = 500;
// The pause after each card taken off the table while clearing it.
inline constexpr int CLEAR_STEP_MS = 10;

// The counting drill: its own shoe and Hi-Lo count, independent of the
// table's, dealt to up to seven boxes and a dealer at a chosen pace. There
// is no game; the user keeps the count and may have it checked.
//
// A run is a long handler, like the table's round cycle: Start() returns
// when the run is over, and the user's clicks (Stop, TogglePause,
// AnswerCount) arrive as calls nested inside it while it waits through the
// host.
class CountingDrill {
  public:
    explicit CountingDrill(DrillHost& host, ShoeShuffler shuffler = ShoeShuffler());
    CountingDrill(const CountingDrill&) = delete;
    CountingDrill& operator=(const CountingDrill&) = delete;

    void SetView(DrillView* view);
    // Asked before a run starts: a non-empty answer names another
    // long-running handler on the same thread (a table run) and is shown
    // instead of starting, since a drill nested in it would freeze it.
    void SetRunBlocker(std::function<std::string()> blocker) { blocker_ = std::move(blocker); }

    // --- settings; they act from the next card on ---
    const TCountDrillSettings& Settings() const { return settings_; }
    // Everything but the deck count while a run is going on.
    void ApplySettings(const TCountDrillSettings& settings);
    void SetPlaceActive(int place, bool active) { settings_.placeActive[place - 1] = active; }
    void SetCardDelay(int tenths) { settings_.cardDelay = tenths; }
    void SetPlayerDelay(int tenths) { settings_.playerDelay = tenths; }
    void SetClearPause(int tenths) { settings_.clearPause = tenths; }
    void SetAnnouncement(int item) { settings_.announcement = item; }
    void SetDisplayGroup(int group, bool on) { settings_.displayGroups[group - 1] = on; }
    void SetCheckMode(CheckMode mode) { settings_.checkMode = static_cast<int32_t>(mode); }
    void SetAskRelative(bool ask) { settings_.checkRelative = ask; }
    // Refused (false) while a run is going on: the shoe in play keeps its size.
    bool SetDecks(int decks);
    // "Tempo finden": with a finder set, every card follows the last at the
    // finder's pace instead of the delays, the count is asked after every
    // round, and each checked answer moves the pace. Refused while a run is
    // going on; none (nullptr) deals by the delays again.
    bool SetPaceFinder(PaceFinder* finder);

    // --- user input ---
    void Start();
    void Stop();
    void TogglePause();
    void AnswerCount(int running, std::optional<double> relative);
    void SkipQuestion();
    // Ends a run at its next wait without playing the round to its end and
    // without asking: the window was closed or the program ends.
    void Abort();

    // --- queries ---
    bool Running() const { return running_; }
    bool Paused() const { return paused_; }
    bool StopRequested() const { return stopRequested_; }
    bool AwaitingAnswer() const { return awaitingAnswer_; }
    int Decks() const { return settings_.decks; }
    int Cards() const { return settings_.decks * CARDS_PER_DECK; }
    int Dealt() const { return dealt_; }
    int RunningCount() const { return runningCount_; }
    int RemainingDecks() const;
    double RelativeCount() const;
    int Rounds() const { return rounds_; }
    int CardsAt(int place) const { return placeCards_[place - 1]; }
    int Reserve() const { return reserve_; }
    const TShoe& Shoe() const { return shoe_; }
    ShoeShuffler& Shuffler() { return shuffler_; }
    const DrillScore& Score() const { return score_; }
    const std::optional<CountCheck>& LastCheck() const { return lastCheck_; }
    DrillControls Controls() const;

  private:
    bool PlaceActive(int place) const { return settings_.placeActive[place - 1]; }
    int ActivePlaces() const;
    void RunRounds();
    void DealRound();
    void DealCard(int place, int delayTenths);
    void Announce(int countValue);
    void ClearTable();
    void AskForCount();
    bool AskAfterThisRound() const;
    // The drill asks for the count at some point of the run, so the count
    // displays stay covered.
    bool Checking() const;
    int CardPauseMs(int delayTenths) const;
    bool ShoeAtCut() const { return Cards() - dealt_ < reserve_; }
    void WaitWhilePaused();
    void Pace(int ms);
    void UpdateControls();
    void ShowMessage(const std::string& text);
    void ShowCounts();

    DrillHost& host_;
    DrillView* view_ = nullptr;
    PaceFinder* paceFinder_ = nullptr;
    ShoeShuffler shuffler_;
    std::function<std::string()> blocker_;
    TCountDrillSettings settings_;

    TShoe shoe_;
    int dealt_ = 0;
    int runningCount_ = 0;
    int reserve_ = 0;
    int rounds_ = 0;
    std::array<int, DRILL_PLACE_COUNT> placeCards_{};
    bool running_ = false;
    bool stopRequested_ = false;
    bool paused_ = false;
    bool aborted_ = false;
    bool noPlaceLeft_ = false;
    bool awaitingAnswer_ = false;
    int64_t pausedMs_ = 0;

    DrillScore score_;
    std::optional<CountCheck> lastCheck_;
};

}  // namespace tavexo
