#pragma once

#include "ui/common/text_grid_model.h"

namespace tavexo {

// A box's strategy hints log: round, dealer card, player cards and count
// centred, the notice left-aligned, all on the light grid background; the
// round column keeps the shade of a fixed column.
class HintsGridModel : public TextGridModel {
    Q_OBJECT
  public:
    using TextGridModel::TextGridModel;

  protected:
    QString DisplayText(int column, int gridRow, const std::string& text) const override;
    QVariant CellStyle(int column, int gridRow, const std::string& text, int role) const override;
};

}  // namespace tavexo
