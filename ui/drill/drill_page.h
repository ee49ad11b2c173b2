#pragma once

#include <QWidget>

#include <functional>
#include <string>

#include "drill/exercise_history.h"
#include "drill/quiz_score.h"

class QFormLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace tavexo {

class QtTableHost;
class ExerciseHistoryGrid;

// What the timed drill pages of "Zählen üben" share. Left the page's own
// picture ("stage"); right its settings, "Starten" and "Beenden", the
// verdict on the last answer, the score of the round, the latest rounds
// and "Schließen". A round runs from "Starten" to its last question or
// "Beenden"; its score then goes to "Übungsverlauf.csv". A round is not a
// long handler (every answer is an event of its own), but like a drill run
// it does not start while a table run plays, and a table run does not
// start while it is going on.
class DrillPage : public QWidget {
    Q_OBJECT
  public:
    DrillPage(const QString& objectName, const char* exercise, int helpContext, QtTableHost& host,
              std::string trainingFolder, QWidget* parent = nullptr);

    // Asked before a round starts: a non-empty answer is shown instead.
    void SetRunBlocker(std::function<QString()> blocker) { blocker_ = std::move(blocker); }
    virtual bool RoundInProgress() const = 0;
    // Ends a round at once (the window is closed, the program ends); what
    // was answered is scored and kept.
    virtual void EndRound() = 0;
    // The control that should have the keyboard when the page comes up.
    virtual QWidget* FirstFocus() const;

    QPushButton* StartButton() const { return start_; }
    QPushButton* StopButton() const { return stop_; }
    QLabel* Status() const { return status_; }

  signals:
    // A round began or ended.
    void roundChanged(bool inProgress);
    void closeRequested();

  protected:
    QVBoxLayout* Stage() const { return stage_; }
    QFormLayout* SettingsForm() const { return settingsForm_; }
    QVBoxLayout* AnswerArea() const { return answerArea_; }
    QtTableHost& Host() const { return host_; }
    const std::string& TrainingFolder() const { return trainingFolder_; }

    // Asks the run blocker; false (with the reason shown and a beep) when a
    // table run holds the event loop.
    bool MayStart();
    void ShowStatus(const QString& text);
    void ShowVerdict(const QString& text, bool right);
    void ClearVerdict();
    void ShowScore(const QuizScore& score, const QString& unit);
    // The round's score into the history file and the grid; nothing for a
    // round without an answer.
    void KeepRound(const QString& setting, const QuizScore& score, bool withError);
    // The run buttons and the settings follow the round.
    void SetRoundControls(bool inProgress);
    void ReloadHistory();

  private:
    std::string exercise_;
    QtTableHost& host_;
    std::string trainingFolder_;
    std::function<QString()> blocker_;

    QLabel* status_ = nullptr;
    QVBoxLayout* stage_ = nullptr;
    QGroupBox* settings_ = nullptr;
    QFormLayout* settingsForm_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* stop_ = nullptr;
    QVBoxLayout* answerArea_ = nullptr;
    QLabel* verdict_ = nullptr;
    QLabel* score_ = nullptr;
    ExerciseHistoryGrid* history_ = nullptr;
    QPushButton* close_ = nullptr;
};

// "yyyy-MM-dd HH:mm" of the local time now, as the history files keep it.
std::string HistoryTimeNow();

}  // namespace tavexo
