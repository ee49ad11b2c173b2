#include "sim/robot_rounds.h"

#include <algorithm>

#include "engine/bet_ramp.h"
#include "engine/box_settlement.h"
#include "engine/relative_count.h"
#include "engine/shoe.h"
#include "sim/block_tally.h"
#include "strategy/decision_rules.h"

namespace tavexo::sim {

namespace {

// The table's run length: after this many rounds the round cycle stops, and
// the next run starts from a fresh shoe.
constexpr int ROUNDS_PER_RUN = 10000;

class RobotRounds {
  public:
    RobotRounds(const SimOptions& options, const BlockPlan& plan, BlockOutput& out)
        : settings_(SettingsOf(options)),
          rules_(settings_.rules),
          shuffler_(plan.seed),
          boxCount_(options.boxes),
          plan_(plan),
          out_(out),
          tally_(out.tally, options, plan, plan.trace ? &out.trace : nullptr) {
        int choice = rules_.deckChoice;
        if (choice < 0 || choice >= static_cast<int>(DECK_COUNTS.size())) choice = 3;
        decks_ = DECK_COUNTS[choice];
        for (int box = 1; box <= BOX_COUNT; ++box) {
            TPlayerBox& b = Box(box);
            b.inPlay = box <= boxCount_;
            b.isRobot = true;
            b.capital = options.capital;
            b.unitValue = options.unit;
        }
    }

    void Play() {
        NewShoe();
        for (int round = 1; round <= plan_.rounds; ++round) {
            if (CollectBets() == 0) {
                out_.note = NoStakeNote(plan_.firstRound - 1 + round - 1);
                break;
            }
            OpeningDeal();
            const int dealerValue = dealer_.UpCardValue();
            for (int box = 1; box <= boxCount_; ++box) {
                if (Box(box).inPlay) PlayTurn(Box(box), dealerValue);
            }
            DealerTurn();
            Settle(round);
            if (round == plan_.rounds) break;  // the last round stays on the table
            EndOfRound();
            if (round % ROUNDS_PER_RUN == 0) NewShoe();  // a new run of the round cycle
        }
        CountKeys();
        tally_.EndBlock(stats_);
    }

  private:
    TPlayerBox& Box(int box) { return boxes_[box - 1]; }

    // The relative count after the last card counted, by its parts: the
    // questions and the buckets compare it in whole numbers.
    CountRatio Ratio() const { return CountRatioAt(runningCount_, shoe_.total - shoe_.position); }
    StrategyContext Context() const {
        return StrategyContext{rules_, settings_.training, 0.0f, true, Ratio()};
    }

    void NewShoe() {
        shuffler_.NewShoe(shoe_, decks_);
        runningCount_ = 0;
        tally_.ShoeShuffled(shoe_);
    }

    CardCode DrawCard() {
        // A round that needs more cards than the shoe holds goes on from a
        // fresh shoe.
        if (shoe_.Empty()) NewShoe();
        return shoe_.cards[shoe_.position++];
    }

    // The bets by the ramp, each box's units capped by its capital, and the
    // stakes charged.
    int CollectBets() {
        int placed = 0;
        betCount_ = RelativeCountOf(Ratio());
        const int ramp = BetRampUnits(betCount_, settings_.training.betRampFactor);
        for (int box = 1; box <= boxCount_; ++box) {
            TPlayerBox& b = Box(box);
            if (!b.TakesPart()) continue;
            SetUnits(b, ramp);
            float stake = b.StakeOfUnits(b.units);
            if (stake > b.capital) {
                SetUnits(b, 0);
                stake = 0.0f;
            }
            b.hands[0].stake = stake;
            b.inPlay = stake > 0.0f;
            if (stake > 0.0f) {
                b.capital -= b.hands[0].stake;
                ++placed;
                b.ClearPlay();
                b.insuranceCount = 0;  // the table clears it at the end of a round
            }
        }
        return placed;
    }

