#pragma once

#include <QMainWindow>
#include <QRect>

#include <array>
#include <functional>
#include <string>

#include "engine/table_view.h"
#include "settings/window_positions.h"
#include "ui/common/window_opener.h"
#include "ui/table/table_layout.h"

class QAction;
class QLabel;
class QPushButton;
class QSlider;
class QToolButton;

namespace tavexo {

class CardPainter;
class Table;
class TableArea;
class BoxFrame;
class DealerFrame;
class TopPanel;

// The table window: menu, tool bar, the green table with the seven box
// frames around the dealer frame, the pause button, the stop sign and the
// size slider. It draws what the table tells it and hands every click to
// the table.
class TableWindow : public QMainWindow, public TableView {
    Q_OBJECT
  public:
    TableWindow(Table& table, CardPainter& cards, QWidget* parent = nullptr);
    ~TableWindow() override;

    // --- start-up ---
    // The screen area the window sizes itself by (the primary screen's work
    // area by default).
    void SetScreenGeometry(const QRect& screen) { screen_ = screen; }
    QRect ScreenGeometry() const { return screen_; }
    // Where "Positionen speichern" writes "Hauptfenster.tvxo".
    void SetSettingsFolder(const std::string& folder) { settingsFolder_ = folder; }
    // Takes the stored bounds and slider position (without resizing again).
    void ApplyStoredWindow(const TWindowPositions& positions);
    // The default frame places for a window of w x h; sets the client width.
    void ComputeLayout(int w, int h);
    // Places the frames (stored or default) and the window; runs once.
    void BuildTable(const LoadedWindowPositions& stored);
    // The tool bar stays disabled until the start screen has faded out.
    void SetToolbarEnabled(bool enabled);

    // --- handlers of the table's own controls ---
    void SizeSliderReleased();
    void PlacePauseControls();
    void SaveWindowPositions();
    // A tool window's first place: over the middle of the table, wholly on
    // the screen's work area, shrunk to it when it is larger.
    void PlaceToolWindow(QWidget* tool) const;

    // The secondary windows that the tool bar and the menu open; the program
    // registers how each is made.
    WindowOpener& Windows() { return windows_; }
    // A run is going on, from the click on "Spiel starten" to its end.
    bool RunInProgress() const { return inRun_; }
    // Asked before a run starts: a non-empty answer is shown instead, since
    // another long-running handler (the counting drill) holds the event loop.
    void SetRunBlocker(std::function<QString()> blocker) { runBlocker_ = std::move(blocker); }

    // --- parts, for the program and its tests ---
    BoxFrame* Frame(int box) const { return frames_[box - 1]; }
    DealerFrame* Dealer() const { return dealer_; }
    TopPanel* Panel() const { return panel_; }
    QSlider* SizeSlider() const { return track1_; }
    QToolButton* PauseButton() const { return bPause_; }
    QLabel* StopIndicator() const { return stopIndicator_; }
    TableArea* Area() const { return area_; }
    // The outer bounds of the window (what the slider and the stored
    // positions speak of).
    void SetOuterGeometry(const QRect& bounds);

    // --- TableView ---
    void ShowBoxCard(int box, int hand, int n, CardCode code) override;
    void MoveSecondCardToHand2(int box) override;
    void SetHandTotal(int box, int hand, const std::string& text) override;
    void SetStakeLabel(int box, const std::string& text) override;
    void SetStakeHeight(int box, const std::string& text) override;
    void SetCapital(int box, const std::string& text) override;
    void SetUnits(int box, int units) override;
    void SetUnitsEnabled(int box, bool enabled) override;
    void SetUnitsBlinking(int box, bool blinking) override;
    void SetBetEnabled(int box, bool enabled) override;
    void SetActionEnabled(int box, Action action, bool enabled) override;
    void ShowCoin(int box, int coin, bool visible) override;
    void SetHandMarker(int box, int hand, bool blinking) override;
    void SetGauge(int box, int value, int maximum) override;
    void SetDecisionsText(int box, const std::string& text) override;
    void SetBoxName(int box, const std::string& text) override;
    void SetBoxActive(int box, bool active, bool frameVisible) override;
    void ShowRoundOutcome(int box, RoundOutcome outcome, const std::string& amount) override;
    void ShowDealerCard(int n, CardCode code) override;
    void SetDealerTotal(const std::string& text) override;
    void SetRoundLabel(const std::string& text) override;
    void SetHint(const std::string& text) override;
    void SetCounts(const std::string& running, const std::string& relative) override;
    void SetTrainingPanel(bool trainingVisible, bool countsVisible) override;
    void ShowShuffling(bool shuffling) override;
    void ClearCards() override;
    void SetIdleControls(bool idle) override;
    void SetPaused(bool paused) override;
    void SetStopEnabled(bool enabled) override;
    void ShowStopIndicator(bool visible) override;
    void GridChanged(GridKind kind, int box) override;

  signals:
    // The core has written a grid of the box (history, details or hints);
    // the windows that show it refresh their models.
    void gridChanged(tavexo::GridKind kind, int box);
    // The counts have changed, or whether they are shown; the windows that
    // follow the count look at the table again.
    void countsChanged();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void BuildMenu();
    void BuildTableControls();
    void ConnectFrame(BoxFrame* frame);
    void ConnectCommands();
    void PlaceBottomControls();
    void PlaceFramesAtDefaults();
    void SetDefaultPlaces(int w, int h);
    QMargins FrameMargins() const;
    void SettleOuterGeometry();
    void KeepFramesOnTable();
    // The frames for the table's present size: at their default places
    // while they follow them, else only kept on the table.
    void LayOutTable();
    TableRoom Room() const;
    // The smallest window on which the frames lie apart.
    QSize MinimumOuterSize() const;
    void StartClicked();
    void KeyAction(Action action);
    void OpenWindow(SecondaryWindow kind, const QString& what);
    void NotAvailable(const QString& what);

    Table& table_;
    WindowOpener windows_;
    std::function<QString()> runBlocker_;
    QRect screen_;
    std::string settingsFolder_;

    TopPanel* panel_ = nullptr;
    TableArea* area_ = nullptr;
    std::array<BoxFrame*, BOX_COUNT> frames_{};
    DealerFrame* dealer_ = nullptr;
    QToolButton* bPause_ = nullptr;
    QLabel* stopIndicator_ = nullptr;
    QPushButton* bPositionen_ = nullptr;
    QLabel* lF1_ = nullptr;
    QLabel* lSlider_ = nullptr;
    QSlider* track1_ = nullptr;

    QAction* mnBeenden_ = nullptr;
    QAction* mnStart_ = nullptr;
    QAction* mnStop_ = nullptr;

    // The default places of the last ComputeLayout.
    std::array<QPoint, BOX_COUNT> defaultBoxes_{};
    QPoint defaultDealer_;

    QRect outerBounds_;
    QMargins appliedMargins_;
    bool outerPending_ = false;
    // The outer size the default places were computed for.
    QSize layoutSize_;
    bool built_ = false;
    // The frames stand at their default places, and take the new ones when
    // the window's size changes; false once the user moves a frame or the
    // stored places are taken.
    bool followDefaults_ = true;

    bool inRun_ = false;
    bool closeAfterRun_ = false;
};

}  // namespace tavexo
