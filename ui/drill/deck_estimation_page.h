#pragma once

#include <optional>

#include "drill/deck_estimation.h"
#include "ui/drill/drill_page.h"

class QComboBox;
class QDoubleSpinBox;
class QSpinBox;

namespace tavexo {

class DiscardTrayView;

// "Decks schätzen": a discard tray after another; the user estimates the
// decks left in the shoe to the half or quarter deck and learns the true
// value and how far off the estimate was. A round of N trays ends with the
// mean error, the share within half a step and the time per answer.
//
// By keyboard: type the decks (digits and a comma), Return answers, Return
// again shows the next tray.
class DeckEstimationPage : public DrillPage {
    Q_OBJECT
  public:
    DeckEstimationPage(QtTableHost& host, ShoeShuffler& random, std::string trainingFolder,
                       QWidget* parent = nullptr);

    bool RoundInProgress() const override { return round_.has_value(); }
    void EndRound() override;
    QWidget* FirstFocus() const override;

    QComboBox* shoeDecks;    // cbDecks: the shoe the trays belong to
    QComboBox* step;         // cbGenauigkeit: "halbe Decks", "Viertel-Decks"
    QSpinBox* pictures;      // spBilder: trays per round
    QDoubleSpinBox* answer;  // spRestDecks
    QPushButton* check;      // BAntwort: "Prüfen", after the verdict "Weiter"
    DiscardTrayView* tray;

  private:
    void Start();
    void AnswerOrGoOn();
    void ShowTray();
    void Finish(bool stopped);
    DeckEstimationSettings Settings() const;
    QString SettingText() const;

    ShoeShuffler& random_;
    std::optional<DeckEstimationRound> round_;
    bool answered_ = false;
};

}  // namespace tavexo