    static void SetUnits(TPlayerBox& b, int units) {
        b.units = std::clamp(units, 0, MAX_UNITS);
        while (b.units > 0 && b.capital < b.StakeOfUnits(b.units)) {
            b.units -= 1;
            if (b.units == 0) b.inPlay = false;
        }
        b.hands[0].stake = b.StakeOfUnits(b.units);
    }

    // The boxes in play after the bets take part: a robot always bets by
    // itself.
    void OpeningDeal() {
        dealer_.cardCount = 0;
        dealer_.total = 0;
        dealer_.isBlackjack = false;
        for (int box = 1; box <= boxCount_; ++box) {
            TPlayerBox& b = Box(box);
            if (b.inPlay) DealTo(b, b.hands[0]);
        }
        DealToDealer();
        for (int box = 1; box <= boxCount_; ++box) {
            TPlayerBox& b = Box(box);
            if (!b.inPlay) continue;
            DealTo(b, b.hands[0]);
            // The count at the box's own second card, for its statistics
            // bucket; the table takes it there, the one card dealt to hand 1
            // as its second before any decision.
            snapshots_[box - 1] = Ratio();
        }
    }

    // Every card of a box passes here: by reference and inlined, with no
    // index arithmetic to find the hand again.
    [[gnu::always_inline]] void DealTo(TPlayerBox& b, THand& h) {
        if (h.cardCount >= MAX_HAND_CARDS) return;
        const CardCode code = DrawCard();
        h.cards[h.cardCount++] = code;
        const CardPoints points = PointsOf(code);
        runningCount_ += points.count;
        const HandTotal t = WithHardValue(HandTotal{h.total, h.soft}, points.hard);
        h.total = t.total;
        h.soft = t.soft;
        b.isSoft = t.soft;
        if (h.total >= 21) FinishHand(b);
    }
    void DealToBox(TPlayerBox& b, int hand) { DealTo(b, b.Hand(hand)); }

    int DealToDealer() {
        if (dealer_.cardCount >= MAX_HAND_CARDS) return dealer_.total;
        const CardCode code = DrawCard();
        dealer_.cardCount += 1;
        if (dealer_.cardCount == 2) {
            // The count before this card: a fresh shoe's is 0.
            dealerSnapshot_ = CountRatioAt(runningCount_, shoe_.total - shoe_.position + 1);
        }
        dealer_.cards[dealer_.cardCount - 1] = code;
        const CardPoints points = PointsOf(code);
        runningCount_ += points.count;
        dealerTotal_ =
            WithHardValue(dealer_.cardCount == 1 ? HandTotal{} : dealerTotal_, points.hard);
        return dealerTotal_.total;
    }

    void PlayTurn(TPlayerBox& b, int dealerValue) {
        b.turnDone = false;
        b.isSplit = false;
        b.onSecondHand = false;
        // A blackjack against a non-ace stands at once.
        if (dealerValue != 11 && b.hands[0].total >= 21) FinishHand(b);
        while (!b.turnDone) {
            RobotPlay(b, dealerValue);
            // A robot never waits for anything: whatever it left open stands.
            if (!b.turnDone) FinishHand(b);
        }
        if (b.insuranceCount == 1) b.decisions.Append(DecisionWord::Versichert);
        if (b.insuranceCount == 2) b.decisions.Append(DecisionWord::ZweimalVersichert);
    }

