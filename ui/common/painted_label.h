#pragma once

#include <QColor>
#include <QLabel>

namespace tavexo {

// A label that changes its colours often (a hand's total turning red when
// it busts, a round's result badge): it paints its text, and the rounded
// field behind it, in colours set directly. A style sheet would have to
// work its rules out anew at every change, which costs a fast robot table
// more than everything else it draws. The font still comes from the style.
class PaintedLabel : public QLabel {
    Q_OBJECT
  public:
    struct Colours {
        QColor text;
        QColor field;   // none: no field
        QColor border;  // none: no border
        int radius = 0;
        int padding = 0;  // left and right of the text
    };

    explicit PaintedLabel(QWidget* parent = nullptr);

    void SetColours(const Colours& colours);
    const Colours& CurrentColours() const { return colours_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Colours colours_;
};

}  // namespace tavexo
