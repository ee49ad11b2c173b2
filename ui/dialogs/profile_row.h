#pragma once

#include <QFrame>

#include "settings/profiles.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace tavexo {

// One box's profile in the profiles dialog: name, whether the box takes
// part, who plays it, and its money per unit and starting capital. The row
// only edits; the dialog's "Speichern" takes the values over.
class ProfileRow : public QFrame {
    Q_OBJECT
  public:
    static constexpr int MAX_NAME_LENGTH = 15;

    ProfileRow(int box, QSize size, QWidget* parent = nullptr);

    int Box() const { return box_; }
    void Show(const BoxProfile& profile);
    // The row as a profile; the name is the text as typed (UTF-8).
    BoxProfile Edited() const;

    void SetActive(bool active);
    void SetRobot(bool robot);

  private:
    int box_;
    QLineEdit* eName_ = nullptr;
    QCheckBox* cbAktiv_ = nullptr;
    QRadioButton* human_ = nullptr;
    QRadioButton* robot_ = nullptr;
    QSpinBox* spStueck_ = nullptr;
    QSpinBox* spKapital_ = nullptr;
};

}  // namespace tavexo
