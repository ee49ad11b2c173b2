#pragma once

#include <QDialog>

#include <array>

#include "settings/program_settings.h"
#include "settings/settings_store.h"

class QButtonGroup;
class QCheckBox;
class QSpinBox;

namespace tavexo {

class Program;

// The options and rules dialog: on the left which events make a sound and
// the three delays, on the right the table rules. The controls are filled
// once, when the dialog is made; closing only hides it, so edits that were
// not saved are still there when it opens again, while the table goes on
// with the saved values. "Speichern" stores every key in one go and then
// acts at once: the decision gauges and the wait between rounds follow
// immediately, the deck count at the next shuffle.
class OptionsDialog : public QDialog {
    Q_OBJECT
  public:
    // The dialog was planned at 580 x 440 for 8-point text; with our 10-point
    // text the four deck counts side by side and the delays' captions need
    // some 15 % more room. Drawn so, it is 667 x 506.
    static constexpr int PLAN_WIDTH = 580;
    static constexpr int PLAN_HEIGHT = 440;
    static constexpr double PLAN_SCALE = 1.15;
    static constexpr int Width() { return static_cast<int>(PLAN_WIDTH * PLAN_SCALE + 0.5); }
    static constexpr int Height() { return static_cast<int>(PLAN_HEIGHT * PLAN_SCALE + 0.5); }

    explicit OptionsDialog(Program& program, QWidget* parent = nullptr);

    // Both "Speichern" buttons; the dialog stays open.
    void SaveProgramOptions();

  private:
    QWidget* BuildTopBar();
    QWidget* BuildFlowHalf();
    QWidget* BuildRulesHalf();
    QWidget* BuildBottomBar();
    void Fill(const TProgramOptions& options);
    TProgramOptions Edited() const;

    Program& program_;
    std::array<QCheckBox*, SOUND_CUE_COUNT> soundCues_{};
    QCheckBox* cbRobotTon_ = nullptr;
    QSpinBox* spV1_ = nullptr;
    QSpinBox* spV2_ = nullptr;
    QSpinBox* spV3_ = nullptr;
    QButtonGroup* rg2_ = nullptr;
    QCheckBox* cbSoft_ = nullptr;
    QButtonGroup* rgDecks_ = nullptr;
    QCheckBox* cbAsse_ = nullptr;
    QCheckBox* cbAufgeben_ = nullptr;
};

}  // namespace tavexo
