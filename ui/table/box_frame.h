#pragma once

#include <QFrame>
#include <QPoint>

#include <array>

#include "engine/cards.h"
#include "engine/table_state.h"
#include "engine/table_view.h"
#include "ui/common/table_art.h"
#include "ui/table/frame_drag.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTimer;
class QToolButton;

namespace tavexo {

class CardArea;
class CardPainter;
class PaintedLabel;

// One box of the table ("Spieler" and its number): the title row with the
// hand totals, the stake and the on/off button; the roll-up group with the
// player's name, the cards, the chips and the decision gauge; the rail with
// the six action buttons and the betting controls. It only shows what the
// table tells it and reports the user's clicks.
class BoxFrame : public QFrame {
    Q_OBJECT
  public:
    BoxFrame(int box, CardPainter& cards, QWidget* parent);

    int Box() const { return box_; }

    // The view operations of one box.
    void ShowCard(int hand, int n, CardCode code);
    void MoveSecondCardToHand2();
    void ClearCards();
    void SetHandTotal(int hand, const QString& text);
    void SetStakeLabel(const QString& text);
    void SetStakeHeight(const QString& text);
    void SetCapital(const QString& text);
    void SetUnits(int units);  // the table's own change: not reported back
    void SetUnitsEnabled(bool enabled);
    void SetUnitsBlinking(bool blinking);
    void SetBetEnabled(bool enabled);
    void SetActionEnabled(Action action, bool enabled);
    void ShowCoin(int coin, bool visible);
    void SetHandMarker(int hand, bool blinking);
    void SetGauge(int value, int maximum);
    void SetDecisionsText(const QString& text);
    void SetName(const QString& text);
    void SetActive(bool active, bool frameVisible);
    // The badge with the settled round's result; cleared with the table.
    void ShowOutcome(RoundOutcome outcome, const QString& amount);
    void ClearOutcome();
    // The badge's text, empty while none is shown.
    QString OutcomeText() const;

    QPushButton* ActionButton(Action action) const;
    QPushButton* BetButton() const { return bSetzen_; }
    QSpinBox* UnitsEdit() const { return spEinsatz_; }
    QCheckBox* AutoBetBox() const { return cbAutoSatz_; }
    QToolButton* OnOffButton() const { return spBut_; }
    CardArea* Cards() const { return cardArea_; }
    bool IsRolledUp() const;

    // The letter that plays an action from the keyboard (Z, H, A, V, T, S).
    static QChar ActionKey(Action action);

  signals:
    void actionClicked(int box, Action action);
    void betClicked(int box);
    void unitsChanged(int box, int units);
    void autoBetToggled(int box, bool on);
    void onOffClicked(int box);
    void moved(int box);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void BuildTitleRow();
    void BuildNamePanel(QWidget* group);
    void BuildRail(QWidget* group);
    QPushButton* MakeActionButton(QWidget* parent, Action action, const QString& name,
                                  const QString& caption, const QString& tip);
    QLabel* Caption(QWidget* parent, const QString& text, const QRect& place);
    void FitName();
    void PlaceOutcome();

    int box_;
    CardPainter& painter_;
    bool active_ = true;

    QLabel* marker1_ = nullptr;
    PaintedLabel* lWert1_ = nullptr;
    QLabel* lEinsatz_ = nullptr;
    QLabel* marker2_ = nullptr;
    PaintedLabel* lWert2_ = nullptr;
    QToolButton* spBut_ = nullptr;
    QWidget* grSpieler_ = nullptr;
    QLabel* lName_ = nullptr;
    QString name_;
    PaintedLabel* lErgebnis_ = nullptr;
    QString outcomeWord_;
    QString outcomeAmount_;
    CardArea* cardArea_ = nullptr;
    std::array<QLabel*, 5> coins_{};
    QProgressBar* gauge1_ = nullptr;
    QLabel* pAktionen_ = nullptr;
    std::array<QPushButton*, ACTION_COUNT> actions_{};
    QSpinBox* spEinsatz_ = nullptr;
    QLabel* lEinsatzHoehe_ = nullptr;
    QPushButton* bSetzen_ = nullptr;
    QLabel* pKapital_ = nullptr;
    QCheckBox* cbAutoSatz_ = nullptr;

    std::array<QTimer*, 2> markerBlink_{};
    QTimer* unitsBlink_ = nullptr;
    bool unitsHighlighted_ = false;

    FrameDrag drag_;
    CachedPicture background_;
};

}  // namespace tavexo
