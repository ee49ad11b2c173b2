#include "ui/drill/discard_tray_view.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

#include "ui/common/window_style.h"

namespace tavexo {

namespace {

constexpr int MAX_DECKS = 8;
constexpr int MARGIN = 12;
constexpr int TRAY_WIDTH = 128;
constexpr int WALL = 4;
// A card's edge every few cards, as light catches the stack unevenly.
constexpr int CARDS_PER_SHADE = 3;

const QColor CARD_EDGE(0xf4, 0xee, 0xdc);
const QColor CARD_EDGE_SHADE(0xd6, 0xcc, 0xb0);
const QColor CARD_BACK_EDGE(0x9c, 0x2a, 0x2a);
const QColor TRAY_GLASS(0x2a, 0x2e, 0x30, 150);
const QColor TRAY_EDGE(0xb8, 0x9a, 0x50);

}  // namespace

DiscardTrayView::DiscardTrayView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Ablage"));
    setAccessibleName(QStringLiteral("Ablage"));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
}

void DiscardTrayView::ShowTray(const DiscardTray& tray) {
    tray_ = tray;
    // The picture is the question: its description names the shoe, not
    // the answer.
    setAccessibleDescription(
        QStringLiteral("Ablage eines Schlittens mit %1 %2")
            .arg(tray.shoeDecks)
            .arg(tray.shoeDecks == 1 ? QStringLiteral("Deck") : QStringLiteral("Decks")));
    update();
}

void DiscardTrayView::Clear() {
    tray_.reset();
    setAccessibleDescription(QString());
    update();
}

double DiscardTrayView::PixelsPerCard() const {
    // The tallest tray, eight decks, fills the height.
    const int usable = std::max(1, height() - 2 * MARGIN - WALL);
    return static_cast<double>(usable) / (MAX_DECKS * CARDS_PER_DECK);
}

int DiscardTrayView::StackHeight(int cards) const {
    return static_cast<int>(cards * PixelsPerCard() + 0.5);
}

void DiscardTrayView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (!tray_) return;

    const int bottom = height() - MARGIN;
    const int left = (width() - TRAY_WIDTH) / 2;
    const int trayHeight = StackHeight(tray_->shoeDecks * CARDS_PER_DECK) + WALL;
    const QRect tray(left, bottom - trayHeight, TRAY_WIDTH, trayHeight);

    // The back wall of the tray, behind the cards.
    p.setPen(Qt::NoPen);
    p.setBrush(TRAY_GLASS);
    p.drawRoundedRect(tray, 3, 3);

    // The stack: one line per card, lighter and darker bands, the lowest
    // card's back showing at the bottom.
    const double perCard = PixelsPerCard();
    const int stackTop = bottom - WALL - StackHeight(tray_->discarded);
    const QRect stack(left + WALL, stackTop, TRAY_WIDTH - 2 * WALL, bottom - WALL - stackTop);
    p.setBrush(CARD_EDGE);
    p.drawRect(stack);
    for (int card = 0; card < tray_->discarded; card += CARDS_PER_SHADE) {
        // Uneven bands, the same for the same tray on every repaint.
        const unsigned mix = static_cast<unsigned>(card) * 2654435761u;
        if ((mix >> 29) % 3 != 0) continue;
        const double y = bottom - WALL - (card + 1) * perCard;
        p.setPen(QPen(CARD_EDGE_SHADE, std::max(1.0, perCard)));
        p.drawLine(QPointF(stack.left(), y), QPointF(stack.right(), y));
    }
    p.setPen(QPen(CARD_BACK_EDGE, 2));
    p.drawLine(stack.bottomLeft(), stack.bottomRight());

    // The front wall and the rim: a gold edge round the glass.
    QLinearGradient glass(tray.topLeft(), tray.topRight());
    glass.setColorAt(0.0, QColor(255, 255, 255, 40));
    glass.setColorAt(0.5, QColor(255, 255, 255, 10));
    glass.setColorAt(1.0, QColor(255, 255, 255, 40));
    p.setBrush(glass);
    p.setPen(QPen(TRAY_EDGE, 2));
    p.drawRoundedRect(tray, 3, 3);
}

}  // namespace tavexo
