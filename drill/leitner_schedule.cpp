#include "drill/leitner_schedule.h"

#include <algorithm>
#include <tuple>

namespace tavexo {

namespace {
// Boxes 4 and 5: answered right on at least three due days in a row.
constexpr int FIRST_LEARNT_BOX = 4;
}  // namespace

LeitnerCard LeitnerDeck::Card(const std::string& id) const {
    const auto found = cards_.find(id);
    return found == cards_.end() ? LeitnerCard{} : found->second;
}

bool LeitnerDeck::Due(const std::string& id, int today) const {
    const LeitnerCard card = Card(id);
    return card.Seen() && card.dueDay <= today;
}

void LeitnerDeck::Record(const std::string& id, bool right, int today) {
    LeitnerCard& card = cards_[id];
    const bool due = !card.Seen() || card.dueDay <= today;
    if (right) {
        ++card.right;
        card.lastWrong = false;
        if (!due) return;
        card.box = std::min(card.box + 1, LEITNER_BOX_COUNT);
    } else {
        ++card.wrong;
        card.lastWrong = true;
        card.box = 1;
    }
    card.dueDay = today + LEITNER_INTERVAL_DAYS[card.box - 1];
}

std::vector<std::string> LeitnerDeck::SessionOrder(const std::vector<std::string>& ids, int today,
                                                   size_t limit) const {
    struct DueCard {
        int dueDay;
        int box;
        size_t order;
    };
    std::vector<DueCard> due;
    std::vector<size_t> fresh;
    for (size_t i = 0; i < ids.size(); ++i) {
        const LeitnerCard card = Card(ids[i]);
        if (!card.Seen())
            fresh.push_back(i);
        else if (card.dueDay <= today)
            due.push_back({card.dueDay, card.box, i});
    }
    std::stable_sort(due.begin(), due.end(), [](const DueCard& a, const DueCard& b) {
        return std::tie(a.dueDay, a.box) < std::tie(b.dueDay, b.box);
    });
    std::vector<std::string> session;
    for (const DueCard& d : due) {
        if (session.size() == limit) return session;
        session.push_back(ids[d.order]);
    }
    for (const size_t i : fresh) {
        if (session.size() == limit) return session;
        session.push_back(ids[i]);
    }
    return session;
}

LeitnerSummary LeitnerDeck::Summary(const std::vector<std::string>& ids, int today) const {
    LeitnerSummary s;
    for (const std::string& id : ids) {
        const LeitnerCard card = Card(id);
        if (!card.Seen()) {
            ++s.fresh;
            continue;
        }
        if (card.dueDay <= today) ++s.due;
        if (card.box >= FIRST_LEARNT_BOX) ++s.learnt;
        if (card.lastWrong) ++s.weak;
    }
    return s;
}

void LeitnerDeck::Restore(const std::string& id, LeitnerCard card) {
    card.box = std::clamp(card.box, 1, LEITNER_BOX_COUNT);
    cards_[id] = card;
}

}  // namespace tavexo
