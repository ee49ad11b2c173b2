#include "drill/drill_rules.h"

#include <cmath>

namespace tavexo {

int DrillReserve(int activePlaces) {
    // n x 5.5 is n x 11 / 2: a half exactly when n is odd, and then the
    // even neighbour is wanted.
    return static_cast<int>(std::nearbyint(activePlaces * 5.5));
}

int DrillRemainingDecks(int cardsInShoe, int cardsDealt) {
    return static_cast<int>(std::nearbyint((cardsInShoe - cardsDealt) / 52.0));
}

double DrillRelativeCount(int runningCount, int remainingDecks) {
    return static_cast<double>(runningCount) / (remainingDecks == 0 ? 1 : remainingDecks);
}

std::string DeckMessage(int decks) {
    return "Gespielt wird mit " + std::to_string(decks) + (decks == 1 ? " Deck = " : " Decks = ") +
           std::to_string(decks * 52) + " Karten";
}

}  // namespace tavexo
