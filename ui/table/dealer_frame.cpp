#include "ui/table/dealer_frame.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QTimer>

#include <algorithm>

#include "engine/table_state.h"
#include "ui/common/card_area.h"
#include "ui/common/card_painter.h"
#include "ui/common/painted_label.h"
#include "ui/common/table_art.h"
#include "ui/table/table_layout.h"

namespace tavexo {

namespace {

constexpr int HEADER_HEIGHT = 24;
constexpr int CARD_LEFT = 10;
constexpr int TRAINING_TOP = 130;
// The dealer's total: a number, "6/16" or "Black Jack", between the caption
// "Dealer" and the round.
constexpr int TOTAL_WIDTH = 40;
constexpr int TOTAL_MAX_WIDTH = 118;

// Every text at 9 pt or more, light on dark.
const char* const FRAME_STYLE = R"(
QLabel { color: #f4ecd4; font-size: 9pt; }
QLabel#LDealer { color: #e8c870; font-size: 12pt; font-weight: bold; font-style: italic; }
QLabel#PBankStand { font-size: 11pt; font-weight: bold; }
QLabel#LRunde { color: #ffffff; font-size: 10pt; font-weight: bold; }
QWidget#PTraining { background: rgba(0, 0, 0, 150); border-top: 1px solid rgba(224, 192, 104, 150);
                    border-bottom-left-radius: 8px; border-bottom-right-radius: 8px; }
QWidget#PCounter { background: #10301a; border: 1px solid rgba(224, 192, 104, 90);
                   border-radius: 4px; }
QLabel[role="caption"] { color: #e6d29c; font-size: 9pt; }
QLabel#LTraining { color: #e8c870; font-size: 9pt; font-weight: bold; }
QLabel#LRel, QLabel#LAbs { color: #ffffff; font-size: 10pt; font-weight: bold; }
QLabel#LHinweis { color: #ffe680; font-size: 9pt; font-weight: bold; }
QLabel#LAusgeblendet { color: #d0c8b4; font-size: 9pt; font-style: italic; }
QLabel#LMischen { color: #ffffff; font-size: 10pt; font-weight: bold; background: rgba(0, 0, 0, 170);
                  border: 1px solid #e0c068; border-radius: 8px; }
)";

// The dealer's total on its dark field: green, red when bust, dark on gold
// for a blackjack.
PaintedLabel::Colours TotalColours(const char* kind) {
    const QString k = QLatin1String(kind);
    PaintedLabel::Colours c{QColor(0x7d, 0xff, 0x84), QColor(0, 0, 0, 150),
                            QColor(224, 192, 104, 140), 9, 0};
    if (k == QLatin1String("bust")) c.text = QColor(0xff, 0x8a, 0x80);
    if (k == QLatin1String("blackjack")) {
        c.text = QColor(0x2a, 0x1a, 0x06);
        c.field = QColor(0xe0, 0xc0, 0x68);
    }
    return c;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    if (name) label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    return label;
}

QLabel* Caption(QWidget* parent, const QString& text, const QRect& place) {
    QLabel* label = MakeLabel(parent, nullptr, text, place);
    label->setProperty("role", "caption");
    return label;
}

}  // namespace

DealerFrame::DealerFrame(CardPainter& cards, QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("frBank"));
    setFixedSize(DEALER_FRAME_WIDTH, DEALER_FRAME_HEIGHT);
    setStyleSheet(QString::fromLatin1(FRAME_STYLE));

    MakeLabel(this, "LDealer", QStringLiteral("Dealer"), {14, 5, 70, 18});
    pBankStand_ = new PaintedLabel(this);
    pBankStand_->setObjectName(QStringLiteral("PBankStand"));
    pBankStand_->setGeometry(84, 5, TOTAL_WIDTH, 19);
    pBankStand_->SetColours(TotalColours(""));
    pBankStand_->setAlignment(Qt::AlignCenter);
    pBankStand_->hide();
    MakeLabel(this, "LRundeTitel", QStringLiteral("Runde:"), {206, 5, 46, 18});
    lRunde_ = MakeLabel(this, "LRunde", QString(), {250, 5, 52, 18});

    cardArea_ = new CardArea(
        cards, CardPlaces{DEALER_CARD_X, CARD_Y, 0, QSize(CARD_WIDTH, CARD_HEIGHT)}, this);
    cardArea_->setGeometry(CARD_LEFT, HEADER_HEIGHT, DEALER_FRAME_WIDTH - CARD_LEFT - 6,
                           TRAINING_TOP - HEADER_HEIGHT);

    pTraining_ = new QWidget(this);
    pTraining_->setObjectName(QStringLiteral("PTraining"));
    pTraining_->setAttribute(Qt::WA_StyledBackground);
    pTraining_->setGeometry(5, TRAINING_TOP, DEALER_FRAME_WIDTH - 10,
                            DEALER_FRAME_HEIGHT - TRAINING_TOP - 4);
    QLabel* title =
        MakeLabel(pTraining_, "LTraining", QStringLiteral("Trainings-\nmodus"), {6, 2, 70, 34});
    title->setWordWrap(true);
    // The note lies under the count panel and shows where the hidden counts would be.
    QLabel* hidden = MakeLabel(pTraining_, "LAusgeblendet", QStringLiteral("Zähler ausgeblendet"),
                               {80, 2, 108, 34});
    hidden->setWordWrap(true);
    hidden->setAlignment(Qt::AlignCenter);
    pCounter_ = new QWidget(pTraining_);
    pCounter_->setObjectName(QStringLiteral("PCounter"));
    pCounter_->setAttribute(Qt::WA_StyledBackground);
    pCounter_->setGeometry(80, 2, 108, 34);
    // Wide enough for "-99,9": a count never goes further in a real shoe.
    Caption(pCounter_, QStringLiteral("relativ"), {5, 1, 48, 16});
    lRel_ = MakeLabel(pCounter_, "LRel", QString(), {52, 1, 52, 16});
    lRel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Caption(pCounter_, QStringLiteral("absolut"), {5, 17, 48, 16});
    lAbs_ = MakeLabel(pCounter_, "LAbs", QString(), {52, 17, 52, 16});
    lAbs_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QLabel* hintCaption =
        Caption(pTraining_, QStringLiteral("Hinweise gemäß Strategie"), {194, 2, 100, 34});
    hintCaption->setWordWrap(true);
    lHinweis_ = MakeLabel(pTraining_, "LHinweis", QString(), {6, 38, 288, 22});
    lHinweis_->setWordWrap(true);
    lHinweis_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    pTraining_->hide();

    lMischen_ = MakeLabel(this, "LMischen", QString(), {20, 60, 270, 30});
    lMischen_->setAlignment(Qt::AlignCenter);
    lMischen_->hide();
    shuffleStep_ = new QTimer(this);
    shuffleStep_->setInterval(250);
    connect(shuffleStep_, &QTimer::timeout, this, &DealerFrame::StepShuffleText);
}

