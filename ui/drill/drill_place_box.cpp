#include "ui/drill/drill_place_box.h"

#include <QLabel>
#include <QVBoxLayout>

#include "drill/counting_drill.h"
#include "ui/common/card_painter.h"

namespace tavexo {

namespace {
// Room for five cards, the most a place gets in one round, with the
// margins of the first card's place.
constexpr int AREA_WIDTH = 5 * 30 - 25 + CARD_WIDTH + 6;
constexpr int AREA_HEIGHT = 7 + CARD_HEIGHT + 7;
}  // namespace

DrillPlaceBox::DrillPlaceBox(int place, CardPainter& painter, QWidget* parent)
    : QGroupBox(parent), painter_(painter) {
    const QString title = place == DRILL_DEALER_PLACE ? QStringLiteral("Dealer")
                                                      : QStringLiteral("Spieler %1").arg(place);
    setTitle(title);
    setObjectName(QStringLiteral("Gr%1").arg(place));
    setAccessibleName(title);
    setToolTip(QStringLiteral("Angehakt: dieser Platz bekommt Karten"));
    setCheckable(true);
    area_ = new QWidget(this);
    area_->setObjectName(QStringLiteral("p%1").arg(place));
    area_->setFixedSize(AREA_WIDTH, AREA_HEIGHT);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(area_);
}

void DrillPlaceBox::ShowCard(int n, CardCode code) {
    while (static_cast<int>(cards_.size()) < n) {
        auto* label = new QLabel(area_);
        label->setObjectName(QStringLiteral("Karte"));
        label->hide();
        cards_.push_back({label, 0});
    }
    Card& card = cards_[static_cast<size_t>(n - 1)];
    card.code = code;
    card.label->setPixmap(painter_.Face(code));
    card.label->setGeometry(QRect(CardPosition(n), QSize(CARD_WIDTH, CARD_HEIGHT)));
    card.label->setAccessibleName(QString::fromUtf8(CardText(code)));
    card.label->show();
    card.label->raise();
}

void DrillPlaceBox::HideCard(int n) {
    if (n >= 1 && n <= static_cast<int>(cards_.size()))
        cards_[static_cast<size_t>(n - 1)].label->hide();
}

std::vector<CardCode> DrillPlaceBox::VisibleCards() const {
    std::vector<CardCode> codes;
    for (const Card& card : cards_) {
        if (card.label->isVisibleTo(area_)) codes.push_back(card.code);
    }
    return codes;
}

}  // namespace tavexo
