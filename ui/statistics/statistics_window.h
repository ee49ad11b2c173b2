#pragma once

#include <QWidget>

#include <array>

#include "engine/table_state.h"
#include "engine/table_view.h"
#include "ui/statistics/box_page.h"

class QTabWidget;
class QRect;

namespace tavexo {

class Table;

// The statistics window: a page per box with its round history, its detail
// statistics and its charts. It exists from start-up on, hidden, so that the
// grids it shows are filled while nobody looks; closing it only hides it.
// The page captions are set once, from the boxes as they are at creation.
class StatisticsWindow : public QWidget {
    Q_OBJECT
  public:
    StatisticsWindow(Table& table, StatisticsServices services, QWidget* parent = nullptr);

    QTabWidget* Pages() const { return pages_; }
    BoxPage* Page(int box) const { return boxPages_[box - 1]; }
    bool DetailsHidden() const { return detailsHidden_; }

    // Sizes the window for a screen's free area: 1217 x 874 where it fits,
    // otherwise as large as the area allows.
    void FitInto(const QRect& available);

  public slots:
    // The core wrote a grid of the box; the page shows it.
    void GridChanged(tavexo::GridKind kind, int box);
    // Shows only the pages of the boxes in play.
    void ShowPagesInPlay();
    // Hides or shows the detail statistics on every page.
    void ToggleDetails();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    Table& table_;
    StatisticsServices services_;
    QTabWidget* pages_ = nullptr;
    std::array<BoxPage*, BOX_COUNT> boxPages_{};
    std::array<bool, BOX_COUNT> historyPending_{};
    bool detailsHidden_ = false;
};

}  // namespace tavexo
