#include "drill/counting_drill.h"

#include <algorithm>

#include "drill/drill_rules.h"

namespace tavexo {

CountingDrill::CountingDrill(DrillHost& host, ShoeShuffler shuffler)
    : host_(host), shuffler_(std::move(shuffler)) {}

void CountingDrill::SetView(DrillView* view) {
    view_ = view;
    if (view_ == nullptr) return;
    view_->ShowMessage(DeckMessage(settings_.decks));
    view_->ShowRemainingDecks(settings_.decks);
    view_->SetControls(Controls());
}

void CountingDrill::ApplySettings(const TCountDrillSettings& settings) {
    const int decks = settings_.decks;
    settings_ = settings;
    if (running_)
        settings_.decks = decks;
    else
        SetDecks(settings.decks);
}

bool CountingDrill::SetDecks(int decks) {
    if (running_) return false;
    settings_.decks = std::clamp(decks, 1, MAX_SHOE_CARDS / CARDS_PER_DECK);
    if (view_ != nullptr) {
        view_->ShowRemainingDecks(settings_.decks);
        view_->ShowMessage(DeckMessage(settings_.decks));
    }
    return true;
}

bool CountingDrill::SetPaceFinder(PaceFinder* finder) {
    if (running_) return false;
    paceFinder_ = finder;
    return true;
}

int CountingDrill::ActivePlaces() const {
    return static_cast<int>(
        std::count(settings_.placeActive.begin(), settings_.placeActive.end(), true));
}

int CountingDrill::RemainingDecks() const {
    return DrillRemainingDecks(Cards(), dealt_);
}

double CountingDrill::RelativeCount() const {
    return DrillRelativeCount(runningCount_, RemainingDecks());
}

DrillControls CountingDrill::Controls() const {
    DrillControls c;
    c.startEnabled = c.decksEnabled = !running_;
    c.pauseVisible = running_;
    c.paused = paused_;
    // Once a stop is pending there is nothing more to stop; a paused run
    // must be resumed before it can be stopped.
    c.stopVisible = running_ && !paused_ && !stopRequested_;
    return c;
}

void CountingDrill::UpdateControls() {
    if (view_ != nullptr) view_->SetControls(Controls());
}

void CountingDrill::ShowMessage(const std::string& text) {
    if (view_ != nullptr) view_->ShowMessage(text);
}

void CountingDrill::ShowCounts() {
    if (view_ != nullptr) view_->ShowCounts(runningCount_, RelativeCount());
}

// --- user input ---

void CountingDrill::Start() {
    // The run is on the stack already: a second one inside it would deal
    // from the same shoe into the same count.
    if (running_) return;
    if (blocker_) {
        if (const std::string reason = blocker_(); !reason.empty()) {
            host_.PlaySound(Sound::Piep, true);
            ShowMessage(reason);
            return;
        }
    }
    const int places = ActivePlaces();
    if (places == 0) {
        host_.PlaySound(Sound::Piep, true);
        ShowMessage("Mindestens eine Box muss Karten bekommen");
        return;
    }
    reserve_ = DrillReserve(places);
    dealt_ = 0;
    runningCount_ = 0;
    rounds_ = 0;
    stopRequested_ = paused_ = aborted_ = noPlaceLeft_ = false;
    score_ = DrillScore();
    lastCheck_.reset();
    running_ = true;
    ShowMessage(DeckMessage(settings_.decks));
    UpdateControls();
    if (view_ != nullptr) {
        if (Checking()) view_->CoverCounts();
        view_->ShowScore(score_);
    }
    shuffler_.NewShoe(shoe_, settings_.decks);

    RunRounds();

    // A run that lost its last place has said so already.
    if (!noPlaceLeft_) {
        if (!aborted_ && ShoeAtCut())
            ShowMessage("Der Kartenschlitten hat die Cut Card gesehen.");
        else if (stopRequested_ || aborted_)
            ShowMessage("Die Trainingsrunde wurde gestoppt.");
    }
    running_ = paused_ = false;
    UpdateControls();
    if (view_ != nullptr && score_.Checked() > 0) view_->SessionScored(score_);
}

void CountingDrill::Stop() {
    if (!running_ || stopRequested_) return;
    stopRequested_ = true;
    ShowMessage("Gestoppt, Runde wird zu Ende gespielt");
    UpdateControls();
}

void CountingDrill::TogglePause() {
    if (!running_) return;
    paused_ = !paused_;
    if (paused_)
        ShowMessage("Wir pausieren");
    else if (stopRequested_)
        ShowMessage("Gestoppt, Runde wird zu Ende gespielt");
    else
        ShowMessage(DeckMessage(settings_.decks));
    UpdateControls();
}

void CountingDrill::AnswerCount(int running, std::optional<double> relative) {
    if (!awaitingAnswer_) return;
    awaitingAnswer_ = false;
    CountCheck check;
    check.answeredRunning = running;
    check.actualRunning = runningCount_;
    check.actualRelative = RelativeCount();
    if (settings_.checkRelative) check.answeredRelative = relative.value_or(0.0);
    score_.Record(check);
    lastCheck_ = check;
    if (paceFinder_ != nullptr) paceFinder_->Record(check.Right());
    if (view_ != nullptr) {
        view_->EndQuestion();
        view_->ShowVerdict(check);
        view_->ShowScore(score_);
        view_->ShowCounts(runningCount_, check.actualRelative);
    }
}

void CountingDrill::SkipQuestion() {
    if (!awaitingAnswer_) return;
    awaitingAnswer_ = false;
    if (view_ != nullptr) view_->EndQuestion();
}

void CountingDrill::Abort() {
    if (!running_) return;
    aborted_ = true;
    stopRequested_ = true;
    paused_ = false;
    awaitingAnswer_ = false;
}

// --- the run ---

void CountingDrill::RunRounds() {
    do {
        // Every place may be switched off during a run; rounds without a
        // card would go on for ever.
        if (ActivePlaces() == 0) {
            host_.PlaySound(Sound::Piep, true);
            ShowMessage("Mindestens eine Box muss Karten bekommen");
            noPlaceLeft_ = true;
            break;
        }
        ++rounds_;
        placeCards_.fill(0);
        if (view_ != nullptr && Checking()) view_->CoverCounts();
        const int64_t roundStart = host_.NowMs();
        const int64_t pausedBefore = pausedMs_;
        const int dealtBefore = dealt_;
        DealRound();
        score_.AddDealing(dealt_ - dealtBefore,
                          host_.NowMs() - roundStart - (pausedMs_ - pausedBefore));
        if (aborted_) break;

        WaitWhilePaused();
        host_.PumpEvents();
        Pace(settings_.clearPause * 100);
        ClearTable();
        if (AskAfterThisRound()) AskForCount();
        Pace(settings_.playerDelay * 100);
    } while (!stopRequested_ && !ShoeAtCut());
    if (aborted_) ClearTable();
}

void CountingDrill::DealRound() {
    // The first card to every place, the dealer's included; the second to
    // the boxes only.
    for (int place = 1; place <= DRILL_PLACE_COUNT && !aborted_; ++place) {
        if (PlaceActive(place)) DealCard(place, settings_.playerDelay);
    }
    for (int place = 1; place < DRILL_DEALER_PLACE && !aborted_; ++place) {
        if (PlaceActive(place)) DealCard(place, settings_.playerDelay);
    }
    // Every box then draws 0 to 3 more cards and the dealer 1 to 4, so each
    // place ends the round with 2 to 5 cards.
    for (int place = 1; place < DRILL_DEALER_PLACE && !aborted_; ++place) {
        if (!PlaceActive(place)) continue;
        const int extra = shuffler_.UniformBelow(4);
        for (int i = 0; i < extra && !aborted_; ++i) DealCard(place, settings_.cardDelay);
        // At a found pace every card follows the last at the same interval.
        if (paceFinder_ == nullptr) Pace(settings_.playerDelay * 100);
    }
    if (PlaceActive(DRILL_DEALER_PLACE) && !aborted_) {
        const int extra = shuffler_.UniformBelow(4) + 1;
        for (int i = 0; i < extra && !aborted_; ++i)
            DealCard(DRILL_DEALER_PLACE, settings_.cardDelay);
    }
}

void CountingDrill::DealCard(int place, int delayTenths) {
    // A round never needs more than the reserve, but a place switched on
    // mid-run could ask for more than is left.
    if (dealt_ >= Cards()) return;
    ++dealt_;
    const int n = ++placeCards_[place - 1];
    WaitWhilePaused();

    const CardCode code = shoe_.cards[dealt_ - 1];
    const int value = CardCountValue(code);
    runningCount_ += value;
    if (view_ != nullptr) {
        view_->ShowCardCountValue(value);
        if (!Checking()) ShowCounts();
        view_->ShowCardsDealt(dealt_);
        view_->ShowRemainingDecks(RemainingDecks());
        view_->ShowCard(place, n, code);
    }
    host_.PumpEvents();
    Announce(value);
    host_.PumpEvents();
    WaitWhilePaused();
    Pace(CardPauseMs(delayTenths));
    host_.PumpEvents();
}

int CountingDrill::CardPauseMs(int delayTenths) const {
    if (paceFinder_ == nullptr) return delayTenths * 100;
    // The announcement's lead-in is part of the interval.
    const int lead = settings_.announcement == 0 ? ANNOUNCEMENT_DELAY_MS : 0;
    return std::max(0, paceFinder_->CardIntervalMs() - lead);
}

void CountingDrill::Announce(int countValue) {
    switch (settings_.announcement) {
        case 0:
            Pace(ANNOUNCEMENT_DELAY_MS);
            if (!aborted_) {
                host_.PlaySound(countValue < 0   ? Sound::Minus
                                : countValue > 0 ? Sound::Plus
                                                 : Sound::Null,
                                false);
            }
            break;
        case 1:
            if (!aborted_) host_.PlaySound(Sound::Card, true);
            break;
        default:
            break;
    }
}

void CountingDrill::ClearTable() {
    // Last card first, as a dealer gathers them.
    for (int place = 1; place <= DRILL_PLACE_COUNT; ++place) {
        for (int n = placeCards_[place - 1]; n >= 1; --n) {
            if (view_ != nullptr) view_->HideCard(place, n);
            host_.PumpEvents();
            Pace(CLEAR_STEP_MS);
        }
        placeCards_[place - 1] = 0;
    }
}

bool CountingDrill::Checking() const {
    return paceFinder_ != nullptr || CheckMode(settings_.checkMode) != CheckMode::Off;
}

bool CountingDrill::AskAfterThisRound() const {
    if (aborted_) return false;
    // The pace moves with every check.
    if (paceFinder_ != nullptr) return true;
    switch (CheckMode(settings_.checkMode)) {
        case CheckMode::EveryRound:
            return true;
        case CheckMode::EndOfShoe:
            return stopRequested_ || ShoeAtCut();
        default:
            return false;
    }
}

void CountingDrill::AskForCount() {
    awaitingAnswer_ = true;
    if (view_ != nullptr) view_->AskCount(settings_.checkRelative);
    // Only the user's answer (or a skip, or the end of the program) ends
    // the question; the time it takes is no dealing time.
    while (awaitingAnswer_ && !aborted_) host_.WaitEvents();
    if (aborted_ && view_ != nullptr) view_->EndQuestion();
}

void CountingDrill::WaitWhilePaused() {
    if (!paused_) return;
    const int64_t from = host_.NowMs();
    while (paused_ && !aborted_) host_.WaitEvents();
    pausedMs_ += host_.NowMs() - from;
}

void CountingDrill::Pace(int ms) {
    if (aborted_) return;
    if (ms > 0) host_.Sleep(ms);
}

}  // namespace tavexo
