#pragma once

#include <optional>

#include "drill/true_count_quiz.h"
#include "ui/drill/drill_page.h"

class QComboBox;
class QDoubleSpinBox;
class QSpinBox;
class QStackedWidget;

namespace tavexo {

class DiscardTrayView;

// "Wahrer Zählwert": a running count and a shoe part-way through, shown as
// its discard tray or as the decks left; the user types the true count and
// is graded by the rule the table and the advisor play by (decks rounded
// half to even, the count doubled once half a deck or less is left), one
// decimal, timed.
//
// By keyboard: type the true count (a minus sign, digits, a comma), Return
// answers, Return again shows the next question.
class TrueCountPage : public DrillPage {
    Q_OBJECT
  public:
    TrueCountPage(QtTableHost& host, ShoeShuffler& random, std::string trainingFolder,
                  QWidget* parent = nullptr);

    bool RoundInProgress() const override { return round_.has_value(); }
    void EndRound() override;
    QWidget* FirstFocus() const override;

    QComboBox* shoeDecks;    // cbDecks
    QComboBox* display;      // cbAnzeige: "Ablage (Bild)", "Rest-Decks (Zahl)"
    QSpinBox* questions;     // spFragen
    QDoubleSpinBox* answer;  // spWahrerZaehlwert
    QPushButton* check;      // BAntwort
    QLabel* running;         // LLaufend
    QLabel* decksLeft;       // LRestDecks
    DiscardTrayView* tray;

  private:
    void Start();
    void AnswerOrGoOn();
    void ShowQuestion();
    void Finish(bool stopped);
    TrueCountSettings Settings() const;
    QString SettingText() const;

    ShoeShuffler& random_;
    QStackedWidget* shoe_ = nullptr;
    std::optional<TrueCountRound> round_;
    bool answered_ = false;
};

// How the rule reaches the true count of the question, for the verdict:
// "146 Karten sind 2,81 Decks, gerundet 3: 7 : 3 = 2,3".
QString TrueCountWorking(const TrueCountQuestion& question);

}  // namespace tavexo
