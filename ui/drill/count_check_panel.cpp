#include "ui/drill/count_check_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/common/locale_text_format.h"

namespace tavexo {

namespace {

constexpr int HISTORY_ROWS = 3;

QString Decimal(double value, int decimals) {
    return LocaleTextFormat::TableLocale().toString(value, 'f', decimals);
}

}  // namespace

QString VerdictText(const CountCheck& c) {
    const QString running = QString::number(c.actualRunning);
    const QString relative = Decimal(c.actualRelative, 1);
    if (c.Right()) {
        if (!c.answeredRelative)
            return QStringLiteral("Richtig! Der Count steht bei %1.").arg(running);
        return QStringLiteral("Richtig! Der Count steht bei %1, wahr %2.").arg(running, relative);
    }
    QStringList parts;
    if (c.RunningRight()) {
        parts << QStringLiteral("Laufender Count richtig (%1)").arg(running);
    } else {
        parts << QStringLiteral("Laufender Count um %1 daneben: er steht bei %2")
                     .arg(c.RunningError())
                     .arg(running);
    }
    if (c.answeredRelative) {
        if (c.RelativeRight()) {
            parts << QStringLiteral("wahrer Count richtig (%1)").arg(relative);
        } else {
            parts << QStringLiteral("wahrer Count um %1 daneben: er steht bei %2")
                         .arg(Decimal(c.RelativeError(), 1), relative);
        }
    }
    return parts.join(QStringLiteral("; ")) + QLatin1Char('.');
}

CountCheckPanel::CountCheckPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Zählstand abfragen"), parent) {
    setObjectName(QStringLiteral("GrAbfrage"));
    auto* layout = new QVBoxLayout(this);

    auto* options = new QHBoxLayout;
    mode = new QComboBox(this);
    mode->setObjectName(QStringLiteral("cbAbfrage"));
    mode->setAccessibleName(QStringLiteral("Zählstand abfragen"));
    mode->addItems({QStringLiteral("nie"), QStringLiteral("nach jeder Runde"),
                    QStringLiteral("am Ende des Schlittens")});
    askRelative = new QCheckBox(QStringLiteral("auch den wahren Count"), this);
    askRelative->setObjectName(QStringLiteral("cbWahr"));
    options->addWidget(mode);
    options->addWidget(askRelative);
    options->addStretch();
    layout->addLayout(options);

    auto* question = new QHBoxLayout;
    running = new QSpinBox(this);
    running->setObjectName(QStringLiteral("spLaufend"));
    running->setRange(-999, 999);
    running->setAccessibleName(QStringLiteral("Laufender Count"));
    relative = new QDoubleSpinBox(this);
    relative->setObjectName(QStringLiteral("spWahr"));
    relative->setRange(-99.9, 99.9);
    relative->setDecimals(1);
    relative->setSingleStep(0.5);
    relative->setLocale(LocaleTextFormat::TableLocale());
    relative->setAccessibleName(QStringLiteral("Wahrer Count"));
    answer = new QPushButton(QStringLiteral("Prüfen"), this);
    answer->setObjectName(QStringLiteral("BPruefen"));
    answer->setAutoDefault(false);
    skip = new QPushButton(QStringLiteral("Auslassen"), this);
    skip->setObjectName(QStringLiteral("BAuslassen"));
    skip->setAutoDefault(false);
    auto* runningCaption = new QLabel(QStringLiteral("Count"), this);
    runningCaption->setBuddy(running);
    auto* relativeCaption = new QLabel(QStringLiteral("wahr"), this);
    relativeCaption->setBuddy(relative);
    question->addWidget(runningCaption);
    question->addWidget(running);
    question->addWidget(relativeCaption);
    question->addWidget(relative);
    question->addWidget(answer);
    question->addWidget(skip);
    question->addStretch();
    layout->addLayout(question);

    verdict = new QLabel(this);
    verdict->setObjectName(QStringLiteral("LUrteil"));
    verdict->setWordWrap(true);
    verdict->setProperty("role", QStringLiteral("heading"));
    score = new QLabel(QStringLiteral("Noch keine Runde geprüft"), this);
    score->setObjectName(QStringLiteral("LPunkte"));
    score->setWordWrap(true);
    layout->addWidget(verdict);
    layout->addWidget(score);

