#include "ui/table/dealer_frame.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "engine/table_state.h"
#include "ui/common/card_area.h"
#include "ui/common/table_art.h"
#include "ui/table/table_layout.h"

namespace tavexo {

namespace {

constexpr int HEADER_HEIGHT = 24;
constexpr int CARD_LEFT = 10;
constexpr int TRAINING_TOP = 126;

const char* const FRAME_STYLE = R"(
QLabel { color: #f0e6c8; font-size: 11px; }
QLabel#LDealer { color: #e0c068; font-size: 15px; font-weight: bold; font-style: italic; }
QLabel#PBankStand { color: #72ff7a; font-size: 14px; font-weight: bold;
                    background: rgba(0, 0, 0, 120); border: 1px solid rgba(224, 192, 104, 140);
                    border-radius: 9px; }
QLabel#LRunde { color: #ffffff; font-size: 12px; font-weight: bold; }
QWidget#PTraining { background: rgba(0, 0, 0, 120); border-top: 1px solid rgba(224, 192, 104, 150);
                    border-bottom-left-radius: 8px; border-bottom-right-radius: 8px; }
QWidget#PCounter { background: #10301a; border: 1px solid rgba(224, 192, 104, 90);
                   border-radius: 4px; }
QLabel[role="caption"] { color: #c9b27a; font-size: 9px; }
QLabel#LTraining { color: #e0c068; font-size: 10px; font-weight: bold; }
QLabel#LRel, QLabel#LAbs { color: #ffffff; font-size: 13px; font-weight: bold; }
QLabel#LHinweis { color: #ffe680; font-size: 10px; font-weight: bold; }
QLabel#LAusgeblendet { color: #a8a090; font-size: 9px; font-style: italic; }
)";

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
    pBankStand_ = MakeLabel(this, "PBankStand", QString(), {84, 5, 40, 19});
    pBankStand_->setAlignment(Qt::AlignCenter);
    pBankStand_->hide();
    MakeLabel(this, "LRundeTitel", QStringLiteral("Runde:"), {206, 5, 46, 18});
    lRunde_ = MakeLabel(this, "LRunde", QString(), {250, 5, 52, 18});

    cardArea_ = new CardArea(cards, DEALER_CARD_X, this);
    cardArea_->setGeometry(CARD_LEFT, HEADER_HEIGHT, DEALER_FRAME_WIDTH - CARD_LEFT - 6,
                           TRAINING_TOP - HEADER_HEIGHT);

    pTraining_ = new QWidget(this);
    pTraining_->setObjectName(QStringLiteral("PTraining"));
    pTraining_->setAttribute(Qt::WA_StyledBackground);
    pTraining_->setGeometry(5, TRAINING_TOP, DEALER_FRAME_WIDTH - 10,
                            DEALER_FRAME_HEIGHT - TRAINING_TOP - 5);
    QLabel* title =
        MakeLabel(pTraining_, "LTraining", QStringLiteral("Trainings- modus"), {6, 3, 62, 34});
    title->setWordWrap(true);
    // The note lies under the count panel and shows where the hidden counts would be.
    QLabel* hidden = MakeLabel(pTraining_, "LAusgeblendet", QStringLiteral("Zähler ausgeblendet"),
                               {68, 3, 80, 33});
    hidden->setWordWrap(true);
    hidden->setAlignment(Qt::AlignCenter);
    pCounter_ = new QWidget(pTraining_);
    pCounter_->setObjectName(QStringLiteral("PCounter"));
    pCounter_->setAttribute(Qt::WA_StyledBackground);
    pCounter_->setGeometry(68, 3, 80, 33);
    Caption(pCounter_, QStringLiteral("relativ"), {5, 1, 38, 15});
    lRel_ = MakeLabel(pCounter_, "LRel", QString(), {44, 1, 34, 15});
    Caption(pCounter_, QStringLiteral("absolut"), {5, 16, 38, 15});
    lAbs_ = MakeLabel(pCounter_, "LAbs", QString(), {44, 16, 34, 15});
    Caption(pTraining_, QStringLiteral("Hinweise gemäß Strategie"), {154, 1, 142, 12});
    lHinweis_ = MakeLabel(pTraining_, "LHinweis", QString(), {154, 12, 142, 26});
    lHinweis_->setWordWrap(true);
    lHinweis_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pTraining_->hide();
}

void DealerFrame::ShowCard(int n, CardCode code) {
    cardArea_->ShowCard(1, n, code);
}

void DealerFrame::ClearCards() {
    cardArea_->Clear();
}

void DealerFrame::SetTotal(const QString& text) {
    pBankStand_->setText(text);
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

void DealerFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintDealerBackground(p, rect());
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
