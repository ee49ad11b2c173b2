#pragma once

#include <QTimer>
#include <QWidget>

class QChartView;
class QLabel;
class QRadioButton;

namespace tavexo {

class Table;

// The chart tab of a box: the capital over the rounds of its history, and
// the result by count as bars with the number of games. The bars show either
// the count at the moment of the bet (what the bet ramp bets by) or the nine
// buckets of the detail statistics (the count after the box's own cards); a
// note under the bars says which. Each chart saves itself as a PNG picture
// from its context menu.
class CountCharts : public QWidget {
    Q_OBJECT
  public:
    // A picture is offered to be saved in `pictureFolder`.
    CountCharts(Table& table, int box, QString pictureFolder, QWidget* parent = nullptr);

    // Redraws soon; many changes in a row (a fast robot run) draw once.
    void Refresh();
    // Redraws now.
    void Rebuild();

    QChartView* CapitalView() const { return capitalView_; }
    QChartView* CountView() const { return countView_; }
    bool ShowsBetCount() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void RebuildCapital();
    void RebuildCounts();
    void SaveAsPicture(QChartView* view);

    Table& table_;
    int box_;
    QString pictureFolder_;
    QChartView* capitalView_ = nullptr;
    QChartView* countView_ = nullptr;
    QRadioButton* byBet_ = nullptr;
    QRadioButton* byBucket_ = nullptr;
    QLabel* note_ = nullptr;
    QTimer pending_;
};

}  // namespace tavexo
