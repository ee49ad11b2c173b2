#pragma once

#include <QGroupBox>

class QVBoxLayout;

namespace tavexo {

// A group with a check mark in its title that rolls up to the title when
// the mark is taken off and unrolls when it is set: the drill's help
// displays are there only for those who want them.
class RollUpGroup : public QGroupBox {
    Q_OBJECT
  public:
    RollUpGroup(const QString& title, const QString& objectName, QWidget* parent = nullptr);

    // The layout the group's contents go into.
    QVBoxLayout* Contents() const { return contentsLayout_; }
    bool RolledUp() const { return !contents_->isVisibleTo(this); }
    // Sets the mark and the rolled-up state with it, even where the mark
    // does not change (and so sends no signal).
    void SetMarked(bool marked);

  private:
    QWidget* contents_;
    QVBoxLayout* contentsLayout_;
};

}  // namespace tavexo
