#include "ui/drill/drill_displays_panel.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/drill/rollup_group.h"

namespace tavexo {

namespace {

QLabel* ValueLabel(const QString& name, const QString& accessibleName, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("0"), parent);
    label->setObjectName(name);
    label->setAccessibleName(accessibleName);
    label->setProperty("role", QStringLiteral("value"));
    label->setMinimumWidth(56);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QWidget* Row(const QString& caption, QLabel* value, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* text = new QLabel(caption, row);
    text->setBuddy(value);
    layout->addWidget(text);
    layout->addStretch();
    layout->addWidget(value);
    return row;
}

// The Hi-Lo values as a small table: which ranks count +1, 0 and -1.
QWidget* CountValuesPicture(QWidget* parent) {
    auto* picture = new QWidget(parent);
    picture->setObjectName(QStringLiteral("Zaehlwerte"));
    picture->setAccessibleName(
        QStringLiteral("Zählwerte: 2 bis 6 plus 1, 7 bis 9 null, 10, Bildkarten und As minus 1"));
    auto* grid = new QGridLayout(picture);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    const QString rows[3][2] = {{QStringLiteral("2  3  4  5  6"), QStringLiteral("+1")},
                                {QStringLiteral("7  8  9"), QStringLiteral("0")},
                                {QStringLiteral("10  B  D  K  As"), QStringLiteral("−1")}};
    for (int r = 0; r < 3; ++r) {
        auto* ranks = new QLabel(rows[r][0], picture);
        auto* value = new QLabel(rows[r][1], picture);
        value->setProperty("role", QStringLiteral("value"));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(ranks, r, 0);
        grid->addWidget(value, r, 1);
    }
    return picture;
}

}  // namespace

DrillDisplaysPanel::DrillDisplaysPanel(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* values = new RollUpGroup(QStringLiteral("Zählwerte"), QStringLiteral("GrOp1"), this);
    values->Contents()->addWidget(CountValuesPicture(values));

    auto* controls =
        new RollUpGroup(QStringLiteral("Kontrollanzeigen"), QStringLiteral("GrOp2"), this);
    auto* counts =
        new RollUpGroup(QStringLiteral("Counterstände"), QStringLiteral("GrOp3"), controls);
    absolute_ = ValueLabel(QStringLiteral("Labs"), QStringLiteral("Count absolut"), counts);
    relative_ = ValueLabel(QStringLiteral("LRel"), QStringLiteral("Count relativ/wahr"), counts);
    counts->Contents()->addWidget(Row(QStringLiteral("absolut"), absolute_, counts));
    counts->Contents()->addWidget(Row(QStringLiteral("relativ/wahr"), relative_, counts));
    auto* cards = new RollUpGroup(QStringLiteral("Kartenanz."), QStringLiteral("GrOp4"), controls);
    cardsDealt_ = ValueLabel(QStringLiteral("LKges"), QStringLiteral("Karten gesamt"), cards);
    cards->Contents()->addWidget(Row(QStringLiteral("Karten gesamt"), cardsDealt_, cards));
    auto* decks = new RollUpGroup(QStringLiteral("Rest-Decks"), QStringLiteral("GrOp5"), controls);
    remainingDecks_ =
        ValueLabel(QStringLiteral("LRD"), QStringLiteral("Rest-Decks gerundet"), decks);
    remainingDecks_->setText(QStringLiteral("8"));
    decks->Contents()->addWidget(Row(QStringLiteral("gerundet"), remainingDecks_, decks));
    controls->Contents()->addWidget(counts);
    controls->Contents()->addWidget(cards);
    controls->Contents()->addWidget(decks);

    auto* value = new RollUpGroup(QStringLiteral("Zählwert"), QStringLiteral("GrOp6"), this);
    countValue_ =
        ValueLabel(QStringLiteral("LZw"), QStringLiteral("Zählwert der letzten Karte"), value);
    countValue_->setToolTip(QStringLiteral("+1, 0 oder -1"));
    value->Contents()->addWidget(Row(QStringLiteral("letzte Karte"), countValue_, value));

    groups_ = {values, controls, counts, cards, decks, value};
    for (int g = 1; g <= 6; ++g) {
        RollUpGroup* group = groups_[g - 1];
        connect(group, &QGroupBox::toggled, this, [this, g](bool on) { emit groupToggled(g, on); });
    }
    layout->addWidget(values);
    layout->addWidget(controls);
    layout->addWidget(value);
}

void DrillDisplaysPanel::SetGroupChecked(int group, bool checked) {
    groups_[group - 1]->SetMarked(checked);
}

void DrillDisplaysPanel::ShowCounts(const QString& running, const QString& relative) {
    absolute_->setText(running);
    relative_->setText(relative);
}

void DrillDisplaysPanel::ShowCardsDealt(int dealt) {
    cardsDealt_->setText(QString::number(dealt));
}

void DrillDisplaysPanel::ShowRemainingDecks(int decks) {
    remainingDecks_->setText(QString::number(decks));
}

void DrillDisplaysPanel::ShowCardCountValue(int value) {
    countValue_->setText(QString::number(value));
}

}  // namespace tavexo
