#pragma once

#include <QFrame>
#include <QPoint>

#include "engine/cards.h"
#include "ui/common/table_art.h"
#include "ui/table/frame_drag.h"

class QLabel;
class QTimer;

namespace tavexo {

class CardArea;
class CardPainter;
class PaintedLabel;

// The dealer's frame at the head of the table: the dealer's cards and total,
// the round number and, in training mode, the counts and the strategy hints.
class DealerFrame : public QFrame {
    Q_OBJECT
  public:
    DealerFrame(CardPainter& cards, QWidget* parent);

    void ShowCard(int n, CardCode code);
    void ClearCards();
    void SetTotal(const QString& text);
    void SetRound(const QString& text);
    void SetHint(const QString& text);
    void SetCounts(const QString& running, const QString& relative);
    void SetTrainingPanel(bool trainingVisible, bool countsVisible);
    // A note over the card place while a new shoe is shuffled.
    void SetShuffling(bool shuffling);
    bool IsShuffling() const;

    CardArea* Cards() const { return cardArea_; }

  signals:
    void moved();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void StepShuffleText();

    PaintedLabel* pBankStand_ = nullptr;
    QLabel* lRunde_ = nullptr;
    CardArea* cardArea_ = nullptr;
    QWidget* pTraining_ = nullptr;
    QWidget* pCounter_ = nullptr;
    QLabel* lRel_ = nullptr;
    QLabel* lAbs_ = nullptr;
    QLabel* lHinweis_ = nullptr;
    QLabel* lMischen_ = nullptr;
    QTimer* shuffleStep_ = nullptr;
    int shuffleDots_ = 0;

    FrameDrag drag_;
    CachedPicture background_;
};

}  // namespace tavexo