    connect(answer, &QPushButton::clicked, this, &CountCheckPanel::Answer);
    connect(skip, &QPushButton::clicked, this, &CountCheckPanel::skipped);
    // Enter in the running count goes on to the true count when that is
    // asked, and gives the answer otherwise; Enter in the true count gives
    // it. Leaving a field (which also ends its editing) gives nothing.
    connect(running, &QSpinBox::editingFinished, this, [this] {
        if (!answer->isEnabled() || !running->hasFocus()) return;
        if (relative->isEnabled()) {
            relative->setFocus();
            relative->selectAll();
        } else {
            Answer();
        }
    });
    connect(relative, &QDoubleSpinBox::editingFinished, this, [this] {
        if (answer->isEnabled() && relative->hasFocus()) Answer();
    });
    EndQuestion();
}

void CountCheckPanel::Answer() {
    if (!answer->isEnabled()) return;
    std::optional<double> rel;
    if (relative->isEnabled()) rel = relative->value();
    emit answered(running->value(), rel);
}

void CountCheckPanel::Ask(bool withRelative) {
    verdict->clear();
    running->setEnabled(true);
    relative->setEnabled(withRelative);
    answer->setEnabled(true);
    skip->setEnabled(true);
    running->setFocus();
    running->selectAll();
}

void CountCheckPanel::EndQuestion() {
    running->setEnabled(false);
    relative->setEnabled(false);
    answer->setEnabled(false);
    skip->setEnabled(false);
}

void CountCheckPanel::ShowVerdict(const CountCheck& check) {
    verdict->setText(VerdictText(check));
    verdict->setProperty("role",
                         check.Right() ? QStringLiteral("heading") : QStringLiteral("warning"));
    verdict->style()->unpolish(verdict);
    verdict->style()->polish(verdict);
}

void CountCheckPanel::ShowScore(const DrillScore& s) {
    if (s.Checked() == 0) {
        score->setText(QStringLiteral("Noch keine Runde geprüft"));
        return;
    }
    QString text = QStringLiteral("Geprüft: %1, richtig: %2, mittlerer Fehler: %3")
                       .arg(s.Checked())
                       .arg(s.Correct())
                       .arg(Decimal(s.MeanAbsoluteError(), 2));
    if (s.CardsPerSecond() > 0) {
        text += QStringLiteral(", %1 Karten/s").arg(Decimal(s.CardsPerSecond(), 2));
    }
    score->setText(text);
}

DrillHistoryGroup::DrillHistoryGroup(QWidget* parent)
    : QGroupBox(QStringLiteral("Letzte Ergebnisse"), parent) {
    setObjectName(QStringLiteral("GrVerlauf"));
    auto* layout = new QVBoxLayout(this);
    grid_ = new QTableWidget(0, 4, this);
    grid_->setObjectName(QStringLiteral("GVerlauf"));
    grid_->setAccessibleName(QStringLiteral("Letzte Ergebnisse"));
    grid_->setHorizontalHeaderLabels({QStringLiteral("Datum"), QStringLiteral("Richtig"),
                                      QStringLiteral("Fehler"), QStringLiteral("Karten/s")});
    grid_->horizontalHeaderItem(1)->setToolTip(QStringLiteral("richtige von geprüften Runden"));
    grid_->horizontalHeaderItem(2)->setToolTip(
        QStringLiteral("mittlere Abweichung des laufenden Counts"));
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    grid_->setFocusPolicy(Qt::NoFocus);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Every column as wide as its texts, the date too; the group is as
    // wide as the columns need.
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    grid_->setFixedHeight(grid_->horizontalHeader()->sizeHint().height() +
                          HISTORY_ROWS * grid_->verticalHeader()->defaultSectionSize() + 4);
    layout->addWidget(grid_);
}

void DrillHistoryGroup::ShowHistory(const std::vector<DrillSessionRecord>& sessions) {
    const int rows = std::min<int>(HISTORY_ROWS, static_cast<int>(sessions.size()));
    grid_->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        const DrillSessionRecord& s = sessions[sessions.size() - 1 - static_cast<size_t>(r)];
        // The file keeps the sortable form; the grid the short German one.
        const QString stored = QString::fromStdString(s.when);
        const QDateTime when = QDateTime::fromString(stored, QStringLiteral("yyyy-MM-dd HH:mm"));
        const QString date =
            when.isValid() ? when.toString(QStringLiteral("dd.MM.yy HH:mm")) : stored;
        const QString cells[] = {date, QStringLiteral("%1 von %2").arg(s.correct).arg(s.checked),
                                 Decimal(s.meanError, 2), Decimal(s.cardsPerSecond, 2)};
        for (int c = 0; c < 4; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid_->setItem(r, c, item);
        }
    }
}

}  // namespace tavexo
