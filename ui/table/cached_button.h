#pragma once

#include <QPixmap>
#include <QPushButton>

#include <map>

namespace tavexo {

// A push button that draws each of its looks (enabled or not, pressed,
// under the mouse) once and then copies the picture: the table enables and
// disables a box's buttons at every turn, and a robot table takes hundreds
// of turns a second. The look is the style's, drawn by the style.
class CachedButton : public QPushButton {
    Q_OBJECT
  public:
    CachedButton(const QString& text, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    std::map<int, QPixmap> pictures_;
    QString drawnText_;
};

}  // namespace tavexo
