#pragma once

#include <QFrame>
#include <QPoint>

#include "engine/cards.h"
#include "ui/table/frame_drag.h"

class QLabel;

namespace tavexo {

class CardArea;
class CardPainter;

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

    CardArea* Cards() const { return cardArea_; }

  signals:
    void moved();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QLabel* pBankStand_ = nullptr;
    QLabel* lRunde_ = nullptr;
    CardArea* cardArea_ = nullptr;
    QWidget* pTraining_ = nullptr;
    QWidget* pCounter_ = nullptr;
    QLabel* lRel_ = nullptr;
    QLabel* lAbs_ = nullptr;
    QLabel* lHinweis_ = nullptr;

    FrameDrag drag_;
};

}  // namespace tavexo
