#pragma once

#include <QPixmap>
#include <QWidget>

namespace tavexo {

// The green table under the frames, with its printed picture.
class TableArea : public QWidget {
    Q_OBJECT
  public:
    explicit TableArea(QWidget* parent);

  signals:
    void resized();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QPixmap cloth_;  // painted once per size
};

}  // namespace tavexo
