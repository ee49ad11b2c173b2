#pragma once

#include <QWidget>

#include <array>

class QLabel;

namespace tavexo {

class RollUpGroup;

// The drill's optional helps, each in a group that rolls up with its check
// mark: the count values of the cards ("Zählwerte"), the control displays
// ("Kontrollanzeigen": the counts, the cards dealt, the remaining decks)
// and the count value of the last card ("Zählwert").
class DrillDisplaysPanel : public QWidget {
    Q_OBJECT
  public:
    explicit DrillDisplaysPanel(QWidget* parent = nullptr);

    // Groups 1 to 6 in the order of their check marks in the settings.
    RollUpGroup* Group(int group) const { return groups_[group - 1]; }
    void SetGroupChecked(int group, bool checked);

    void ShowCounts(const QString& running, const QString& relative);
    void ShowCardsDealt(int dealt);
    void ShowRemainingDecks(int decks);
    void ShowCardCountValue(int value);

  signals:
    void groupToggled(int group, bool checked);

  private:
    std::array<RollUpGroup*, 6> groups_{};
    QLabel* absolute_;
    QLabel* relative_;
    QLabel* cardsDealt_;
    QLabel* remainingDecks_;
    QLabel* countValue_;
};

}  // namespace tavexo
