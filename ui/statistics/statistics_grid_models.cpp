#include "ui/statistics/statistics_grid_models.h"

#include <optional>

#include "ui/common/window_style.h"

namespace tavexo {

namespace {

constexpr int COLUMN_STAKE = 2;
constexpr int COLUMN_DEALER = 6;
constexpr int COLUMN_PLAYER = 7;
constexpr int COLUMN_RESULT = 8;

struct CellColours {
    QColor background;
    QColor text;
};

QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), text.size());
}

std::optional<int> WholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return value;
}

std::optional<double> Amount(const QString& text, const QLocale& locale) {
    QString t = text;
    t.remove(QStringLiteral("€"));
    t.remove(locale.currencySymbol());
    t = t.trimmed();
    bool ok = false;
    const double value = locale.toDouble(t, &ok);
    if (ok) return value;
    // Files saved under another locale still colour by the German form.
    const double german = QLocale(QLocale::German, QLocale::Germany).toDouble(t, &ok);
    if (ok) return german;
    return std::nullopt;
}

std::optional<CellColours> ResultColours(const QString& text, const QLocale& locale) {
    const std::optional<double> amount = Amount(text, locale);
    if (!amount) return std::nullopt;
    const QColor& background = *amount < 0 ? RESULT_LOSS : *amount == 0 ? RESULT_PUSH : RESULT_WIN;
    return CellColours{background, STYLE_GRID_TEXT};
}

// One total, or two after a split joined by "+"; how many are above 21.
std::optional<int> BustTotals(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('+'));
    if (parts.size() > 2) return std::nullopt;
    int busts = 0;
    for (const QString& part : parts) {
        const std::optional<int> total = WholeNumber(part);
        if (!total) return std::nullopt;
        if (*total > 21) ++busts;
    }
    return busts;
}

std::optional<CellColours> PlayerColours(const QString& text) {
    const std::optional<int> busts = BustTotals(text);
    if (!busts) return std::nullopt;
    if (*busts == 0) return CellColours{Qt::white, Qt::black};
    return CellColours{*busts == 1 ? PLAYER_BUST : PLAYER_DOUBLE_BUST, Qt::white};
}

std::optional<CellColours> DealerColours(const QString& text) {
    const std::optional<int> total = WholeNumber(text);
    if (!total) return std::nullopt;
    if (*total > 21) return CellColours{DEALER_BUST, Qt::white};
    return CellColours{Qt::white, Qt::black};
}

QVariant ColourFor(const std::optional<CellColours>& colours, int role) {
    if (!colours) return {};
    return role == Qt::BackgroundRole ? QVariant(colours->background) : QVariant(colours->text);
}

QVariant FixedColumn(int role) {
    if (role == Qt::BackgroundRole) return STYLE_GRID_FIXED;
    if (role == Qt::ForegroundRole) return STYLE_GRID_TEXT;
    return {};
}

}  // namespace

// The blanks that centre round numbers and labels in a file are not needed on
// the screen, where every cell is aligned by the view.
static QString TrimmedText(const std::string& text) {
    return ToQString(text).trimmed();
}

QString HistoryGridModel::DisplayText(int, int, const std::string& text) const {
    return TrimmedText(text);
}

QString DetailsGridModel::DisplayText(int, int, const std::string& text) const {
    return TrimmedText(text);
}

HistoryGridModel::HistoryGridModel(const TextGrid& grid, const QLocale& locale, QObject* parent)
    : TextGridModel(grid, parent), locale_(locale) {}

QVariant HistoryGridModel::CellStyle(int column, int, const std::string& text, int role) const {
    if (role == Qt::TextAlignmentRole) {
        const bool right = column == COLUMN_STAKE || column >= COLUMN_RESULT;
        return QVariant::fromValue(Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignHCenter));
    }
    if (role != Qt::BackgroundRole && role != Qt::ForegroundRole) return {};
    if (column == 0) return FixedColumn(role);
    if (text.empty()) return {};
    switch (column) {
        case COLUMN_RESULT:
            return ColourFor(ResultColours(ToQString(text), locale_), role);
        case COLUMN_PLAYER:
            return ColourFor(PlayerColours(ToQString(text)), role);
        case COLUMN_DEALER:
            return ColourFor(DealerColours(ToQString(text)), role);
        default:
            return {};
    }
}

DetailsGridModel::DetailsGridModel(const TextGrid& grid, QObject* parent)
    : TextGridModel(grid, parent) {}

QVariant DetailsGridModel::CellStyle(int column, int gridRow, const std::string&, int role) const {
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignCenter);
    if (role != Qt::BackgroundRole && role != Qt::ForegroundRole) return {};
    if (column == 0) return FixedColumn(role);
    const bool bucketRow = gridRow >= 3 && gridRow <= 19 && gridRow % 2 == 1;
    if (role == Qt::BackgroundRole) return bucketRow ? BUCKET_ROW : QColor(Qt::white);
    return QColor(Qt::black);
}

}  // namespace tavexo
