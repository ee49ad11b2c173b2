// The round cycle: runs rounds from "Spiel starten" until a stop, until no
// box has a bet, or until the round counter reaches a multiple of 10000.
#include <cmath>
#include <string>

#include "engine/table.h"

namespace tavexo {

namespace {

constexpr int ROUNDS_PER_RUN_BLOCK = 10000;

}  // namespace

void Table::StartRun() {
    if (state_.running) return;
    if (state_.cleanupDeferred) {
        EndOfRound();
        state_.cleanupDeferred = false;
    }
    state_.stopRequested = false;
    Pump();
    state_.paused = false;
    NewShoe();
    RoundLoop();
}

void Table::RoundLoop() {
    for (;;) {
        if (view_ != nullptr) view_->ShowStopIndicator(false);
        state_.roundNumber += 1;
        if (view_ != nullptr) view_->SetRoundLabel(std::to_string(state_.roundNumber));

        // Bets are charged box by box, with pauses in between: the round is
        // in progress from the first charge on.
        roundInProgress_ = true;
        if (CollectBets(true, false) == 0) {
            roundInProgress_ = false;
            ApplyWaitingInPlay();
            host_.ShowInformation(
                "Keine Spieler mit Einsatz am Tisch.Die Karten bleiben im Schlitten.");
            state_.stopRequested = true;
            SetIdleControls(true);
            state_.running = false;
            return;
        }
        SetIdleControls(false);
        state_.running = true;

        OpeningDeal();
        PlayersTurns();
        if (!headless_ && settings_.cardDelay > 0) host_.Sleep(settings_.cardDelay * 100);
        DealerTurn();
        Settle();
        roundInProgress_ = false;
        ApplyWaitingInPlay();

        SetBettingEnabled(true);
        Pump();
        if (settings_.training.trainingMode) CollectBets(false, true);
        WaitBetweenRounds();

        if (state_.stopRequested) {
            state_.cleanupDeferred = true;  // the round stays visible until the next start
        } else {
            EndOfRound();
        }
        if (state_.roundNumber % ROUNDS_PER_RUN_BLOCK == 0) state_.stopRequested = true;
        if (state_.stopRequested) break;
    }
    Beep();
    RunStatisticsSummary();
    SetIdleControls(true);
    state_.running = false;
    if (view_ != nullptr) view_->ShowStopIndicator(false);
}

void Table::WaitBetweenRounds() {
    state_.waitingBetweenRounds = true;
    if (!state_.stopRequested && roundDelayIntervalMs_ > 0 && !headless_) {
        // Timed from the wait's own start, so the first wait of a run is as
        // long as every other.
        host_.StartTimer(ROUND_DELAY_TIMER, roundDelayIntervalMs_);
        // A stop skips the rest of the delay.
        while (state_.waitingBetweenRounds && !state_.stopRequested) host_.WaitEvents();
        host_.StopTimer(ROUND_DELAY_TIMER);
    }
    state_.waitingBetweenRounds = false;
    // The stake check may have lengthened this one wait.
    roundDelayIntervalMs_ = settings_.roundDelay * 100;
}

void Table::StopRun() {
    state_.stopRequested = true;
    if (view_ != nullptr) {
        view_->ShowStopIndicator(true);
        view_->SetStopEnabled(false);
    }
    Pump();
}

void Table::TogglePause() {
    state_.paused = !state_.paused;
    if (view_ != nullptr) view_->SetPaused(state_.paused);
    Pump();
}

void Table::QuitButton() {
    if (state_.running) {
        StopRun();
        host_.ShowInformation(
            "Sorry, wir sind mitten im Spiel. Wenn die Runde zu Ende gespielt ist, klicken Sie "
            "bitte noch einmal auf \"Beenden\".");
    } else {
        host_.CloseTable();
    }
}

void Table::SetIdleControls(bool idle) {
    if (view_ != nullptr) view_->SetIdleControls(idle);
    SetBettingEnabled(idle);
}

void Table::SetBettingEnabled(bool enabled) {
    for (TPlayerBox& b : boxes_) {
        b.betEnabled = enabled;
        b.unitsEnabled = enabled;
    }
    if (view_ == nullptr) return;
    for (int box = 1; box <= BOX_COUNT; ++box) {
        view_->SetBetEnabled(box, enabled);
        view_->SetUnitsEnabled(box, enabled);
    }
}

void Table::EndOfRound() {
    if (view_ != nullptr) ClearTableView();
    for (int box = 1; box <= BOX_COUNT; ++box) {
        TPlayerBox& b = Box(box);
        if (!b.inPlay || b.hands[0].stake <= 0.0f) continue;
        b.betEnabled = true;
        b.unitsEnabled = true;
        b.hands[0].stake = 0.0f;
        b.hands[1].stake = 0.0f;
        b.insuranceCount = 0;
        if (view_ == nullptr) continue;
        view_->SetBetEnabled(box, true);
        view_->SetUnitsEnabled(box, true);
        view_->SetStakeLabel(box, "Einsatz:");
    }
    Pump();
    if (shoe_.position > shoe_.cutPosition) NewShoe();
}

void Table::ClearTableView() {
    view_->ClearCards();
    // Every box, also one switched off after its round was settled: nothing
    // of the old round may be left when it comes back.
    for (int box = 1; box <= BOX_COUNT; ++box) {
        for (int coin = 1; coin <= 5; ++coin) view_->ShowCoin(box, coin, false);
        view_->SetHandTotal(box, 1, "");
        view_->SetHandTotal(box, 2, "");
    }
    view_->SetDealerTotal("");
    // The stake hint of the training mode was for the round just ended.
    view_->SetHint("");
}

}  // namespace tavexo
