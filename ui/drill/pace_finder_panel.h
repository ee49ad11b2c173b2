#pragma once

#include <QGroupBox>

#include <vector>

#include "drill/drill_history.h"
#include "drill/pace_finder.h"

class QChartView;
class QCheckBox;
class QLabel;

namespace tavexo {

// "Tempo finden" on the counting drill's page: its check box turns it on.
// While on, the drill deals at a pace that rises after every
// right count check and falls after a wrong one; the panel shows the pace
// now, the fastest pace held at 95 % right over ten checks or more, and the
// pace held day by day as a chart.
class PaceFinderPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit PaceFinderPanel(QWidget* parent = nullptr);

    // The session as it goes on.
    void ShowFinder(const PaceFinder& finder);
    // The days from the drill's history.
    void ShowHistory(const std::vector<DrillSessionRecord>& sessions);

    QCheckBox* on;      // cbTempo
    QLabel* pace;       // LTempo
    QLabel* held;       // LGehalten
    QChartView* chart;  // DiagrammTempo
    QLabel* noDays;     // LKeinTempo, in the chart's place while no day has a pace
};

}  // namespace tavexo
