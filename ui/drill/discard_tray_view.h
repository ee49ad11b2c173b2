#pragma once

#include <QWidget>

#include <optional>

#include "drill/deck_estimation.h"

namespace tavexo {

// A discard tray seen from the side, painted by us: a smoked acrylic box as
// tall as the decks of its shoe, with the played cards stacked in it edge
// on. Every tray is drawn to the same scale (a deck is as thick in a
// one-deck tray as in an eight-deck one), so that the eye learns what a
// deck looks like. There are no marks on the tray: the user judges by eye.
class DiscardTrayView : public QWidget {
    Q_OBJECT
  public:
    explicit DiscardTrayView(QWidget* parent = nullptr);

    void ShowTray(const DiscardTray& tray);
    void Clear();
    const std::optional<DiscardTray>& Tray() const { return tray_; }

    // The height of the stack for `cards`, in pixels, at the current size.
    int StackHeight(int cards) const;

    QSize sizeHint() const override { return {220, 440}; }
    QSize minimumSizeHint() const override { return {160, 300}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double PixelsPerCard() const;

    std::optional<DiscardTray> tray_;
};

}  // namespace tavexo
