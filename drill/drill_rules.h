#pragma once

#include <string>

namespace tavexo {

// The arithmetic of the counting drill, apart from its loop so that each
// rule can be checked on its own.

// Cards that must remain for another round: 5.5 per place that receives
// cards, rounded half to even (1 place 6, 2 places 11, 3 places 16, 8
// places 44). A round needs at most five cards per place, so a round that
// starts never runs out of cards.
int DrillReserve(int activePlaces);

// The decks still in the drill shoe, rounded half to even: 26 cards are 0
// decks, 30 are 1, 78 are 2.
int DrillRemainingDecks(int cardsInShoe, int cardsDealt);

// The drill's true count: the running count per remaining deck. Where fewer
// than half a deck remain the drill divides by 1; it does not double the
// count as the table does.
double DrillRelativeCount(int runningCount, int remainingDecks);

// "Gespielt wird mit 1 Deck = 52 Karten", "... mit 8 Decks = 416 Karten".
std::string DeckMessage(int decks);

}  // namespace tavexo
