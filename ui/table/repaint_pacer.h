#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QWidget;

namespace tavexo {

// Lets a window repaint at most once a frame. Robots dealing without
// delays change the table hundreds of times a second, far more often than
// a screen shows or an eye follows; repainting after every card would
// spend the run on painting. What changes within a frame is painted
// together at the frame's end, so nothing is lost and the picture is never
// more than a frame behind. At the pace of a person every change is
// painted at once, as before.
class RepaintPacer : public QObject {
    Q_OBJECT
  public:
    // About 60 pictures a second.
    static constexpr int FRAME_MS = 16;

    explicit RepaintPacer(QWidget* window);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    QElapsedTimer sinceLastPaint_;
    QTimer frameEnd_;
};

}  // namespace tavexo
