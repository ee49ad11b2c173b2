#pragma once

#include <QColor>
#include <QLocale>

#include "ui/common/text_grid_model.h"

namespace tavexo {

// The colours of the history grid's result, player and dealer cells.
inline const QColor RESULT_LOSS(255, 168, 168);
inline const QColor RESULT_PUSH(255, 255, 170);
inline const QColor RESULT_WIN(179, 255, 179);
inline const QColor PLAYER_BUST(255, 0, 0);
inline const QColor PLAYER_DOUBLE_BUST(255, 0, 128);
inline const QColor DEALER_BUST(210, 0, 105);
// The rows of the nine buckets in the detail statistics.
inline const QColor BUCKET_ROW(250, 226, 131);

// A box's round history: money columns right-aligned, the rest centred; the
// result coloured by its sign, bust totals of player and dealer in strong
// colours with white text. Numbers are read back from the cell texts in the
// table's locale; a text that is no number keeps the grid's colours.
class HistoryGridModel : public TextGridModel {
    Q_OBJECT
  public:
    HistoryGridModel(const TextGrid& grid, const QLocale& locale, QObject* parent = nullptr);

  protected:
    QString DisplayText(int column, int gridRow, const std::string& text) const override;
    QVariant CellStyle(int column, int gridRow, const std::string& text, int role) const override;

  private:
    QLocale locale_;
};

// A box's detail statistics: every cell centred, the count rows of the nine
// buckets amber, totals and percentage rows white.
class DetailsGridModel : public TextGridModel {
    Q_OBJECT
  public:
    explicit DetailsGridModel(const TextGrid& grid, QObject* parent = nullptr);

  protected:
    QString DisplayText(int column, int gridRow, const std::string& text) const override;
    QVariant CellStyle(int column, int gridRow, const std::string& text, int role) const override;
};

}  // namespace tavexo
