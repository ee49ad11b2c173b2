#pragma once

#include <QString>
#include <QWidget>

#include <array>

#include "engine/table_view.h"

class QTabWidget;

namespace tavexo {

class HintsFrame;
class Table;

// The strategy hints log: one tab per box, each showing what the advisor
// told that box. A tab is shown for a box in play (or one that still holds
// hints); a robot's tab says that it gets none. Closing only hides it.
class StrategyHintsWindow : public QWidget {
    Q_OBJECT
  public:
    StrategyHintsWindow(Table& table, const QString& trainingFolder, QWidget* parent = nullptr);

    HintsFrame* Frame(int box) const { return frames_[box - 1]; }
    QTabWidget* Tabs() const { return tabs_; }

  public slots:
    // The table wrote to a grid; a hints grid is shown anew.
    void GridChanged(tavexo::GridKind kind, int box);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Tab captions and visibility from the boxes as they are now.
    void RefreshTabs();

    Table& table_;
    QTabWidget* tabs_ = nullptr;
    std::array<HintsFrame*, 7> frames_{};
};

}  // namespace tavexo
