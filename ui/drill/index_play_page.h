#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "drill/index_card_file.h"
#include "drill/index_cards.h"
#include "drill/quiz_score.h"
#include "ui/drill/drill_page.h"

class QComboBox;
class QShortcut;
class QSpinBox;
class QStackedWidget;

namespace tavexo {

class CardPainter;
class StrategyGridView;

// Where the index drill learns whom it drills, by which rules, and which
// day it is; the program hands in its own, a test a fixed day.
struct IndexPlaySources {
    std::function<TGameRules()> rules;
    std::function<TTrainingSettings()> training;
    // The players to choose from, the likely one first.
    std::function<std::vector<std::string>()> players;
    // Days since 1 January 1970 of the local date.
    std::function<int()> today;
};

// "Indexspiele": every index of the strategy tables that decides a hand
// under the table rules is a card (the hand, the dealer's card and a true
// count near the index). The user answers with the action buttons or their
// keys; the verdict names the table's cell in the training centre's words.
// The cards sit in Leitner boxes per player ("Indexspiele.csv"); a round
// asks the due cards first, then new ones, and a card answered wrong comes
// back once at the end of the round. Between rounds the page shows the
// tables coloured by each cell's box.
//
// By keyboard: Return starts, Z Ziehen, H Halten, V Verdoppeln, T Teilen,
// A Aufgeben, S Versichern, N Nicht versichern, Return goes on.
class IndexPlayPage : public DrillPage {
    Q_OBJECT
  public:
    IndexPlayPage(QtTableHost& host, CardPainter& cards, ShoeShuffler& random,
                  std::string trainingFolder, QWidget* parent = nullptr);

    void SetSources(IndexPlaySources sources);
    bool RoundInProgress() const override { return inRound_; }
    void EndRound() override;
    QWidget* FirstFocus() const override;
    // Reads the players and the rules again and redraws the boxes.
    void Refresh();

    QComboBox* player;                                      // cbSpieler
    QSpinBox* cardsPerRound;                                // spKarten
    QLabel* standing;                                       // LStand: due, new, learnt, weak
    std::array<QPushButton*, PLAY_CHOICE_COUNT> actions{};  // BZiehen .. BNichtVersichern
    QPushButton* goOn;                                      // BWeiter
    QLabel* count;                                          // LWahr: the true count of the question
    QLabel* question;                                       // LFrage
    QLabel* dealerCard;                                     // LDealer
    std::array<QLabel*, 3> handCards{};
    std::array<StrategyGridView*, 8> grids{};
    QLabel* insurance;  // LVersichern: the insurance threshold's box

    // The key of an action: Z, H, V, T, A, S, N.
    static QChar ActionKey(PlayChoice choice);

  private:
    void Start();
    void ShowQuestion();
    void Answer(PlayChoice choice);
    void GoOn();
    void DisableAnswers();
    void Finish(bool stopped);
    void ShowStanding();
    void ColourBoxes();
    std::vector<std::string> ActiveIds() const;
    std::string PlayerName() const;
    int Today() const;
    const IndexCard* CardById(const std::string& id) const;

    CardPainter& painter_;
    ShoeShuffler& random_;
    IndexPlaySources sources_;
    IndexCardStore store_;
    std::vector<IndexCard> cards_;
    TGameRules rules_;
    TTrainingSettings training_;

    QStackedWidget* stage_ = nullptr;
    QWidget* overview_ = nullptr;
    QWidget* questionPanel_ = nullptr;
    std::array<QShortcut*, PLAY_CHOICE_COUNT> keys_{};

    bool inRound_ = false;
    std::vector<std::string> session_;
    size_t next_ = 0;
    std::vector<std::string> askedAgain_;
    std::optional<IndexQuestion> question_;
    int64_t askedAt_ = 0;
    bool answered_ = false;
    QuizScore score_;
};

}  // namespace tavexo
