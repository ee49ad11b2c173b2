#include "ui/training/hints_grid_model.h"

#include "ui/common/window_style.h"

namespace tavexo {

namespace {
constexpr int NOTICE_COLUMN = 4;
}

QString HintsGridModel::DisplayText(int column, int gridRow, const std::string& text) const {
    // The round numbers carry blanks that centre them in the core's measure;
    // the view centres them itself.
    const QString shown = TextGridModel::DisplayText(column, gridRow, text);
    return column == 0 ? shown.trimmed() : shown;
}

QVariant HintsGridModel::CellStyle(int column, int, const std::string&, int role) const {
    switch (role) {
        case Qt::TextAlignmentRole:
            return column == NOTICE_COLUMN ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                           : QVariant(Qt::AlignCenter);
        case Qt::BackgroundRole:
            return column == 0 ? STYLE_GRID_FIXED : STYLE_GRID_BACKGROUND;
        case Qt::ForegroundRole:
            return STYLE_GRID_TEXT;
        default:
            return {};
    }
}

}  // namespace tavexo
