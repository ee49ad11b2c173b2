#include "ui/statistics/count_charts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>

#include "engine/table.h"
#include "settings/file_io.h"
#include "stats/bucket_stats.h"
#include "stats/count_bins.h"
#include "ui/common/window_style.h"

namespace tavexo {

namespace {

constexpr int CAPITAL_COLUMN = 9;  // "Gesamt": the capital after the round
constexpr int MAX_POINTS = 2000;
constexpr int REFRESH_DELAY_MS = 300;
// The nine buckets from the lowest count to the highest.
constexpr std::array<int, BUCKET_COUNT> BUCKETS_BY_COUNT = {9, 8, 7, 6, 1, 2, 3, 4, 5};

const QString BET_NOTE = QStringLiteral(
    "Zählwert beim Setzen: der relative Zählwert vor dem Austeilen, nach dem die Einsatzrampe "
    "setzt (auf ganze Zahlen abgerundet). Er zeigt, wo das Zählen sich lohnt.");
const QString BUCKET_NOTE = QStringLiteral(
    "Zählwert der Statistik: nach den eigenen zwei Karten und der Dealerkarte. Eigene gute "
    "Karten (Zehner, Asse) senken ihn, daher wirken hier die niedrigen Bereiche günstiger.");

// A money cell of the history ("1.234,5 €", "0,0") as a number.
bool ReadAmount(const std::string& cell, double& value) {
    QString t = QString::fromUtf8(cell.data(), static_cast<qsizetype>(cell.size()));
    t.remove(QStringLiteral("€"));
    t = t.trimmed();
    if (t.isEmpty()) return false;
    bool ok = false;
    value = QLocale().toDouble(t, &ok);
    if (!ok) value = QLocale(QLocale::German, QLocale::Germany).toDouble(t, &ok);
    return ok;
}

// A bar's label: the count, and below it the number of games (the axis
// title says so; a word more would not fit under a narrow bar).
QString GamesLabel(const QString& count, quint64 games) {
    return QStringLiteral("%1<br>%2").arg(count.toHtmlEscaped()).arg(games);
}

const QString CAPITAL_TITLE = QStringLiteral("Kapital im Verlauf");
const QString COUNT_TITLE = QStringLiteral("Ergebnis nach Zählwert");

QChart* NewChart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->hide();
    chart->setBackgroundBrush(STYLE_GRID_BACKGROUND);
    chart->setTitleBrush(STYLE_GRID_TEXT);
    QFont font = chart->titleFont();
    font.setPointSize(11);
    font.setBold(true);
    chart->setTitleFont(font);
    return chart;
}

void StyleAxis(QAbstractAxis* axis, const QString& title) {
    axis->setTitleText(title);
    axis->setLabelsBrush(STYLE_GRID_TEXT);
    axis->setTitleBrush(STYLE_GRID_TEXT);
    QFont font = axis->labelsFont();
    font.setPointSize(9);
    axis->setLabelsFont(font);
}

// Puts the axes under and beside the chart's one series: money in whole
// euros on round steps.
void AttachAxes(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QValueAxis* y) {
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
}

}  // namespace