void DealerFrame::StepShuffleText() {
    // A riffle that runs while the shuffle's sound plays: the dots come and go.
    shuffleDots_ = (shuffleDots_ + 1) % 4;
    lMischen_->setText(QStringLiteral("Die Karten werden gemischt") +
                       QString(shuffleDots_, QLatin1Char('.')) +
                       QString(3 - shuffleDots_, QLatin1Char(' ')));
}

void DealerFrame::SetShuffling(bool shuffling) {
    if (shuffling) {
        shuffleDots_ = 0;
        StepShuffleText();
        lMischen_->show();
        lMischen_->raise();
        shuffleStep_->start();
    } else {
        shuffleStep_->stop();
        lMischen_->hide();
    }
}

bool DealerFrame::IsShuffling() const {
    return !lMischen_->isHidden();
}

void DealerFrame::ShowCard(int n, CardCode code) {
    cardArea_->ShowCard(1, n, code);
}

void DealerFrame::ClearCards() {
    cardArea_->Clear();
}

void DealerFrame::SetTotal(const QString& text) {
    pBankStand_->setText(text);
    // A bust in red, a blackjack in gold; "1/11" and "Black Jack" take
    // the room they need, up to the round's label.
    const char* kind = text.toInt() > 21                     ? "bust"
                       : text == QLatin1String("Black Jack") ? "blackjack"
                                                             : "";
    pBankStand_->setProperty("kind", QLatin1String(kind));
    pBankStand_->SetColours(TotalColours(kind));
    const int width =
        std::clamp(pBankStand_->sizeHint().width() + 12, TOTAL_WIDTH, TOTAL_MAX_WIDTH);
    if (width != pBankStand_->width()) pBankStand_->resize(width, pBankStand_->height());
    pBankStand_->setVisible(!text.isEmpty());
}

void DealerFrame::SetRound(const QString& text) {
    lRunde_->setText(text);
}

void DealerFrame::SetHint(const QString& text) {
    lHinweis_->setText(text);
}

void DealerFrame::SetCounts(const QString& running, const QString& relative) {
    lAbs_->setText(running);
    lRel_->setText(relative);
}

void DealerFrame::SetTrainingPanel(bool trainingVisible, bool countsVisible) {
    pTraining_->setVisible(trainingVisible);
    pCounter_->setVisible(countsVisible);
}

void DealerFrame::paintEvent(QPaintEvent* event) {
    const QPixmap& picture =
        background_.For(size(), devicePixelRatioF(), 0, [this](QPixmap& canvas) {
            QPainter paint(&canvas);
            PaintDealerBackground(paint, rect());
        });
    QPainter p(this);
    DrawPicturePart(p, event->rect(), picture);
}

void DealerFrame::mousePressEvent(QMouseEvent* event) {
    // A press on the frame's own surface (its labels and panels pass the
    // press on to it) picks the frame up; buttons keep their clicks.
    if (!drag_.Press(*this, event)) QFrame::mousePressEvent(event);
}

void DealerFrame::mouseMoveEvent(QMouseEvent* event) {
    if (drag_.Move(*this, event)) emit moved();
}

void DealerFrame::mouseReleaseEvent(QMouseEvent* event) {
    if (drag_.Release(event)) emit moved();
}

}  // namespace tavexo
