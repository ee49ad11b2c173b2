#pragma once

#include <QWidget>

class QToolButton;

namespace tavexo {

// The tool bar's buttons ("POben"), left to right, and the help button at
// the right end.
class TopPanel : public QWidget {
    Q_OBJECT
  public:
    explicit TopPanel(QWidget* parent);

    QToolButton* bBeenden;
    QToolButton* bStart;
    QToolButton* bStop;
    QToolButton* bStatistik;
    QToolButton* bProfile;
    QToolButton* bStrategietabellen;
    QToolButton* bHinweise;
    QToolButton* bTraining;
    QToolButton* bOptionen;
    QToolButton* bNeues;       // "bsSkinSpeedButton1"
    QToolButton* bLiveTische;  // "bsSkinSpeedButton2"
    QToolButton* bHelp;
};

}  // namespace tavexo