CountCharts::CountCharts(Table& table, int box, QString pictureFolder, QWidget* parent)
    : QWidget(parent), table_(table), box_(box), pictureFolder_(std::move(pictureFolder)) {
    setObjectName(QStringLiteral("Diagramme"));
    capitalView_ = new QChartView(NewChart(CAPITAL_TITLE), this);
    capitalView_->setObjectName(QStringLiteral("DiagrammKapital"));
    capitalView_->setAccessibleName(CAPITAL_TITLE);
    capitalView_->setRenderHint(QPainter::Antialiasing);
    countView_ = new QChartView(NewChart(COUNT_TITLE), this);
    countView_->setObjectName(QStringLiteral("DiagrammZaehlwert"));
    countView_->setAccessibleName(COUNT_TITLE);

    for (QChartView* view : {capitalView_, countView_}) {
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        view->setFocusPolicy(Qt::StrongFocus);
        connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& at) {
            QMenu menu(this);
            QAction* save = menu.addAction(QStringLiteral("Als &PNG-Bild speichern..."));
            if (menu.exec(view->mapToGlobal(at)) == save) SaveAsPicture(view);
        });
    }

    byBet_ = new QRadioButton(QStringLiteral("Zählwert beim &Setzen"), this);
    byBet_->setObjectName(QStringLiteral("RBSetzen"));
    byBucket_ = new QRadioButton(QStringLiteral("Zählwert-&Bereiche der Statistik"), this);
    byBucket_->setObjectName(QStringLiteral("RBBereiche"));
    byBet_->setChecked(true);
    connect(byBet_, &QRadioButton::toggled, this, &CountCharts::Rebuild);

    note_ = new QLabel(BET_NOTE, this);
    note_->setObjectName(QStringLiteral("LHinweis"));
    note_->setProperty("role", QStringLiteral("note"));
    note_->setWordWrap(true);

    // Each chart saves itself as a picture from a button (and from its
    // context menu).
    auto* saveCapital = new QPushButton(QStringLiteral("&Kapital-Diagramm speichern..."), this);
    saveCapital->setObjectName(QStringLiteral("BBildKapital"));
    saveCapital->setToolTip(QStringLiteral("Das Diagramm „Kapital im Verlauf“ als PNG-Bild"));
    connect(saveCapital, &QPushButton::clicked, this, [this] { SaveAsPicture(capitalView_); });
    auto* saveCounts = new QPushButton(QStringLiteral("&Ergebnis-Diagramm speichern..."), this);
    saveCounts->setObjectName(QStringLiteral("BBildZaehlwert"));
    saveCounts->setToolTip(QStringLiteral("Das Diagramm „Ergebnis nach Zählwert“ als PNG-Bild"));
    connect(saveCounts, &QPushButton::clicked, this, [this] { SaveAsPicture(countView_); });

    auto* choice = new QHBoxLayout;
    choice->addWidget(new QLabel(QStringLiteral("Balken nach:"), this));
    choice->addWidget(byBet_);
    choice->addWidget(byBucket_);
    choice->addStretch(1);
    choice->addWidget(saveCapital);
    choice->addWidget(saveCounts);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(capitalView_, 1);
    layout->addLayout(choice);
    layout->addWidget(countView_, 1);
    layout->addWidget(note_);

    pending_.setSingleShot(true);
    pending_.setInterval(REFRESH_DELAY_MS);
    connect(&pending_, &QTimer::timeout, this, &CountCharts::Rebuild);
}

bool CountCharts::ShowsBetCount() const {
    return byBet_->isChecked();
}

void CountCharts::Refresh() {
    if (!pending_.isActive()) pending_.start();
}

void CountCharts::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Rebuild();
}

void CountCharts::Rebuild() {
    pending_.stop();
    // Whose charts they are, in the picture as on the screen: the box's
    // player as the table names him now.
    const TPlayerBox& b = table_.Box(box_);
    const QString owner = QString::fromStdString(b.isRobot ? "Robot für " + b.name : b.name);
    capitalView_->chart()->setTitle(QStringLiteral("%1 – %2").arg(CAPITAL_TITLE, owner));
    countView_->chart()->setTitle(QStringLiteral("%1 – %2").arg(COUNT_TITLE, owner));
    RebuildCapital();
    RebuildCounts();
}

void CountCharts::RebuildCapital() {
    const TextGrid& grid = table_.HistoryGrid(box_);
    const int rows = grid.RowCount() - 1;
    const int step = std::max(1, (rows + MAX_POINTS - 1) / MAX_POINTS);
    QList<QPointF> points;
    double lowest = 0.0, highest = 0.0;
    for (int r = 1; r <= rows; ++r) {
        if (r % step != 0 && r != rows) continue;
        double capital = 0.0;
        if (!ReadAmount(grid.Cell(CAPITAL_COLUMN, r), capital)) continue;
        if (points.isEmpty()) lowest = highest = capital;
        lowest = std::min(lowest, capital);
        highest = std::max(highest, capital);
        points.append(QPointF(r, capital));
    }

    QChart* chart = capitalView_->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) chart->removeAxis(axis);
    auto* series = new QLineSeries;
    series->replace(points);
    series->setPen(QPen(QColor(0x2f, 0x6b, 0x3f), 2));
    chart->addSeries(series);
    auto* x = new QValueAxis;
    StyleAxis(x, QStringLiteral("Runde"));
    x->setLabelFormat(QStringLiteral("%d"));
    x->setRange(1, std::max(2, rows));
    auto* y = new QValueAxis;
    StyleAxis(y, QStringLiteral("Kapital (€)"));
    const double margin = std::max(1.0, (highest - lowest) * 0.05);
    y->setRange(lowest - margin, highest + margin);
    AttachAxes(chart, series, x, y);
}

