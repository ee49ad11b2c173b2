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

    // The width the buttons need with their captions; narrower, they show
    // their pictures alone (each caption stays its tooltip).
    int CaptionedWidth() const;
    bool IsCompact() const { return compact_; }
    QSize minimumSizeHint() const override;

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

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void SetCompact(bool compact);

    bool compact_ = false;
    int captionedWidth_ = 0;
};

}  // namespace tavexo
