#pragma once

#include <QWidget>

#include <array>
#include <optional>
#include <string>

#include "ui/common/window_opener.h"

class QLabel;
class QToolButton;

namespace tavexo {

class StrategyGridView;
class Table;
class TrainingSettingsPanel;

// The training centre: the eight strategy grids with their reading rules,
// and the training settings. It opens the strategy hints and the counting
// drill. While it is on screen it marks, in every grid, the cells whose
// decision the table's current relative count turns round (unless the user
// has hidden the counts). Closing only hides it.
class TrainingCentreWindow : public QWidget {
    Q_OBJECT
  public:
    TrainingCentreWindow(Table& table, const std::string& settingsFolder, WindowOpener& windows,
                         QWidget* parent = nullptr);

    StrategyGridView* Grid(int n) const { return grids_[n - 1]; }
    // Reads the table's count and marks the live cells now.
    void RefreshLiveCells();
    // The table's counts have changed: followed while the window is on
    // screen; a hidden one catches up when it is shown.
    void CountsChanged();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* BuildToolBar();
    QWidget* BuildExplanations();
    QWidget* BuildGrids();
    QWidget* GridGroup(int first, int last);
    void OpenSecondary(SecondaryWindow kind, const QString& what);
    std::optional<float> LiveCount() const;

    Table& table_;
    WindowOpener& windows_;
    std::array<StrategyGridView*, 8> grids_{};
    TrainingSettingsPanel* settings_ = nullptr;
    QLabel* cellWords_ = nullptr;
    QLabel* liveNote_ = nullptr;
    std::optional<float> shownCount_;
    bool everMarked_ = false;
};

}  // namespace tavexo
