#include "ui/drill/exercise_history_grid.h"

#include <QDateTime>
#include <QHeaderView>

#include <algorithm>

#include "ui/common/locale_text_format.h"

namespace tavexo {

namespace {
constexpr int SHOWN_ROUNDS = 5;
}  // namespace

ExerciseHistoryGrid::ExerciseHistoryGrid(bool withError, QWidget* parent)
    : QTableWidget(0, withError ? 5 : 4, parent), withError_(withError) {
    setObjectName(QStringLiteral("GLetzte"));
    setAccessibleName(QStringLiteral("Letzte Ergebnisse"));
    QStringList headers = {QStringLiteral("Datum"), QStringLiteral("Einstellung"),
                           QStringLiteral("Richtig")};
    if (withError_) headers << QStringLiteral("Fehler");
    headers << QStringLiteral("s/Antwort");
    setHorizontalHeaderLabels(headers);
    horizontalHeaderItem(2)->setToolTip(QStringLiteral("richtige von allen Antworten der Runde"));
    if (withError_)
        horizontalHeaderItem(3)->setToolTip(QStringLiteral("mittlere Abweichung der Antworten"));
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    setFixedHeight(horizontalHeader()->sizeHint().height() +
                   SHOWN_ROUNDS * verticalHeader()->defaultSectionSize() + 4);
}

void ExerciseHistoryGrid::ShowRounds(const std::vector<ExerciseRecord>& rounds) {
    const QLocale locale = LocaleTextFormat::TableLocale();
    const int rows = std::min<int>(SHOWN_ROUNDS, static_cast<int>(rounds.size()));
    setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        const ExerciseRecord& round = rounds[rounds.size() - 1 - static_cast<size_t>(r)];
        // The file keeps the sortable form; the grid the short German one.
        const QString stored = QString::fromStdString(round.when);
        const QDateTime when = QDateTime::fromString(stored, QStringLiteral("yyyy-MM-dd HH:mm"));
        QStringList cells = {
            when.isValid() ? when.toString(QStringLiteral("dd.MM.yy HH:mm")) : stored,
            QString::fromStdString(round.setting),
            QStringLiteral("%1 von %2").arg(round.right).arg(round.questions)};
        if (withError_)
            cells << (round.meanError ? locale.toString(*round.meanError, 'f', 2) : QString());
        cells << locale.toString(round.secondsPerAnswer, 'f', 1);
        for (int c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c >= 2) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(r, c, item);
        }
    }
}

}  // namespace tavexo
