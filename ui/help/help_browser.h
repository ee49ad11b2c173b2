#pragma once

#include <QTextBrowser>

class QHelpEngineCore;

namespace tavexo::help {

// Shows the pages of the help file: pages, pictures and the style sheet come
// out of the compiled help, links to the web or to mail go to the desktop.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
  public:
    HelpBrowser(QHelpEngineCore& engine, QWidget* parent = nullptr);

    QVariant loadResource(int type, const QUrl& name) override;

    // Font size in points away from the normal size (negative: smaller).
    void SetZoomStep(int step);
    int ZoomStep() const { return zoomStep_; }
    static constexpr int NORMAL_POINT_SIZE = 11;
    static constexpr int MIN_ZOOM_STEP = -2;  // never below 9 pt
    static constexpr int MAX_ZOOM_STEP = 10;

  private:
    QHelpEngineCore& engine_;
    int zoomStep_ = 0;
};

}  // namespace tavexo::help
