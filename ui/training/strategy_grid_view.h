#pragma once

#include <QTableWidget>

#include <optional>

#include "strategy/strategy_tables.h"

namespace tavexo {

// One strategy grid of the training centre (G1..G8): the dealer's cards
// across, the hands down, the display form of each entry in the cells. Each
// cell says in words what it means (tool tip, accessible text); cells whose
// decision the current relative count turns round are marked.
class StrategyGridView : public QTableWidget {
    Q_OBJECT
  public:
    StrategyGridView(const StrategyGridSpec& grid, QWidget* parent = nullptr);

    const StrategyGridSpec& Grid() const { return grid_; }
    // The count whose live cells are marked; none marks nothing.
    void MarkLiveCells(std::optional<float> relativeCount);
    // The cell of a hand key (total or pair value) against a dealer value.
    QTableWidgetItem* CellFor(int key, int dealer) const;
    bool IsMarked(int key, int dealer) const;

  signals:
    // The meaning of the cell under the mouse or with the keyboard focus.
    void cellDescribed(const QString& words);

  private:
    void Fill();
    void FitToContents();

    const StrategyGridSpec& grid_;
};

}  // namespace tavexo
