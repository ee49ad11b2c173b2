#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <string>

#include "drill/counting_drill.h"
#include "drill/drill_view.h"

class QLabel;
class QPushButton;

namespace tavexo {

class CardPainter;
class CountCheckPanel;
class DrillHistoryGroup;
class DrillDisplaysPanel;
class DrillPacePanel;
class DrillPlaceBox;
class QtTableHost;

// "Zählen üben": the counting drill's window. Seven boxes and the dealer
// receive cards at the chosen pace; the user keeps the count, may look at
// the control displays and may have the count checked. The window is made
// at its first opening and only hidden when closed; it reads "Counttrai.ini"
// when it is made and writes it on "Speichern".
class CountingDrillWindow : public QWidget, public DrillView {
    Q_OBJECT
  public:
    CountingDrillWindow(QtTableHost& host, CardPainter& cards, std::string trainingFolder,
                        QWidget* parent = nullptr);
    ~CountingDrillWindow() override;

    CountingDrill& Drill() { return drill_; }
    // A table run holds the event loop while this says so; the drill is
    // then not started (see CountingDrill::SetRunBlocker).
    void SetTableRunCheck(std::function<bool()> tableRunning);
    bool RunInProgress() const { return drill_.Running(); }
    DrillPlaceBox* Place(int place) const { return places_[place - 1]; }

    // --- DrillView ---
    void ShowCard(int place, int n, CardCode code) override;
    void HideCard(int place, int n) override;
    void ShowCardCountValue(int value) override;
    void ShowCounts(int running, double relative) override;
    void CoverCounts() override;
    void ShowCardsDealt(int dealt) override;
    void ShowRemainingDecks(int decks) override;
    void ShowMessage(const std::string& text) override;
    void SetControls(const DrillControls& controls) override;
    void AskCount(bool withRelative) override;
    void EndQuestion() override;
    void ShowVerdict(const CountCheck& check) override;
    void ShowScore(const DrillScore& score) override;
    void SessionScored(const DrillScore& score) override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void Build();
    void Connect();
    void ApplySettings(const TCountDrillSettings& settings);
    void Save();
    void ShowFailure(const std::string& message);
    int ActivePlaces() const;

    QtTableHost& host_;
    CardPainter& cards_;
    std::string trainingFolder_;
    CountingDrill drill_;

    QLabel* message_ = nullptr;
    std::array<DrillPlaceBox*, DRILL_PLACE_COUNT> places_{};
    DrillPacePanel* pace_ = nullptr;
    DrillDisplaysPanel* displays_ = nullptr;
    CountCheckPanel* check_ = nullptr;
    DrillHistoryGroup* history_ = nullptr;
    bool placed_ = false;
    // A second "Speichern" and "Schließen" beside the displays.
    QPushButton* save2_ = nullptr;
    QPushButton* close2_ = nullptr;
};

}  // namespace tavexo
