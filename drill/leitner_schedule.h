#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tavexo {

// Spaced repetition by Leitner boxes. Every card sits in one of five
// boxes; a right answer to a due card moves it one box up, a wrong answer
// sends it back to the first. A card is due again the number of days of
// its box after its last answer: the first box the same day, then 1, 3, 7
// and 14 days. Days are whole calendar days counted from any fixed day
// (the program uses the local date), so that a test runs on a fake clock.
inline constexpr int LEITNER_BOX_COUNT = 5;
inline constexpr std::array<int, LEITNER_BOX_COUNT> LEITNER_INTERVAL_DAYS = {0, 1, 3, 7, 14};

struct LeitnerCard {
    int box = 1;     // 1 .. LEITNER_BOX_COUNT
    int dueDay = 0;  // due on this day and after; only for cards seen
    int right = 0;   // answers over all days
    int wrong = 0;
    bool lastWrong = false;  // the last answer was wrong

    bool Seen() const { return right + wrong > 0; }
    bool operator==(const LeitnerCard&) const = default;
};

// How a player stands with a set of cards today.
struct LeitnerSummary {
    int due = 0;     // seen and due today or earlier
    int fresh = 0;   // never answered
    int learnt = 0;  // in the last two boxes (a week or more between answers)
    int weak = 0;    // last answered wrong
};

// One player's cards by their ids. Cards never answered are not stored.
class LeitnerDeck {
  public:
    // A card never answered reads as a new card in the first box.
    LeitnerCard Card(const std::string& id) const;
    bool Due(const std::string& id, int today) const;

    // A right answer moves a due card one box up (the last box keeps it); a
    // right answer before the card is due changes no box, so that drilling
    // ahead cannot skip the waiting. A wrong answer always sends the card
    // back to the first box, due again the same day.
    void Record(const std::string& id, bool right, int today);

    // The cards to ask today out of `ids`, at most `limit`: the due cards
    // first (the longest overdue first, then the lower box), then new cards
    // in the order given.
    std::vector<std::string> SessionOrder(const std::vector<std::string>& ids, int today,
                                          size_t limit) const;
    LeitnerSummary Summary(const std::vector<std::string>& ids, int today) const;

    const std::map<std::string, LeitnerCard>& Cards() const { return cards_; }
    // Takes over a card as stored; a box out of range is clamped.
    void Restore(const std::string& id, LeitnerCard card);

  private:
    std::map<std::string, LeitnerCard> cards_;
};

}  // namespace tavexo
