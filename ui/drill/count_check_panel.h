#pragma once

#include <QGroupBox>

#include <optional>
#include <vector>

#include "drill/count_check.h"
#include "drill/drill_history.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace tavexo {

// The count check: when the drill asks, the user's answer (running count,
// and the true count when asked for), the verdict and the score of the
// session.
class CountCheckPanel : public QGroupBox {
    Q_OBJECT
  public:
    explicit CountCheckPanel(QWidget* parent = nullptr);

    QComboBox* mode;           // cbAbfrage: "nie", "nach jeder Runde", "am Ende des Schlittens"
    QCheckBox* askRelative;    // cbWahr
    QSpinBox* running;         // spLaufend
    QDoubleSpinBox* relative;  // spWahr
    QPushButton* answer;       // BPruefen
    QPushButton* skip;         // BAuslassen
    QLabel* verdict;           // LUrteil
    QLabel* score;             // LPunkte
    QTableWidget* history;     // GVerlauf

    void Ask(bool withRelative);
    void EndQuestion();
    void ShowVerdict(const CountCheck& check);
    void ShowScore(const DrillScore& score);

  signals:
    void answered(int running, std::optional<double> relative);
    void skipped();

  private:
    void Answer();
};

// The latest scored sessions from the history file, newest first.
class DrillHistoryGroup : public QGroupBox {
    Q_OBJECT
  public:
    explicit DrillHistoryGroup(QWidget* parent = nullptr);
    void ShowHistory(const std::vector<DrillSessionRecord>& sessions);

  private:
    QTableWidget* grid_;  // GVerlauf
};

// "Richtig! Der Count steht bei 5." or "Laufender Count um 2 daneben: er
// steht bei 5.", with the true count's part where it was asked.
QString VerdictText(const CountCheck& check);

}  // namespace tavexo