void CountCharts::RebuildCounts() {
    QStringList categories;
    QList<qreal> results;
    if (byBet_->isChecked()) {
        const CountBins& bins = table_.BetCountBins(box_);
        // The bins that hold rounds, and at least -3 .. +3.
        int first = -3, last = 3;
        for (int bin = CountBins::LOWEST; bin <= CountBins::HIGHEST; ++bin) {
            if (bins.At(bin).rounds == 0) continue;
            first = std::min(first, bin);
            last = std::max(last, bin);
        }
        for (int bin = first; bin <= last; ++bin) {
            QString label = QString::number(bin);
            if (bin == CountBins::LOWEST) label = QStringLiteral("≤ %1").arg(bin);
            if (bin == CountBins::HIGHEST) label = QStringLiteral("≥ %1").arg(bin);
            if (bin > 0 && bin < CountBins::HIGHEST) label.prepend(QLatin1Char('+'));
            categories << GamesLabel(label, bins.At(bin).rounds);
            results << bins.At(bin).result;
        }
        note_->setText(BET_NOTE);
    } else {
        for (int bucket : BUCKETS_BY_COUNT) {
            const TBucketStats& s = table_.Stats().At(box_, bucket);
            categories << GamesLabel(QString::fromUtf8(BUCKET_LABELS[bucket - 1]), s.games);
            results << static_cast<qreal>(s.wonMoney) + static_cast<qreal>(s.lostMoney);
        }
        note_->setText(BUCKET_NOTE);
    }

    QChart* chart = countView_->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) chart->removeAxis(axis);
    auto* set = new QBarSet(QStringLiteral("Ergebnis"));
    set->append(results);
    set->setColor(QColor(0x2f, 0x6b, 0x3f));
    set->setBorderColor(QColor(0x1e, 0x1a, 0x12));
    auto* series = new QBarSeries;
    series->append(set);
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(categories);
    StyleAxis(x, QStringLiteral("Zählwert, darunter die Zahl der Spiele"));
    auto* y = new QValueAxis;
    StyleAxis(y, QStringLiteral("Ergebnis (€)"));
    const auto [low, high] = std::minmax_element(results.begin(), results.end());
    const double bottom = std::min(0.0, *low), top = std::max(0.0, *high);
    const double margin = std::max(1.0, (top - bottom) * 0.05);
    y->setRange(bottom - (bottom < 0 ? margin : 0), top + margin);
    AttachAxes(chart, series, x, y);
}

void CountCharts::SaveAsPicture(QChartView* view) {
    // Offered beside the statistics, named after the chart and the box.
    const QString suggested =
        QStringLiteral("%1, Box %2.png").arg(view->accessibleName()).arg(box_);
    QFileDialog dialog(this, QStringLiteral("Diagramm speichern"),
                       QDir(pictureFolder_).filePath(suggested));
    dialog.setObjectName(QStringLiteral("DateiDialog"));
    dialog.setNameFilter(QStringLiteral("PNG-Bild (*.png)"));
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().constFirst();
    // The picture is made in memory and then replaces the file as a whole,
    // so that a full disk cannot leave half a picture in place of an old one.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!view->grab().save(&buffer, "PNG")) {
        ShowErrorBox(this, QStringLiteral("Das Bild \"%1\" kann nicht gespeichert werden.")
                               .arg(QDir::toNativeSeparators(path)));
        return;
    }
    const std::string target = path.toStdString();
    if (const int error =
            ReplaceFileContents(target, std::string_view(png.constData(), png.size()));
        error != 0) {
        ShowErrorBox(this, QString::fromStdString(WriteFailure(target, error).message));
    }
}

}  // namespace tavexo
