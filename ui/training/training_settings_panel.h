#pragma once

#include <QWidget>

#include <functional>
#include <string>

#include "settings/file_io.h"
#include "settings/settings_store.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace tavexo {

class Table;

// The training settings of the training centre: the advisor's reaction to a
// deviation, training mode, beep and count display, the stake check, the
// insurance threshold and the bet ramp. Every click stores its key in
// "Allgemein.ini" and changes the setting in memory at once; a write that
// fails is reported and the control goes back to the stored value.
class TrainingSettingsPanel : public QWidget {
    Q_OBJECT
  public:
    TrainingSettingsPanel(Table& table, const std::string& settingsFolder,
                          QWidget* parent = nullptr);

  signals:
    void showCountsChanged(bool on);

  private:
    QGroupBox* BuildReactionGroup();
    QGroupBox* BuildTrainingGroup();
    QGroupBox* BuildStakeGroup();
    QGroupBox* BuildInsuranceGroup();
    QGroupBox* BuildBetRampGroup();
    QCheckBox* AddCheck(QWidget* parent, const char* name, const QString& text, bool checked,
                        std::function<FileResult(bool)> save);
    QButtonGroup* AddChoices(QWidget* parent, const QStringList& items, int chosen,
                             std::function<FileResult(int)> save, int columns,
                             QLabel* helpMark = nullptr);
    // Reports a failed write; returns whether the value was stored.
    bool Stored(const FileResult& result);
    void ApplyTrainingPanel();

    Table& table_;
    SettingsStore store_;
};

// A "?" that opens the help at a topic, by mouse or keyboard.
QLabel* MakeHelpMark(QWidget* parent, int context, const QString& hint);

}  // namespace tavexo
