// The shoe at the table: shuffling, drawing, and dealing a card to a box or
// to the dealer with its count, sound and pacing.
#include <algorithm>
#include <cmath>
#include <string>

#include "engine/double_offer.h"
#include "engine/table.h"

namespace tavexo {

void Table::NewShoe(bool evenWhenStopping) {
    if (state_.stopRequested && !evenWhenStopping) return;
    int choice = settings_.rules.deckChoice;
    if (choice < 0 || choice >= static_cast<int>(DECK_COUNTS.size())) choice = 3;
    const int decks = DECK_COUNTS[choice];
    if (view_ != nullptr) view_->ShowShuffling(true);
    if (!headless_ && CueAllowed(settings_, Cue::Mischen, CueSource::Table)) {
        const int times = static_cast<int>(std::lround(std::sqrt(decks)));
        for (int i = 0; i < times; ++i) host_.PlaySound(Sound::Mischen, true);
    }
    PumpAndPace();
    shuffler_.NewShoe(shoe_, decks);
    count_ = TCount{};
    // The count labels start over with the shoe, not at the first card.
    ShowCounts();
    if (view_ != nullptr) view_->ShowShuffling(false);
    if (observer_ != nullptr) observer_->ShoeShuffled(shoe_);
}

void Table::DealToBox(int box, int hand) {
    THand& h = Box(box).Hand(hand);
    if (h.cardCount >= MAX_HAND_CARDS) return;  // cannot happen: a hand ends at 21
    const CardCode code = DrawCard();
    h.cards[h.cardCount++] = code;
    CountCard(code);
    if (!Unobserved()) ShowBoxCard(box, hand, code);
    AfterBoxCard(box, hand);
    PumpAndPace();
}

void Table::ShowBoxCard(int box, int hand, CardCode code) {
    if (view_ != nullptr) view_->ShowBoxCard(box, hand, Box(box).Hand(hand).cardCount, code);
    PlayCue(Cue::KarteGeben, Sound::Card, false, box);
}

[[gnu::always_inline]] inline void Table::AfterBoxCard(int box, int hand) {
    TPlayerBox& b = Box(box);
    THand& h = b.Hand(hand);
    const HandTotal t = WithCard(HandTotal{h.total, h.soft}, h.cards[h.cardCount - 1]);
    h.total = t.total;
    h.soft = t.soft;
    b.isSoft = h.soft;
    if (view_ != nullptr) ShowHandTotal(box, hand);

    if (b.Hand(1).cardCount > 2) {
        EnableAction(box, Action::Split, false);
        EnableAction(box, Action::Double, false);
        EnableAction(box, Action::Insure, false);
    } else if (b.Hand(1).cardCount == 2 && b.decisions.Empty()) {
        b.countSnapshot = count_.RelativeCount;
    }

    if (h.total >= 21) {
        HandEndsByItself(box, hand);
    } else if (h.cardCount == 2 && boxInTurn_ == box) {
        // Offered only within the box's own turn, never during the deal.
        EnableAction(
            box, Action::Double,
            DoubleOffered(settings_.rules, h.total, b.isSoft) && b.CanAfford(Action::Double));
    }
}

void Table::HandEndsByItself(int box, int hand) {
    if (hand == 1 && Box(box).Hand(1).cardCount == 2) {
        PlayCue(Cue::BlackJack, Sound::Bj, true, box);
    }
    FinishHand(box);
}

int Table::DealToDealer() {
    if (dealer_.cardCount >= MAX_HAND_CARDS) return dealer_.total;
    const CardCode code = DrawCard();
    dealer_.cardCount += 1;
    if (dealer_.cardCount == 2) dealer_.countSnapshot = count_.RelativeCount;
    dealer_.cards[dealer_.cardCount - 1] = code;
    CountCard(code);
    if (view_ != nullptr) view_->ShowDealerCard(dealer_.cardCount, code);
    PlayCue(Cue::KarteGeben, Sound::Card, false);
    Pump();
    const int total = DealerTotal();
    if (!headless_ && settings_.cardDelay > 0) host_.Sleep(settings_.cardDelay * 100);
    return total;
}

}  // namespace tavexo
