#include "ui/table/box_frame.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include "ui/common/card_area.h"
#include "ui/common/card_painter.h"
#include "ui/common/table_art.h"
#include "ui/common/tool_icons.h"
#include "ui/table/table_layout.h"

namespace tavexo {

namespace {

constexpr int TITLE_HEIGHT = 20;
constexpr int RAIL_TOP = 100;  // frame coordinates; the rail hides the cards' lower edge
constexpr int CARD_LEFT = 6;
// In the name panel, the name and the decisions lie low on the right, over
// the middle of the cards, so that the indices in the cards' upper corners
// stay readable even after a split; the chips lie under the cards.
constexpr int NAME_TOP = 61;
constexpr int DECISIONS_TOP = 44;
constexpr int CHIPS_LEFT = 222;
constexpr int CHIPS_TOP = 6;
constexpr int BLINK_MS = 500;

const char* const FRAME_STYLE = R"(
QLabel { color: #f0e6c8; font-size: 11px; }
QLabel#LWert1, QLabel#LWert2 { color: #72ff7a; font-size: 13px; font-weight: bold; }
QLabel#LMarke1, QLabel#LMarke2 { color: #ffd760; font-size: 11px; }
QLabel#LName { color: #f2d98a; font-size: 11px; font-style: italic; font-weight: bold;
               background: rgba(0, 0, 0, 175); border-radius: 7px; padding: 0px 6px; }
QLabel#PAktionen { color: #ffffff; font-size: 10px; background: rgba(120, 20, 20, 190);
                   border-radius: 7px; padding: 0px 6px; }
QLabel[role="caption"] { color: #c9b27a; font-size: 8px; }
QLabel#PKapital, QLabel#LEinsatzHoehe { color: #ffffff; font-size: 11px; font-weight: bold; }
QWidget#PLeiste { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #4c2d18,
                  stop:0.55 #341e10, stop:1 #22130a);
                  border-top: 1px solid #e0c068;
                  border-bottom-left-radius: 9px; border-bottom-right-radius: 9px; }
QPushButton { color: #3a2410; font-size: 10px; font-weight: bold; padding: 0px;
              border: 1px solid #8a6a2a; border-radius: 4px;
              background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdf1c8, stop:1 #d7b562); }
QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff8de, stop:1 #e8c878); }
QPushButton:pressed { background: #c39a42; }
QPushButton:disabled { color: rgba(240, 230, 200, 80); background: rgba(255, 255, 255, 16);
                       border: 1px solid rgba(224, 192, 104, 55); }
QPushButton#BSetzen { color: #ffffff; font-size: 11px; border: 1px solid #5a0c0c;
                      background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #e2453c, stop:1 #9c1a16); }
QPushButton#BSetzen:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f05a50, stop:1 #b02420); }
QPushButton#BSetzen:disabled { color: rgba(255, 255, 255, 80); background: rgba(160, 30, 30, 60);
                               border: 1px solid rgba(160, 60, 60, 80); }
QCheckBox { color: #f0e6c8; font-size: 10px; spacing: 3px; }
QCheckBox::indicator { width: 10px; height: 10px; border: 1px solid #c9a24a; border-radius: 2px;
                       background: #1a1008; }
QCheckBox::indicator:checked { background: qradialgradient(cx:0.5, cy:0.5, radius:0.6, fx:0.5, fy:0.5,
                               stop:0 #fff0b0, stop:0.5 #e0c068, stop:0.6 #1a1008); }
QSpinBox { font-size: 11px; font-weight: bold; color: #1a1a1a; background: #ffffff;
           border: 1px solid #8a6a2a; border-radius: 2px; padding: 0px 1px; }
QSpinBox[blink="true"] { background: #ffe14a; }
QSpinBox:disabled { color: #6a6a6a; background: #c8c4b8; }
QSpinBox::up-button, QSpinBox::down-button { width: 11px; }
QProgressBar { background: rgba(0, 0, 0, 120); border: 1px solid rgba(224, 192, 104, 120);
               border-radius: 2px; }
QProgressBar::chunk { background: qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:0 #62d16a,
                      stop:0.6 #f0c040, stop:1 #e04030); }
QToolButton#spBut { border: none; background: transparent; }
)";

// Three captions are broken over two lines to fit the narrow buttons.
struct ActionInfo {
    Action action;
    const char* name;
    const char* caption;
    const char* tip;
};
constexpr ActionInfo ACTIONS[] = {
    {Action::Hit, "BZiehen", "Ziehen", "Eine Karte ziehen"},
    {Action::Stand, "BHalten", "Halten", "Keine Karte mehr"},
    {Action::Surrender, "BAufgeben", "Auf-\ngeben", "Aufgeben: die Hälfte des Einsatzes zurück"},
    {Action::Double, "BVerdoppeln", "Verdop-\npeln", "Einsatz verdoppeln, genau eine Karte"},
    {Action::Split, "BTeilen", "Teilen", "Das Paar in zwei Hände teilen"},
    {Action::Insure, "BVersichern", "Versi-\nchern",
     "Gegen einen Black Jack des Dealers versichern"},
};

// Where the action buttons sit on the rail: upper row double, split, insure;
// lower row hit, stand, surrender.
QRect ActionPlace(Action action) {
    constexpr int w = 46;
    constexpr int h = 24;
    switch (action) {
        case Action::Double:
            return {4, 3, w, h};
        case Action::Split:
            return {52, 3, w, h};
        case Action::Insure:
            return {100, 3, w, h};
        case Action::Hit:
            return {4, 30, w, h};
        case Action::Stand:
            return {52, 30, w, h};
        case Action::Surrender:
            return {100, 30, w, h};
    }
    return {};
}

void Restyle(QWidget* widget) {
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

}  // namespace

QChar BoxFrame::ActionKey(Action action) {
    switch (action) {
        case Action::Hit:
            return QLatin1Char('Z');
        case Action::Stand:
            return QLatin1Char('H');
        case Action::Surrender:
            return QLatin1Char('A');
        case Action::Double:
            return QLatin1Char('V');
        case Action::Split:
            return QLatin1Char('T');
        case Action::Insure:
            return QLatin1Char('S');
    }
    return {};
}

BoxFrame::BoxFrame(int box, CardPainter& cards, QWidget* parent)
    : QFrame(parent), box_(box), painter_(cards) {
    setObjectName(QStringLiteral("Spieler%1").arg(box));
    setProperty("tag", box);
    setFixedSize(BOX_FRAME_WIDTH, BOX_FRAME_HEIGHT);
    setStyleSheet(QString::fromLatin1(FRAME_STYLE));

    BuildTitleRow();
    grSpieler_ = new QWidget(this);
    grSpieler_->setObjectName(QStringLiteral("GrSpieler"));
    grSpieler_->setGeometry(0, TITLE_HEIGHT, BOX_FRAME_WIDTH, BOX_FRAME_HEIGHT - TITLE_HEIGHT);
    BuildNamePanel(grSpieler_);
    BuildRail(grSpieler_);

    for (int hand = 0; hand < 2; ++hand) {
        QLabel* marker = hand == 0 ? marker1_ : marker2_;
        markerBlink_[hand] = new QTimer(this);
        markerBlink_[hand]->setInterval(BLINK_MS);
        connect(markerBlink_[hand], &QTimer::timeout, marker,
                [marker] { marker->setVisible(!marker->isVisible()); });
    }
    unitsBlink_ = new QTimer(this);
    unitsBlink_->setInterval(BLINK_MS);
    connect(unitsBlink_, &QTimer::timeout, this, [this] {
        unitsHighlighted_ = !unitsHighlighted_;
        spEinsatz_->setProperty("blink", unitsHighlighted_);
        Restyle(spEinsatz_);
    });
}

void BoxFrame::BuildTitleRow() {
    auto label = [this](const char* name, const QRect& place) {
        auto* l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(place);
        return l;
    };
    marker1_ = label("LMarke1", {4, 2, 11, 16});
    marker1_->setText(QStringLiteral("▶"));
    marker1_->hide();
    lWert1_ = label("LWert1", {15, 1, 30, 18});
    lEinsatz_ = label("LEinsatz", {46, 1, 158, 18});
    lEinsatz_->setText(QStringLiteral("Einsatz:"));
    marker2_ = label("LMarke2", {206, 2, 11, 16});
    marker2_->setText(QStringLiteral("▶"));
    marker2_->hide();
    lWert2_ = label("LWert2", {217, 1, 30, 18});

    spBut_ = new QToolButton(this);
    spBut_->setObjectName(QStringLiteral("spBut"));
    spBut_->setProperty("tag", box_);
    spBut_->setIcon(MakeToolIcon(ToolIcon::BoxOn, 16));
    spBut_->setIconSize(QSize(15, 15));
    spBut_->setGeometry(BOX_FRAME_WIDTH - 24, 1, 20, 18);
    spBut_->setToolTip(QStringLiteral("Box ein- oder ausschalten"));
    spBut_->setFocusPolicy(Qt::NoFocus);
    connect(spBut_, &QToolButton::clicked, this, [this] { emit onOffClicked(box_); });
}

void BoxFrame::BuildNamePanel(QWidget* group) {
    auto* panel = new QWidget(group);
    panel->setObjectName(QStringLiteral("PName"));
    panel->setGeometry(0, 0, BOX_FRAME_WIDTH, RAIL_TOP - TITLE_HEIGHT + 24);

    // Chips first: the cards are dealt over them.
    for (int coin = 0; coin < 5; ++coin) {
        auto* chip = new QLabel(panel);
        chip->setObjectName(QStringLiteral("Coin%1").arg(coin + 1));
        chip->setPixmap(ChipPixmap(coin + 1, 22, devicePixelRatioF()));
        chip->setGeometry(CHIPS_LEFT + coin * 14, CHIPS_TOP, 22, 22);
        chip->hide();
        coins_[coin] = chip;
    }

    cardArea_ = new CardArea(painter_, BOX_CARD_X, panel);
    cardArea_->setGeometry(CARD_LEFT, 0, BOX_FRAME_WIDTH - CARD_LEFT, panel->height());

    lName_ = new QLabel(panel);
    lName_->setObjectName(QStringLiteral("LName"));
    lName_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lName_->setGeometry(100, NAME_TOP, 194, 16);

    pAktionen_ = new QLabel(panel);
    pAktionen_->setObjectName(QStringLiteral("PAktionen"));
    pAktionen_->setGeometry(0, DECISIONS_TOP, 294, 15);
    pAktionen_->hide();

    gauge1_ = new QProgressBar(panel);
    gauge1_->setObjectName(QStringLiteral("Gauge1"));
    gauge1_->setProperty("tag", box_);
    gauge1_->setOrientation(Qt::Vertical);
    gauge1_->setTextVisible(false);
    gauge1_->setRange(0, 150);
    gauge1_->setValue(0);
    gauge1_->setGeometry(BOX_FRAME_WIDTH - 10, 22, 6, 54);
    gauge1_->setToolTip(QStringLiteral("Bedenkzeit"));
}

QLabel* BoxFrame::Caption(QWidget* parent, const QString& text, const QRect& place) {
    auto* caption = new QLabel(text, parent);
    caption->setProperty("role", "caption");
    caption->setGeometry(place);
    return caption;
}

QPushButton* BoxFrame::MakeActionButton(QWidget* parent, Action action, const QString& name,
                                        const QString& caption, const QString& tip) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setProperty("tag", box_);
    button->setGeometry(ActionPlace(action));
    button->setEnabled(false);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(QStringLiteral("%1 (Taste %2)").arg(tip, ActionKey(action)));
    connect(button, &QPushButton::clicked, this,
            [this, action] { emit actionClicked(box_, action); });
    return button;
}

void BoxFrame::BuildRail(QWidget* group) {
    auto* rail = new QWidget(group);
    rail->setObjectName(QStringLiteral("PLeiste"));
    rail->setAttribute(Qt::WA_StyledBackground);
    rail->setGeometry(0, RAIL_TOP - TITLE_HEIGHT, BOX_FRAME_WIDTH, BOX_FRAME_HEIGHT - RAIL_TOP);

    for (const ActionInfo& info : ACTIONS)
        actions_[static_cast<int>(info.action)] =
            MakeActionButton(rail, info.action, QLatin1String(info.name),
                             QString::fromUtf8(info.caption), QString::fromUtf8(info.tip));

    Caption(rail, QStringLiteral("Kapital"), {150, 2, 70, 10});
    pKapital_ = new QLabel(rail);
    pKapital_->setObjectName(QStringLiteral("PKapital"));
    pKapital_->setGeometry(150, 11, 72, 16);

    cbAutoSatz_ = new QCheckBox(QStringLiteral("Autom. setzen"), rail);
    cbAutoSatz_->setObjectName(QStringLiteral("cbAutoSatz"));
    cbAutoSatz_->setProperty("tag", box_);
    cbAutoSatz_->setChecked(true);
    cbAutoSatz_->setFocusPolicy(Qt::NoFocus);
    cbAutoSatz_->setGeometry(222, 6, 88, 18);
    connect(cbAutoSatz_, &QCheckBox::toggled, this,
            [this](bool on) { emit autoBetToggled(box_, on); });

    Caption(rail, QStringLiteral("Stücke"), {150, 29, 38, 10});
    spEinsatz_ = new QSpinBox(rail);
    spEinsatz_->setObjectName(QStringLiteral("spEinsatz"));
    spEinsatz_->setProperty("tag", box_);
    spEinsatz_->setRange(0, MAX_UNITS);
    spEinsatz_->setValue(1);
    // Arrows only: typing into it would fight with the keyboard play.
    if (auto* edit = spEinsatz_->findChild<QLineEdit*>()) edit->setReadOnly(true);
    spEinsatz_->setFocusPolicy(Qt::NoFocus);
    spEinsatz_->setGeometry(150, 38, 38, 17);
    connect(spEinsatz_, &QSpinBox::valueChanged, this,
            [this](int units) { emit unitsChanged(box_, units); });

    Caption(rail, QStringLiteral("Einsatz"), {192, 29, 52, 10});
    lEinsatzHoehe_ = new QLabel(rail);
    lEinsatzHoehe_->setObjectName(QStringLiteral("LEinsatzHoehe"));
    lEinsatzHoehe_->setGeometry(192, 39, 54, 15);

    bSetzen_ = new QPushButton(QStringLiteral("Bet"), rail);
    bSetzen_->setObjectName(QStringLiteral("BSetzen"));
    bSetzen_->setProperty("tag", box_);
    bSetzen_->setFocusPolicy(Qt::NoFocus);
    bSetzen_->setToolTip(QStringLiteral("Einsatz bestätigen"));
    bSetzen_->setGeometry(248, 31, 58, 23);
    connect(bSetzen_, &QPushButton::clicked, this, [this] { emit betClicked(box_); });
}

QPushButton* BoxFrame::ActionButton(Action action) const {
    return actions_[static_cast<int>(action)];
}

bool BoxFrame::IsRolledUp() const {
    return grSpieler_->isHidden();
}

void BoxFrame::ShowCard(int hand, int n, CardCode code) {
    cardArea_->ShowCard(hand, n, code);
    // The name and the decisions stay readable over the cards.
    lName_->raise();
    pAktionen_->raise();
    gauge1_->raise();
}

void BoxFrame::MoveSecondCardToHand2() {
    cardArea_->MoveSecondCardToHand2();
}

void BoxFrame::ClearCards() {
    cardArea_->Clear();
}

void BoxFrame::SetHandTotal(int hand, const QString& text) {
    (hand == 2 ? lWert2_ : lWert1_)->setText(text);
}

void BoxFrame::SetStakeLabel(const QString& text) {
    lEinsatz_->setText(text);
}

void BoxFrame::SetStakeHeight(const QString& text) {
    lEinsatzHoehe_->setText(text);
}

void BoxFrame::SetCapital(const QString& text) {
    pKapital_->setText(text);
}

void BoxFrame::SetUnits(int units) {
    const QSignalBlocker quiet(spEinsatz_);
    spEinsatz_->setValue(units);
}

void BoxFrame::SetUnitsEnabled(bool enabled) {
    spEinsatz_->setEnabled(enabled);
}

void BoxFrame::SetUnitsBlinking(bool blinking) {
    if (blinking) {
        unitsBlink_->start();
        return;
    }
    unitsBlink_->stop();
    unitsHighlighted_ = false;
    spEinsatz_->setProperty("blink", false);
    Restyle(spEinsatz_);
}

void BoxFrame::SetBetEnabled(bool enabled) {
    bSetzen_->setEnabled(enabled);
}

void BoxFrame::SetActionEnabled(Action action, bool enabled) {
    ActionButton(action)->setEnabled(enabled);
}

void BoxFrame::ShowCoin(int coin, bool visible) {
    if (coin >= 1 && coin <= 5) coins_[coin - 1]->setVisible(visible);
}

void BoxFrame::SetHandMarker(int hand, bool blinking) {
    const int i = hand == 2 ? 1 : 0;
    QLabel* marker = i == 0 ? marker1_ : marker2_;
    marker->setVisible(blinking);
    if (blinking)
        markerBlink_[i]->start();
    else
        markerBlink_[i]->stop();
}

void BoxFrame::SetGauge(int value, int maximum) {
    gauge1_->setMaximum(std::max(maximum, 1));
    gauge1_->setValue(std::clamp(value, 0, std::max(maximum, 1)));
}

void BoxFrame::SetDecisionsText(const QString& text) {
    pAktionen_->setText(text);
    pAktionen_->setVisible(!text.isEmpty());
    if (text.isEmpty()) return;
    // Right-aligned over the name, growing to the left as actions add up.
    const int width = std::min(pAktionen_->sizeHint().width(), 294);
    pAktionen_->setGeometry(294 - width, DECISIONS_TOP, width, 15);
}

void BoxFrame::SetName(const QString& text) {
    lName_->setText(text);
    const int width = std::min(lName_->sizeHint().width(), 194);
    lName_->setGeometry(294 - width, NAME_TOP, width, 16);
}

void BoxFrame::SetActive(bool active, bool frameVisible) {
    active_ = active;
    grSpieler_->setVisible(active);
    lWert2_->setVisible(active);
    // A switched-off box keeps its button, with a faded power sign.
    spBut_->setProperty("dimmed", !active);
    const QIcon power = MakeToolIcon(ToolIcon::BoxOn, 16);
    spBut_->setIcon(active ? power : QIcon(power.pixmap(QSize(15, 15), QIcon::Disabled)));
    spBut_->setToolTip(active ? QStringLiteral("Box ausschalten")
                              : QStringLiteral("Box einschalten"));
    setVisible(frameVisible);
    update();
}

void BoxFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintBoxFrame(p, rect(), TITLE_HEIGHT, !active_);
}

void BoxFrame::mousePressEvent(QMouseEvent* event) {
    // A press on the frame's own surface (its labels and panels pass the
    // press on to it) picks the frame up; buttons keep their clicks.
    if (!drag_.Press(*this, event)) QFrame::mousePressEvent(event);
}

void BoxFrame::mouseMoveEvent(QMouseEvent* event) {
    drag_.Move(*this, event);
}

void BoxFrame::mouseReleaseEvent(QMouseEvent* event) {
    if (drag_.Release(event)) emit moved(box_);
}

}  // namespace tavexo
