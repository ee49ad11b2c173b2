#pragma once

#include <QWidget>

#include <array>
#include <functional>
#include <string>

#include "drill/counting_drill.h"
#include "drill/drill_view.h"
#include "ui/drill/index_play_page.h"

class QLabel;
class QPushButton;
class QTabWidget;

namespace tavexo {

class CardPainter;
class CountCheckPanel;
class DeckEstimationPage;
class DrillPage;
class PaceFinderPanel;
class DrillHistoryGroup;
class DrillDisplaysPanel;
class DrillPacePanel;
class DrillPlaceBox;
class QtTableHost;
class TrueCountPage;

// "Zählen üben": the counting drill's window. On its first page seven boxes
// and the dealer receive cards at the chosen pace; the user keeps the
// count, may look at the control displays and may have the count checked.
// The pages after it drill what the counting rests on: "Decks schätzen",
// "Wahrer Zählwert" and "Indexspiele". While a drill runs on one page the
// others wait. The window is made at its first opening and only hidden when
// closed; it reads "Counttrai.ini" when it is made and writes it on
// "Speichern".
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
    // A drill run or a round on one of the other pages.
    bool RunInProgress() const;
    // Why a table run may not start now; empty while nothing runs here.
    QString TableBlockedMessage() const;
    DrillPlaceBox* Place(int place) const { return places_[place - 1]; }
    // The counting drill first, then "Decks schätzen", "Wahrer Zählwert",
    // "Indexspiele".
    QTabWidget* Pages() const { return pages_; }
    IndexPlayPage* IndexPage() const { return indexPage_; }
    void SetIndexPlaySources(IndexPlaySources sources);

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
    void BuildPages(QWidget* countingPage);
    // "Starten": with "Tempo finden" on, the run deals at the finder's pace.
    void StartRun();
    void TempoToggled(bool on);
    // While a drill runs on one page, the others cannot be chosen.
    void LockPages();

    QtTableHost& host_;
    CardPainter& cards_;
    std::string trainingFolder_;
    CountingDrill drill_;
    // The random source of the pages' questions.
    ShoeShuffler random_;

    QTabWidget* pages_ = nullptr;
    DeckEstimationPage* deckPage_ = nullptr;
    TrueCountPage* trueCountPage_ = nullptr;
    IndexPlayPage* indexPage_ = nullptr;
    std::array<DrillPage*, 3> drillPages_{};
    QLabel* message_ = nullptr;
    std::array<DrillPlaceBox*, DRILL_PLACE_COUNT> places_{};
    DrillPacePanel* pace_ = nullptr;
    DrillDisplaysPanel* displays_ = nullptr;
    CountCheckPanel* check_ = nullptr;
    DrillHistoryGroup* history_ = nullptr;
    PaceFinderPanel* tempo_ = nullptr;
    PaceFinder paceFinder_;
    bool findingPace_ = false;
    bool placed_ = false;
    // A second "Speichern" and "Schließen" beside the displays.
    QPushButton* save2_ = nullptr;
    QPushButton* close2_ = nullptr;
};

}  // namespace tavexo
