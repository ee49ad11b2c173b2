// The shoe at the table: shuffling, drawing, and dealing a card to a box or
// to the dealer with its count, sound and pacing.
#include <algorithm>
#include <cmath>
#include <string>

#include "engine/table.h"

namespace tavexo {

void Table::NewShoe(bool evenWhenStopping) {
    if (state_.stopRequested && !evenWhenStopping) return;
    int choice = settings_.rules.deckChoice;
    if (choice < 0 || choice >= static_cast<int>(DECK_COUNTS.size())) choice = 3;
    const int decks = DECK_COUNTS[choice];
    if (!headless_ && CueAllowed(settings_, Cue::Mischen, CueSource::Table)) {
        const int times = static_cast<int>(std::lround(std::sqrt(decks)));
        for (int i = 0; i < times; ++i) host_.PlaySound(Sound::Mischen, true);
    }
    PumpAndPace();
    shuffler_.NewShoe(shoe_, decks);
    // The labels keep their last values until the first card of this shoe.
    count_ = TCount{};
    if (observer_ != nullptr) observer_->ShoeShuffled(shoe_);
}

CardCode Table::DrawCard() {
    // A round that needs more cards than the shoe holds goes on from a fresh
    // shoe rather than reading past its end.
    if (shoe_.Empty()) NewShoe(true);
    return shoe_.cards[shoe_.position++];
}

void Table::CountCard(CardCode code) {
    count_.RunningCount += CardCountValue(code);
    count_.RelativeCount = ComputeRelativeCount(count_.RunningCount, shoe_.total, shoe_.position);
    ShowCounts();
}

void Table::DealToBox(int box, int hand) {
    THand& h = Box(box).Hand(hand);
    if (h.cardCount >= MAX_HAND_CARDS) return;  // cannot happen: a hand ends at 21
    const CardCode code = DrawCard();
    h.cards[h.cardCount++] = code;
    CountCard(code);
    if (view_ != nullptr) view_->ShowBoxCard(box, hand, h.cardCount, code);
    PlayCue(Cue::KarteGeben, Sound::Card, false, box);
    AfterBoxCard(box, hand);
    PumpAndPace();
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