    // The strategy robot's order of questions, as StrategyRobot plays it.
    void RobotPlay(TPlayerBox& b, int dealerValue) {
        // No card comes before the split or double question: all four see
        // one count.
        const StrategyContext first = Context();
        if (ShouldSurrender(b, dealerValue, b.isSoft, first)) {
            DoSurrender(b);
            return;
        }
        // As the table's robot: what the capital does not cover is played as
        // if the table did not allow it.
        if (dealerValue == 11 && b.CanAfford(Action::Insure) && ShouldInsure(first)) {
            DoInsure(b);
        }

        const int hand = b.HandInPlay();
        if (b.CanAfford(Action::Split) && ShouldSplit(b, dealerValue, first)) {
            DoSplit(b);
        } else if (b.CanAfford(Action::Double) &&
                   ShouldDouble(b, hand, dealerValue, b.isSoft, first)) {
            DoDouble(b, b.HandInPlay());
        }
        if (b.Hand(hand).doubled) return;

        const int hands = b.isSplit ? 2 : 1;
        for (int h = 1; h <= hands; ++h) {
            while (!b.turnDone && b.HandInPlay() == h) {
                const THand& current = b.Hand(h);
                // The hit question asks the double question again for a hand
                // of two cards. Unsplit, that hand was asked just above with
                // the same cards and count, and said no; only a split brings
                // new two-card hands.
                const bool mayDouble = b.isSplit && b.CanAfford(Action::Double);
                const HitAnswer answer =
                    ShouldHitWithTotal(b, h, HandTotal{current.total, current.soft}, dealerValue,
                                       b.isSoft, Context(), mayDouble);
                if (answer == HitAnswer::Hit) {
                    DealToBox(b, b.HandInPlay());
                } else {
                    if (answer == HitAnswer::Double) {
                        DoDouble(b, b.HandInPlay());
                    } else {
                        FinishHand(b);
                    }
                    break;
                }
            }
        }
    }

    void FinishHand(TPlayerBox& b) {
        if (b.isSplit && !b.onSecondHand) {
            const THand& h2 = b.Hand(2);
            const bool splitAceWaits = CardValue(h2.cards[0]) == 11 && rules_.splitAcesOneCard;
            if (h2.cardCount == 1 && !splitAceWaits) DealToBox(b, 2);
            b.onSecondHand = true;
            if (b.Hand(2).total < 21) return;  // the box plays on with hand 2
        }
        b.turnDone = true;
        b.natural = !b.isSplit && b.Hand(1).total == 21 && b.Hand(1).cardCount == 2;
    }

    void DoDouble(TPlayerBox& b, int hand) {
        b.Hand(hand).doubled = true;
        b.capital -= b.hands[0].stake;
        b.decisions.Append(DecisionWord::Verdoppelt);
        if (b.insuranceCount > 0) DoInsure(b);  // the doubled stake is insured too
        DealToBox(b, hand);
        if (b.Hand(hand).total < 21) FinishHand(b);
    }

    void DoSplit(TPlayerBox& b) {
        b.SplitPair();
        b.capital -= b.hands[0].stake;
        b.decisions.Append(DecisionWord::Geteilt);
        if (b.insuranceCount == 1) DoInsure(b);  // the second hand is insured too
        DealToBox(b, 1);
        if (rules_.splitAcesOneCard && CardValue(b.hands[0].cards[0]) == 11) {
            // Split aces take one card each and the turn is over.
            FinishHand(b);
            DealToBox(b, 2);
            FinishHand(b);
            b.turnDone = true;
        }
    }

    void DoInsure(TPlayerBox& b) {
        if (b.insuranceCount == 0) b.decisions.Append(DecisionWord::Versichert);
        b.insuranceCount += 1;
        b.capital -= b.hands[0].stake / 2.0f;
        const int n = b.insuranceCount;
        if ((n == 1 || n == 2) && b.Hand(n).total == 21) FinishHand(b);  // an insured 21 stands
    }

    void DoSurrender(TPlayerBox& b) {
        b.capital += b.hands[0].stake / 2.0f;
        b.turnDone = true;
        b.surrendered = true;
        b.decisions.Replace(DecisionWord::Aufgegeben);
        FinishHand(b);
    }

    void DealerTurn() {
        int total = 0;
        do {
            total = DealToDealer();  // the first draw is the dealer's second card
        } while (total <= 16);
        dealer_.total = total;
        dealer_.isBlackjack = total == 21 && dealer_.cardCount == 2;
    }

