#include "drill/index_cards.h"

#include <algorithm>
#include <utility>

#include "strategy/decision_rules.h"
#include "strategy/strategy_cell_words.h"

namespace tavexo {

namespace {

// The true counts a question may show, in half points around the entry.
constexpr std::array<float, 9> COUNT_OFFSETS = {-2.0f, -1.5f, -1.0f, -0.5f, 0.0f,
                                                0.5f,  1.0f,  1.5f,  2.0f};
constexpr int SMALLEST_CARD = 2;
constexpr int TEN = 10;
constexpr int ACE = 11;

// A card of the point value; tens come as ten, jack, queen or king and
// every card in any suit.
CardCode CardOfValue(int value, ShoeShuffler* random) {
    int rank = value == ACE ? 1 : value;
    if (value == TEN && random != nullptr) rank = TEN + random->UniformBelow(4);
    const int suit = random != nullptr ? random->UniformBelow(4) : 0;
    return suit * 13 + rank;
}

std::vector<CardCode> CardsOf(const std::vector<int>& values, ShoeShuffler* random) {
    std::vector<CardCode> cards;
    cards.reserve(values.size());
    for (const int v : values) cards.push_back(CardOfValue(v, random));
    return cards;
}

int Sum(const std::vector<int>& values) {
    int sum = 0;
    for (const int v : values) sum += v;
    return sum;
}

// The hands of a row key on which a cell of the grid could be asked: two
// cards first, then (for the hit grids, where the decision also comes up
// after drawing) three. No hand reaches 21: a box there takes no decision.
std::vector<std::vector<int>> CandidateHands(const StrategyGridSpec& grid, int key) {
    std::vector<std::vector<int>> hands;
    const bool threeCards = grid.action == GridAction::Hit;
    switch (grid.hand) {
        case HandKind::Pair:
            hands.push_back({key, key});
            break;
        case HandKind::Hard:
            for (int a = SMALLEST_CARD; a <= TEN; ++a)
                for (int b = a + 1; b <= TEN; ++b)
                    if (a + b == key) hands.push_back({a, b});
            if (threeCards) {
                for (int a = SMALLEST_CARD; a <= TEN; ++a)
                    for (int b = a; b <= TEN; ++b)
                        for (int c = b; c <= TEN; ++c)
                            if (a + b + c == key) hands.push_back({a, b, c});
            }
            break;
        case HandKind::Soft: {
            const int rest = key - ACE;
            if (rest >= SMALLEST_CARD && rest < TEN) hands.push_back({ACE, rest});
            if (threeCards) {
                for (int a = SMALLEST_CARD; a < TEN; ++a)
                    for (int b = a; b < TEN; ++b)
                        if (a + b == rest) hands.push_back({ACE, a, b});
            }
            break;
        }
    }
    std::erase_if(hands, [](const std::vector<int>& h) { return Sum(h) >= 21; });
    return hands;
}

// The count just on the cell's acting side, and the entry itself, which
// the strict comparison leaves on the other side.
float ActingCount(const IndexCell& cell) {
    const auto entry = static_cast<float>(cell.entry);
    return cell.Family() == TableFamily::Hit ? entry - 0.5f : entry + 0.5f;
}

PlayChoice PlayAt(const IndexCell& cell, const std::vector<CardCode>& hand, float count,
                  const TGameRules& rules, const TTrainingSettings& training) {
    if (cell.IsInsurance()) return InsuranceChoiceAt(count, rules, training);
    return StrategyPlay(hand, cell.dealer, count, rules, training);
}

}  // namespace

const char* PlayChoiceText(PlayChoice choice) {
    switch (choice) {
        case PlayChoice::Hit:
            return "Ziehen";
        case PlayChoice::Stand:
            return "Halten";
        case PlayChoice::Double:
            return "Verdoppeln";
        case PlayChoice::Split:
            return "Teilen";
        case PlayChoice::Surrender:
            return "Aufgeben";
        case PlayChoice::Insure:
            return "Versichern";
        case PlayChoice::NoInsurance:
            return "Nicht versichern";
    }
    return "";
}

std::string IndexCell::Id() const {
    if (IsInsurance()) return "V:" + std::to_string(entry);
    return std::string(StrategyGrids()[grid].name) + ':' + std::to_string(key) + ':' +
           std::to_string(dealer);
}

TableFamily IndexCell::Family() const {
    return IsInsurance() ? TableFamily::ActAbove : StrategyGrids()[grid].family;
}

PlayChoice IndexCell::Action() const {
    if (IsInsurance()) return PlayChoice::Insure;
    switch (StrategyGrids()[grid].action) {
        case GridAction::Hit:
            return PlayChoice::Hit;
        case GridAction::Double:
            return PlayChoice::Double;
        case GridAction::Split:
            return PlayChoice::Split;
        case GridAction::Surrender:
            return PlayChoice::Surrender;
    }
    return PlayChoice::Stand;
}

bool IndexCell::ActsAt(float trueCount) const {
    return RecommendsAt(Family(), entry, trueCount);
}

std::string IndexCell::Meaning() const {
    if (IsInsurance()) {
        return "Versicherung gegen ein Ass: versichern, wenn der wahre Zählwert über " +
               std::to_string(entry) + " liegt";
    }
    const StrategyGridSpec& spec = StrategyGrids()[grid];
    const auto row = std::find(spec.rows.begin(), spec.rows.end(), key) - spec.rows.begin();
    const auto column =
        std::find(spec.columns.begin(), spec.columns.end(), dealer) - spec.columns.begin();
    return CellMeaning(spec, static_cast<int>(row) + 1, static_cast<int>(column) + 1);
}

std::vector<IndexCell> AllIndexCells(const TTrainingSettings& training) {
    std::vector<IndexCell> cells;
    const auto& grids = StrategyGrids();
    for (int g = 0; g < static_cast<int>(grids.size()); ++g) {
        const StrategyGridSpec& spec = grids[g];
        for (size_t r = 0; r < spec.rows.size(); ++r) {
            for (size_t c = 0; c < spec.columns.size(); ++c) {
                // "+" and "-" are decisions the count never turns.
                const std::string shown =
                    spec.CellAt(static_cast<int>(r) + 1, static_cast<int>(c) + 1);
                if (shown == "+" || shown == "-") continue;
                cells.push_back(IndexCell{g, spec.rows[r], spec.columns[c],
                                          spec.lookup(spec.rows[r], spec.columns[c])});
            }
        }
    }
    const int choice = training.insuranceChoice;
    // "nie" has no threshold to learn.
    if (choice >= 0 && choice < static_cast<int>(InsuranceIndex.size()) - 1)
        cells.push_back(IndexCell{IndexCell::INSURANCE, 0, ACE, InsuranceIndex[choice]});
    return cells;
}

std::vector<IndexCard> ActiveIndexCards(const TGameRules& rules,
                                        const TTrainingSettings& training) {
    std::vector<IndexCard> cards;
    for (const IndexCell& cell : AllIndexCells(training)) {
        IndexCard card{cell, {}};
        if (cell.IsInsurance()) {
            // Any hand; the question is the dealer's ace alone.
            cards.push_back(std::move(card));
            continue;
        }
        const PlayChoice action = cell.Action();
        for (std::vector<int>& hand : CandidateHands(StrategyGrids()[cell.grid], cell.key)) {
            const std::vector<CardCode> codes = CardsOf(hand, nullptr);
            const PlayChoice acting = PlayAt(cell, codes, ActingCount(cell), rules, training);
            const PlayChoice other =
                PlayAt(cell, codes, static_cast<float>(cell.entry), rules, training);
            if (acting == action && other != action) card.hands.push_back(std::move(hand));
        }
        if (!card.hands.empty()) cards.push_back(std::move(card));
    }
    return cards;
}

PlayChoice StrategyPlay(const std::vector<CardCode>& hand, int dealerValue, float trueCount,
                        const TGameRules& rules, const TTrainingSettings& training) {
    TPlayerBox box;
    THand& first = box.hands[0];
    first.cardCount = static_cast<int32_t>(std::min(hand.size(), first.cards.size()));
    std::copy_n(hand.begin(), first.cardCount, first.cards.begin());
    const HandTotal total = TotalOf(first.cards.data(), first.cardCount);
    first.total = total.total;
    first.soft = total.soft;
    box.isSoft = total.soft;
    const StrategyContext context{rules, training, trueCount};
    if (ShouldSurrender(box, dealerValue, box.isSoft, context)) return PlayChoice::Surrender;
    if (ShouldSplit(box, dealerValue, context)) return PlayChoice::Split;
    if (ShouldDouble(box, 1, dealerValue, box.isSoft, context)) return PlayChoice::Double;
    switch (ShouldHit(box, 1, dealerValue, box.isSoft, context)) {
        case HitAnswer::Hit:
            return PlayChoice::Hit;
        case HitAnswer::Double:
            return PlayChoice::Double;
        case HitAnswer::Stand:
            break;
    }
    return PlayChoice::Stand;
}

PlayChoice InsuranceChoiceAt(float trueCount, const TGameRules& rules,
                             const TTrainingSettings& training) {
    return ShouldInsure(StrategyContext{rules, training, trueCount}) ? PlayChoice::Insure
                                                                     : PlayChoice::NoInsurance;
}

IndexQuestion MakeIndexQuestion(const IndexCard& card, const TGameRules& rules,
                                const TTrainingSettings& training, ShoeShuffler& random) {
    IndexQuestion q;
    q.cell = card.cell;
    std::vector<int> values;
    if (card.hands.empty()) {
        // Insurance: two cards below an ace each, never a blackjack.
        values = {SMALLEST_CARD + random.UniformBelow(TEN - 1),
                  SMALLEST_CARD + random.UniformBelow(TEN - 1)};
    } else {
        values = card.hands[random.UniformBelow(static_cast<int>(card.hands.size()))];
        // Dealt in any order; the pairs and the ace-first soft hands read
        // the same either way.
        for (int i = static_cast<int>(values.size()) - 1; i > 0; --i)
            std::swap(values[i], values[random.UniformBelow(i + 1)]);
    }
    q.hand = CardsOf(values, &random);
    q.dealer = CardOfValue(card.cell.dealer, &random);

    // The acting and the other side of the entry, equally often; on each,
    // only counts at which the play is the one this cell gives, so that the
    // verdict's cell is the one that decided.
    const PlayChoice acting = PlayAt(q.cell, q.hand, ActingCount(q.cell), rules, training);
    const PlayChoice other =
        PlayAt(q.cell, q.hand, static_cast<float>(q.cell.entry), rules, training);
    const bool actingSide = random.UniformBelow(2) == 0;
    std::vector<float> counts;
    for (const float offset : COUNT_OFFSETS) {
        const float count = static_cast<float>(q.cell.entry) + offset;
        if (q.cell.ActsAt(count) != actingSide) continue;
        if (PlayAt(q.cell, q.hand, count, rules, training) == (actingSide ? acting : other))
            counts.push_back(count);
    }
    // The counts next to the entry always qualify; the list is never empty.
    q.trueCount = counts[random.UniformBelow(static_cast<int>(counts.size()))];
    q.right = PlayAt(q.cell, q.hand, q.trueCount, rules, training);
    return q;
}

}  // namespace tavexo
