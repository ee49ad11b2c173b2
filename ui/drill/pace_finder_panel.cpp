#include "ui/drill/pace_finder_panel.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDate>
#include <QDateTimeAxis>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

#include "ui/common/locale_text_format.h"
#include "ui/common/window_style.h"
#include "ui/help/help_context.h"

namespace tavexo {

namespace {

QString Pace(double cardsPerSecond) {
    return QStringLiteral("%1 Karten/s")
        .arg(LocaleTextFormat::TableLocale().toString(cardsPerSecond, 'f', 2));
}

void StyleAxis(QAbstractAxis* axis) {
    axis->setLabelsBrush(STYLE_GRID_TEXT);
    axis->setTitleBrush(STYLE_GRID_TEXT);
    QFont font = axis->labelsFont();
    font.setPointSize(9);
    axis->setLabelsFont(font);
    axis->setTitleFont(font);
}

}  // namespace

PaceFinderPanel::PaceFinderPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Tempo finden"), parent) {
    setObjectName(QStringLiteral("GrTempoFinden"));
    help::SetHelpContext(this, help::PaceFinding);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    auto* figures = new QVBoxLayout;
    on = new QCheckBox(QStringLiteral("Tempo anpassen"), this);
    on->setObjectName(QStringLiteral("cbTempo"));
    on->setToolTip(QStringLiteral(
        "Das Tempo steigt nach jeder richtigen Zählstand-Abfrage und sinkt nach jeder falschen, "
        "bis Sie 19 von 20 Runden richtig zählen. Gefragt wird nach jeder Runde; die "
        "Verzögerungen zwischen den Karten und den Spielern ruhen so lange."));
    pace = new QLabel(QStringLiteral("Tempo: –"), this);
    pace->setObjectName(QStringLiteral("LTempo"));
    pace->setProperty("role", QStringLiteral("heading"));
    auto* top = new QHBoxLayout;
    top->addWidget(on);
    top->addSpacing(16);
    top->addWidget(pace);
    top->addStretch();
    held = new QLabel(QStringLiteral("Gehalten: noch nicht"), this);
    held->setObjectName(QStringLiteral("LGehalten"));
    held->setWordWrap(true);
    held->setToolTip(QStringLiteral(
        "das schnellste Tempo, bei dem mindestens zehn Abfragen in Folge zu 95 % richtig waren"));
    figures->addLayout(top);
    figures->addWidget(held);
    figures->addStretch();
    layout->addLayout(figures, 2);

    auto* plot = new QChart;
    plot->legend()->hide();
    plot->setBackgroundBrush(STYLE_GRID_BACKGROUND);
    plot->setMargins(QMargins(2, 2, 6, 2));
    // Decimal commas on the axis, as everywhere else.
    plot->setLocalizeNumbers(true);
    plot->setLocale(LocaleTextFormat::TableLocale());
    chart = new QChartView(plot, this);
    chart->setObjectName(QStringLiteral("DiagrammTempo"));
    chart->setAccessibleName(QStringLiteral("Gehaltenes Tempo nach Tagen"));
    chart->setRenderHint(QPainter::Antialiasing);
    chart->setMinimumSize(360, 96);
    chart->setMaximumHeight(104);
    noDays = new QLabel(QStringLiteral("Noch an keinem Tag ein Tempo gehalten"), this);
    noDays->setObjectName(QStringLiteral("LKeinTempo"));
    noDays->setProperty("role", QStringLiteral("note"));
    noDays->setAlignment(Qt::AlignCenter);
    noDays->setMinimumSize(360, 96);
    noDays->setMaximumHeight(104);
    auto* days = new QVBoxLayout;
    auto* caption = new QLabel(QStringLiteral("Gehaltenes Tempo je Tag, Karten/s"), this);
    caption->setProperty("role", QStringLiteral("note"));
    caption->setBuddy(chart);
    days->addWidget(caption);
    days->addWidget(chart);
    days->addWidget(noDays);
    layout->addLayout(days, 3);
    ShowHistory({});
}

void PaceFinderPanel::ShowFinder(const PaceFinder& finder) {
    pace->setText(QStringLiteral("Tempo: %1").arg(Pace(finder.CardsPerSecond())));
    const auto best = finder.HeldPace();
    held->setText(best ? QStringLiteral("Gehalten: %1").arg(Pace(*best))
                       : QStringLiteral("Gehalten: noch nicht (%1 von mindestens %2 Abfragen)")
                             .arg(finder.Checks().size())
                             .arg(MIN_HELD_CHECKS));
}

void PaceFinderPanel::ShowHistory(const std::vector<DrillSessionRecord>& sessions) {
    const std::vector<DailyPace> days = HeldPaceByDay(sessions);
    chart->setVisible(!days.empty());
    noDays->setVisible(days.empty());
    QChart* plot = chart->chart();
    plot->removeAllSeries();
    for (QAbstractAxis* axis : plot->axes()) {
        plot->removeAxis(axis);
        delete axis;
    }
    if (days.empty()) return;

    auto* line = new QLineSeries;
    auto* points = new QScatterSeries;
    points->setMarkerSize(7);
    QPen pen(QColor(0x2a, 0x6a, 0x3a));
    pen.setWidth(2);
    line->setPen(pen);
    points->setColor(QColor(0x2a, 0x6a, 0x3a));
    double fastest = 0.0;
    for (const DailyPace& day : days) {
        const QDate date = QDate::fromString(QString::fromStdString(day.day), Qt::ISODate);
        if (!date.isValid()) continue;
        const qreal x = QDateTime(date, QTime(12, 0)).toMSecsSinceEpoch();
        line->append(x, day.cardsPerSecond);
        points->append(x, day.cardsPerSecond);
        fastest = std::max(fastest, day.cardsPerSecond);
    }
    plot->addSeries(line);
    plot->addSeries(points);
    auto* x = new QDateTimeAxis;
    x->setFormat(QStringLiteral("dd.MM."));
    x->setTickCount(std::clamp(static_cast<int>(days.size()), 2, 6));
    if (days.size() == 1) {
        // One day alone would make an axis of no length.
        const qreal middle = line->at(0).x();
        x->setRange(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(middle) - 86400000),
                    QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(middle) + 86400000));
    }
    auto* y = new QValueAxis;
    y->setRange(0.0, std::max(1.0, fastest * 1.2));
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setTickCount(3);
    y->applyNiceNumbers();
    StyleAxis(x);
    StyleAxis(y);
    plot->addAxis(x, Qt::AlignBottom);
    plot->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series :
         {static_cast<QAbstractSeries*>(line), static_cast<QAbstractSeries*>(points)}) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
}

}  // namespace tavexo
