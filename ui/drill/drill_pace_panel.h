#pragma once

#include <QWidget>

#include "drill/drill_view.h"

class QButtonGroup;
class QPushButton;
class QSpinBox;

namespace tavexo {

// The drill's pace and run controls: the three delays and the deck count,
// what sounds with each card, and "Starten", "Stoppen", "Pause" with a
// "Speichern" and a "Schließen".
class DrillPacePanel : public QWidget {
    Q_OBJECT
  public:
    explicit DrillPacePanel(QWidget* parent = nullptr);

    QSpinBox* cardDelay;         // spV1
    QSpinBox* playerDelay;       // spV2
    QSpinBox* clearPause;        // spV3
    QSpinBox* decks;             // spV4
    QButtonGroup* announcement;  // RGAnsage, ids 0 to 2
    QPushButton* start;
    QPushButton* stop;
    QPushButton* pause;
    QPushButton* save;
    QPushButton* close;

    void SetControls(const DrillControls& controls);
};

}  // namespace tavexo