    void Settle(int round) {
        const int dealerBucket = CountBucketOf(dealerSnapshot_);
        for (int box = 1; box <= boxCount_; ++box) {
            TPlayerBox& b = Box(box);
            if (!b.inPlay) continue;
            const int bucket = CountBucketOf(snapshots_[box - 1]);
            if (tally_.Tracing()) {
                b.countSnapshot = RelativeCountOf(snapshots_[box - 1]);
                dealer_.countSnapshot = RelativeCountOf(dealerSnapshot_);
            }
            const bool surrendered = b.surrendered;
            SettlementKeys keys;
            const BoxPayout paid = PayBoxMoney(b, dealer_, keys);
            KeyCounts& own = keyCounts_[box - 1][bucket];
            own.hands[keys.hands[0]] += 1;
            own.hands[keys.hands[1]] += 1;
            own.boxes[keys.box] += 1;
            keyCounts_[box - 1][dealerBucket].dealer[keys.dealer] += 1;
            // A stake of whole units: half stakes times units are half units.
            tally_.CountBox(round, box, bucket, betCount_, b.isSplit,
                            int64_t{paid.halves.net} * b.units,
                            int64_t{paid.halves.staked} * b.units);
            if (tally_.Tracing()) {
                tally_.TraceBox(round, b, dealer_,
                                TBoxSettlement{box, paid.result, paid.roundStake, surrendered,
                                               bucket, betCount_});
            }
            b.hands[0].doubled = false;
            b.hands[1].doubled = false;
        }
    }

    // The statistics' counters of the block from how often each settlement
    // key came up. Bucket 0 (a count that is not a number) is counted
    // nowhere.
    void CountKeys() {
        for (int box = 1; box <= BOX_COUNT; ++box) {
            for (int bucket = 1; bucket <= BUCKET_COUNT; ++bucket) {
                const KeyCounts& counts = keyCounts_[box - 1][bucket];
                TBucketStats& s = stats_.At(box, bucket);
                for (int key = 0; key < HAND_KEYS; ++key) CountHandKey(key, counts.hands[key], s);
                for (int key = 0; key < BOX_KEYS; ++key) CountBoxKey(key, counts.boxes[key], s);
                for (int key = 0; key < DEALER_KEYS; ++key) {
                    CountDealerKey(key, counts.dealer[key], s);
                }
            }
        }
    }

    // The stakes need no clearing: the next bets set them, and a box that
    // cannot bet is out of play for good.
    void EndOfRound() {
        if (shoe_.position > shoe_.cutPosition) NewShoe();
    }

    const TProgramSettings settings_;
    const TGameRules& rules_;
    ShoeShuffler shuffler_;
    int boxCount_;
    int decks_ = 8;
    const BlockPlan& plan_;
    BlockOutput& out_;
    BlockTally tally_;
    TShoe shoe_;
    int32_t runningCount_ = 0;
    std::array<TPlayerBox, BOX_COUNT> boxes_;
    TDealerHand dealer_;
    // The counts of the boxes' and the dealer's statistics buckets; as
    // floats in the boxes only where the trace shows them.
    std::array<CountRatio, BOX_COUNT> snapshots_{};
    CountRatio dealerSnapshot_;
    float betCount_ = 0.0f;  // the relative count of the round's bets
    HandTotal dealerTotal_;
    BucketTable stats_;
    // How often each settlement key came up, by box and count bucket (0..9);
    // a hand slot past the keys takes the missing second hands.
    struct KeyCounts {
        std::array<uint32_t, HAND_KEYS + 1> hands{};
        std::array<uint32_t, BOX_KEYS> boxes{};
        std::array<uint32_t, DEALER_KEYS> dealer{};
    };
    std::array<std::array<KeyCounts, BUCKET_COUNT + 1>, BOX_COUNT> keyCounts_{};
};

}  // namespace

BlockOutput PlayRobotBlock(const SimOptions& options, const BlockPlan& plan) {
    BlockOutput out;
    RobotRounds rounds(options, plan, out);
    rounds.Play();
    return out;
}

}  // namespace tavexo::sim
