#pragma once

#include <QDialog>

#include <array>

#include "engine/table_state.h"

class QCheckBox;
class QPushButton;

namespace tavexo {

class Program;
class ProfileRow;

// The player profiles dialog: one row per box, laid out on an arc that
// mirrors the table (box 1 on the right). The rows are filled once, when the
// dialog is made; closing only hides it, so unsaved edits stay. "Speichern"
// writes "Spieler.tvxo" and hands the profiles to the running boxes; the
// switch that hides inactive boxes acts at once on its own.
class ProfilesDialog : public QDialog {
    Q_OBJECT
  public:
    // The arc's plan: rows of 254 x 110 on a dialog 915 wide, made for
    // smaller text than ours. The whole plan is drawn larger by Scale().
    static constexpr int PLAN_WIDTH = 915;

    explicit ProfilesDialog(Program& program, QWidget* parent = nullptr);

    ProfileRow* Row(int box) const { return rows_[box - 1]; }
    // How much larger than the plan the dialog is drawn.
    double Scale() const { return scale_; }

    // Both "Speichern" buttons. A failed write changes nothing but shows the
    // error; the record, the boxes and the rows stay as they were.
    void SaveProfiles();

  private:
    void BuildTopBar();
    void BuildRows();
    void BuildCentre();
    void BuildBottomBar();
    void AllActiveToggled(bool checked);
    void RobotForAllToggled(bool checked);
    void HidePassiveToggled(bool checked);

    int Scaled(int plan) const;

    Program& program_;
    double scale_ = 1.0;
    std::array<ProfileRow*, BOX_COUNT> rows_{};
    QCheckBox* cbAlleAktiv_ = nullptr;
    QCheckBox* cbRobotMensch_ = nullptr;
    QCheckBox* cbHide_ = nullptr;
};

}  // namespace tavexo
