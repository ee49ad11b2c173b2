#pragma once

#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "ui/program.h"

namespace tavexo::uitest {

// The program as the user starts it, but in a private data folder, on a
// 1920 x 1080 screen, silent, with message boxes recorded instead of shown.
// `adjust` may change the configuration before the start.
std::unique_ptr<Program> StartProgram(const QString& dataBase, bool fadeIn = true,
                                      const std::function<void(ProgramConfig&)>& adjust = {});

// No delays and no sound cues, so that rounds run as fast as the table can.
void QuickTable(Program& program);

// Seats the given boxes (all others switched off), with 1000 capital and 5
// per unit.
void Seat(Program& program, std::initializer_list<int> humans, std::initializer_list<int> robots);

// Answers the next modal dialog as soon as it is up.
void WhenModal(std::function<void(QWidget*)> answer);

// The next file dialog: checks its title, filter and (unless empty) its
// starting folder, then takes the path, or is cancelled for an empty one.
void ChooseFile(const QString& title, const QString& filter, const QString& folder,
                const QString& path);

// Types `path` into an open file dialog's name field and presses its
// accept button.
void TypeFileName(QFileDialog& dialog, const QString& path);

// The next message box: keeps its text in `text` (when given) and answers
// with `button`, or with its first button if it has no such one.
void AnswerMessage(QMessageBox::StandardButton button, QString* text = nullptr);

// Steps performed from inside a running table or drill (the run happens
// inside the click that starts it, so a test acts on it only from timers):
// each step once, in order, as soon as its condition holds. A run that has
// not ended after the time limit is stopped and counts as a failure.
class RunScript : public QObject {
    Q_OBJECT
  public:
    // Stops a table's run at the time limit.
    explicit RunScript(Table& table, int limitMs = 60000);
    // Calls `stopRun` at the time limit.
    explicit RunScript(std::function<void()> stopRun, int limitMs = 60000);
    void Then(std::function<bool()> when, std::function<void()> step);
    int StepsDone() const { return next_; }
    bool AllDone() const { return next_ == steps_.size(); }
    bool TimedOut() const { return timedOut_; }

  private:
    void Poll();

    std::function<void()> stopRun_;
    struct Step {
        std::function<bool()> when;
        std::function<void()> step;
    };
    std::vector<Step> steps_;
    size_t next_ = 0;
    QTimer timer_;
    QElapsedTimer clock_;
    int limitMs_;
    bool timedOut_ = false;
    bool busy_ = false;
};

}  // namespace tavexo::uitest
