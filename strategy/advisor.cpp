#include "strategy/advisor.h"

#include "strategy/hints_log.h"
#include "strategy/robot.h"

namespace tavexo {

namespace {

using R = Recommendation;

struct Checks {
    const TPlayerBox& box;
    int hand;
    int dealer;
    bool soft;
    const StrategyContext& context;

    bool Surrender() const {
        return box.Enabled(Action::Surrender) && ShouldSurrender(box, dealer, soft, context);
    }
    bool Insurance() const {
        return box.Enabled(Action::Insure) && ShouldInsure(context) && box.insuranceCount == 0;
    }
    bool Split() const {
        return box.Enabled(Action::Split) && ShouldSplit(box, dealer, context) && !box.isSplit;
    }
    bool Double() const {
        return box.Enabled(Action::Double) && ShouldDouble(box, hand, dealer, soft, context) &&
               !box.Hand(hand).doubled;
    }
    // Asked on a copy: the hit question totals the hand afresh. A hand that
    // should rather be doubled is no hit; the double check asks first.
    bool Hit() const {
        TPlayerBox copy = box;
        return ShouldHit(copy, hand, dealer, soft, context) == HitAnswer::Hit;
    }
};

}  // namespace

Verdict JudgeClick(TPlayerBox box, Action clicked, int dealerValue,
                   const StrategyContext& context) {
    const Checks c{box, box.HandInPlay(), dealerValue, box.isSoft, context};
    switch (clicked) {
        case Action::Surrender:
            if (ShouldSurrender(box, dealerValue, box.isSoft, context)) return {};
            if (c.Insurance()) return {"Nicht aufgeben, versichern", R::Insure};
            if (c.Split()) return {"Nicht aufgeben, teilen", R::Split};
            if (c.Double()) return {"Nicht aufgeben, verdoppeln", R::Double};
            if (c.Hit()) return {"Nicht aufgeben, ziehen", R::Hit};
            return {};
        case Action::Stand:
            if (c.Surrender()) return {"Nicht halten, aufgeben", R::Surrender};
            if (c.Insurance()) return {"Nicht halten versichern", R::Insure};
            if (c.Split()) return {"Nicht halten, teilen", R::Split};
            if (c.Double()) return {"Nicht halten, verdoppeln", R::Double};
            if (c.Hit()) return {"Nicht halten, ziehen", R::Hit};
            return {};
        case Action::Split:
            if (c.Surrender()) return {"Nicht teilen, aufgeben", R::Surrender};
            if (c.Insurance()) return {"Nicht teilen, versichern", R::Insure};
            if (c.Double()) return {"Nicht teilen, verdoppeln", R::Double};
            if (!ShouldSplit(box, dealerValue, context)) {
                if (c.Hit()) return {"Nicht teilen, ziehen", R::HitIfStillWise};
                return {"Nicht teilen, halten", R::Stand};
            }
            return {};
        case Action::Double:
            if (c.Surrender()) return {"Nicht verdoppeln, aufgeben", R::Surrender};
            if (c.Insurance()) return {"Nicht verdoppeln, versichern", R::Insure};
            if (!ShouldDouble(box, c.hand, dealerValue, c.soft, context)) {
                return {"Nicht verdoppeln, ziehen", R::HitElseDouble};
            }
            return {};
        case Action::Insure:
            if (c.Surrender()) return {"Nicht versichern, aufgeben", R::Surrender};
            if (c.Split()) return {"Nicht versichern, teilen", R::Split};
            if (c.Double()) return {"Nicht versichern, verdoppeln", R::Double};
            if (!c.Hit()) return {"Nicht versichern, halten", R::Stand};
            return {};
        case Action::Hit:
            if (c.Surrender()) return {"Nicht ziehen, aufgeben", R::Surrender};
            if (c.Insurance()) return {"Nicht ziehen, versichern", R::Insure};
            if (c.Split()) return {"Nicht ziehen, teilen", R::Split};
            if (c.Double()) return {"Nicht ziehen, verdoppeln", R::Double};
            if (!c.Hit()) return {"Nicht ziehen, halten", R::Stand};
            return {};
    }
    return {};
}

void StrategyAdvisor::ActionClick(Table& table, int box, Action clicked) {
    TTableState& state = table.MutableState();
    const ActionButton button{box, clicked};
    state.sameButtonTwice = state.lastActionButton == button;
    state.lastActionButton = button;

    // Insurance that the strategy wants is taken at once, unquestioned.
    if (clicked == Action::Insure && ShouldInsure(ContextOf(table))) {
        table.DoInsure(box);
        return;
    }
    const TTrainingSettings& training = table.Settings().training;
    const TPlayerBox& b = table.Box(box);
    if (!training.trainingMode || b.isRobot) {
        state.lastActionButton.reset();
        table.CarryOut(box, clicked);
        return;
    }

    const int dealerValue = table.Dealer().UpCardValue();
    const Verdict verdict = JudgeClick(b, clicked, dealerValue, ContextOf(table));
    if (verdict.notice == nullptr) {
        state.lastActionButton.reset();
        table.CarryOut(box, clicked);
        return;
    }
    ShowStrategyNotice(table, box, b.HandInPlay(), dealerValue, verdict.notice);
    switch (training.deviationReaction) {
        case 0:  // "Spielerentscheidung ignorieren"
            state.lastActionButton.reset();
            break;
        case 2:  // "Strategieempfehlung direkt umsetzen"
            CarryOutRecommendation(table, box, dealerValue, verdict.recommended);
            break;
        case 3:  // "Dem Spieler Chance für dieselbe Entscheidung geben"
            if (state.sameButtonTwice) {
                state.lastActionButton.reset();
                table.CarryOut(box, clicked);
            }
            break;
        default:  // "Spielerentscheidung akzeptieren"
            state.lastActionButton.reset();
            table.CarryOut(box, clicked);
            break;
    }
}

void StrategyAdvisor::ShowStrategyNotice(Table& table, int box, int hand, int dealerValue,
                                         const char* notice) {
    // The confirming second click is logged again, but neither shown nor
    // sounded.
    if (!table.State().sameButtonTwice) {
        if (table.View() != nullptr) table.View()->SetHint(notice);
        if (table.Settings().training.deviationSound) table.Host().Beep();
    }
    AppendHint(table, box, hand, dealerValue, notice);
}

void StrategyAdvisor::CarryOutRecommendation(Table& table, int box, int dealerValue,
                                             Recommendation recommended) {
    const int hand = table.Box(box).HandInPlay();
    switch (recommended) {
        case R::Surrender:
            table.DoSurrender(box);
            break;
        case R::Insure:
            table.DoInsure(box);
            break;
        case R::Split:
            table.DoSplit(box);
            break;
        case R::Double:
            table.DoDouble(box, hand);
            break;
        case R::Hit:
            table.DoHit(box);
            break;
        case R::HitIfStillWise:
            if (ShouldHitOrDouble(table, box, hand, dealerValue, table.Box(box).isSoft)) {
                table.DoHit(box);
            }
            break;
        case R::HitElseDouble:
            if (ShouldHitOrDouble(table, box, hand, dealerValue, table.Box(box).isSoft)) {
                table.DoHit(box);
            } else if (!table.Box(box).Hand(hand).doubled) {
                table.DoDouble(box, hand);
            }
            break;
        case R::Stand:
            table.FinishHand(box);
            break;
        case R::None:
            break;
    }
}

}  // namespace tavexo
