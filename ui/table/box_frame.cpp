#include "ui/table/box_frame.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

#include "ui/common/card_area.h"
#include "ui/common/card_painter.h"
#include "ui/common/locale_text_format.h"
#include "ui/common/painted_label.h"
#include "ui/common/table_art.h"
#include "ui/common/tool_icons.h"
#include "ui/table/cached_button.h"
#include "ui/table/table_layout.h"

namespace tavexo {

namespace {

constexpr int TITLE_HEIGHT = 20;
// From top to bottom: the title row, the cards with a column on the right
// (chips, decision gauge, automatic bet, capital), a strip with the name and
// the decisions, and the rail with the buttons. Nothing lies over anything
// else, so two split hands of five cards, the tags, the name and the chip
// all stay readable.
constexpr int CARDS_TOP = 21;
constexpr int CARDS_HEIGHT = 72;
constexpr int CARD_LEFT = 4;
constexpr int COLUMN_LEFT = 200;
constexpr int STRIP_TOP = 94;
constexpr int STRIP_HEIGHT = 16;
constexpr int RAIL_TOP = 111;
constexpr int CHIPS_TOP = 2;  // in the card zone
constexpr int CHIP_SIZE = 22;
// The chips in play lie in a pile, each a little below the one before.
constexpr int CHIP_STEP = 4;
// The top of the column: the chips and, beside them, the result badge,
// whose word and money take two lines when one is too narrow.
constexpr int BADGE_ROOM = 29;
// The right edge of the badge, clear of the decision gauge.
constexpr int BADGE_RIGHT = BOX_FRAME_WIDTH - 10;
// Room the badge's rounded ends need around its text.
constexpr int BADGE_PADDING = 8;
constexpr int BLINK_MS = 500;

// Small cards 12 pixels apart: the full index of each stays in view, and
// hand 2 of a split starts right after five cards of hand 1.
const CardPlaces BOX_CARD_PLACES = {
    {0, 12, 24, 36, 48, 60, 72, 84, 96, 108, 120, 132},
    {4, 2, 1, 1, 0, 1, 1, 2, 2, 3, 3, 4},
    98,
    QSize(SMALL_CARD_WIDTH, SMALL_CARD_HEIGHT),
};

// Every text at 9 pt or more, light on the dark frame (contrast 7:1 and
// more against the frame's darkened felt); a narrow face so that the
// German captions fit their buttons.
const char* const FRAME_STYLE = R"(
* { font-family: "DejaVu Sans Condensed", "Nimbus Sans Narrow", "Nimbus Sans", sans-serif; }
QLabel { color: #f4ecd4; font-size: 9pt; }
QLabel#LWert1, QLabel#LWert2 { font-size: 10pt; font-weight: bold; }
QLabel#LMarke1, QLabel#LMarke2 { color: #ffd760; font-size: 9pt; }
QLabel#LName { color: #f6de96; font-size: 9pt; font-style: italic; font-weight: bold; }
QLabel#PAktionen { color: #ffffff; font-size: 9pt; font-weight: bold; background: #8c1c1c;
                   border-radius: 7px; padding: 0px 6px; }
QLabel#LErgebnis { font-size: 9pt; font-weight: bold; }
QLabel[role="caption"] { color: #e6d29c; font-size: 9pt; }
QLabel#PKapital, QLabel#LEinsatzHoehe { color: #ffffff; font-size: 9pt; font-weight: bold; }
QPushButton { color: #2e1c0a; font-size: 9pt; padding: 0px;
              border: 1px solid #8a6a2a; border-radius: 4px;
              background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdf1c8, stop:1 #d7b562); }
QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fff8de, stop:1 #e8c878); }
QPushButton:pressed { background: #c39a42; }
QPushButton:disabled { color: #a89878; background: #3c2a1a; border: 1px solid #6a5430; }
QPushButton#BSetzen { color: #ffffff; font-weight: bold; border: 1px solid #5a0c0c;
                      background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #e2453c, stop:1 #9c1a16); }
QPushButton#BSetzen:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #f05a50, stop:1 #b02420); }
QPushButton#BSetzen:disabled { color: #c8a8a0; background: #4a1c18; border: 1px solid #6a3030; }
QCheckBox { color: #f4ecd4; font-size: 9pt; spacing: 3px; }
QCheckBox::indicator { width: 10px; height: 10px; border: 1px solid #c9a24a; border-radius: 2px;
                       background: #1a1008; }
QCheckBox::indicator:checked { background: qradialgradient(cx:0.5, cy:0.5, radius:0.6, fx:0.5, fy:0.5,
                               stop:0 #fff0b0, stop:0.5 #e0c068, stop:0.6 #1a1008); }
QSpinBox { font-size: 9pt; font-weight: bold; color: #1a1a1a; background: #ffffff;
           border: 1px solid #8a6a2a; border-radius: 2px; padding: 0px 1px; }
QSpinBox[blink="true"] { background: #ffe14a; }
QSpinBox:disabled { color: #4a4a4a; background: #c8c4b8; }
QSpinBox::up-button, QSpinBox::down-button { width: 11px; background: #e8dfc4;
                                             border-left: 1px solid #8a6a2a; }
QSpinBox::up-button { subcontrol-origin: border; subcontrol-position: top right; }
QSpinBox::down-button { subcontrol-origin: border; subcontrol-position: bottom right; }
QSpinBox::up-button:hover, QSpinBox::down-button:hover { background: #f4d878; }
QSpinBox::up-arrow { image: url(:/style/arrow-up.svg); width: 7px; height: 7px; }
QSpinBox::down-arrow { image: url(:/style/arrow-down.svg); width: 7px; height: 7px; }
QProgressBar { background: rgba(0, 0, 0, 120); border: 1px solid rgba(224, 192, 104, 120);
               border-radius: 2px; }
QProgressBar::chunk { background: qlineargradient(x1:0, y1:1, x2:0, y2:0, stop:0 #62d16a,
                      stop:0.6 #f0c040, stop:1 #e04030); }
QToolButton#spBut { border: none; background: transparent; }
)";

struct ActionInfo {
    Action action;
    const char* name;
    const char* caption;
    const char* tip;
};
constexpr ActionInfo ACTIONS[] = {
    {Action::Hit, "BZiehen", "Ziehen", "Eine Karte ziehen"},
    {Action::Stand, "BHalten", "Halten", "Keine Karte mehr"},
    {Action::Surrender, "BAufgeben", "Aufgeben", "Aufgeben: die Hälfte des Einsatzes zurück"},
    {Action::Double, "BVerdoppeln", "Verdoppeln", "Einsatz verdoppeln, genau eine Karte"},
    {Action::Split, "BTeilen", "Teilen", "Das Paar in zwei Hände teilen"},
    {Action::Insure, "BVersichern", "Versichern", "Gegen einen Black Jack des Dealers versichern"},
};

// Where the action buttons sit on the rail: upper row double, split, insure;
// lower row hit, stand, surrender.
QRect ActionPlace(Action action) {
    constexpr int top = 3;
    constexpr int bottom = 24;
    constexpr int h = 19;
    switch (action) {
        case Action::Double:
            return {3, top, 66, h};
        case Action::Split:
            return {71, top, 44, h};
        case Action::Insure:
            return {117, top, 64, h};
        case Action::Hit:
            return {3, bottom, 66, h};
        case Action::Stand:
            return {71, bottom, 44, h};
        case Action::Surrender:
            return {117, bottom, 64, h};
    }
    return {};
}

// The core writes an amount of exactly zero as "0,0", the form its grids
// keep; a money label on the table shows it as money all the same.
QString MoneyLabel(const QString& text, int decimals) {
    if (text != QLatin1String("0,0")) return text;
    return LocaleTextFormat::TableLocale().toCurrencyString(0.0, QString(), decimals);
}

// A hand's total, red when it is bust (the colours the frame's style had).
const QColor TOTAL_TEXT(0x7d, 0xff, 0x84);
const QColor BUST_TEXT(0xff, 0x8a, 0x80);

// The result badge: white on a field coloured by the result, the
// blackjack's in gold.
PaintedLabel::Colours BadgeColours(RoundOutcome outcome) {
    PaintedLabel::Colours c{QColor(0xff, 0xff, 0xff), QColor(0x3a, 0x3a, 0x3a),
                            QColor(0xe0, 0xc0, 0x68), 6, 2};
    switch (outcome) {
        case RoundOutcome::Won:
            c.field = QColor(0x1d, 0x6b, 0x2a);
            break;
        case RoundOutcome::Blackjack:
            c.field = QColor(0xe0, 0xc0, 0x68);
            c.text = QColor(0x2a, 0x1a, 0x06);
            break;
        case RoundOutcome::Lost:
        case RoundOutcome::Bust:
            c.field = QColor(0x9c, 0x1a, 0x16);
            break;
        case RoundOutcome::Push:
        case RoundOutcome::Surrendered:
            c.field = QColor(0x4a, 0x40, 0x30);
            break;
    }
    return c;
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
    auto total = [this](const char* name, const QRect& place) {
        auto* l = new PaintedLabel(this);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(place);
        l->SetColours({TOTAL_TEXT, {}, {}, 0, 0});
        return l;
    };
    marker1_ = label("LMarke1", {4, 2, 11, 16});
    marker1_->setText(QStringLiteral("▶"));
    marker1_->hide();
    lWert1_ = total("LWert1", {15, 1, 44, 18});
    lEinsatz_ = label("LEinsatz", {60, 1, 142, 18});
    lEinsatz_->setText(QStringLiteral("Einsatz:"));
    marker2_ = label("LMarke2", {204, 2, 11, 16});
    marker2_->setText(QStringLiteral("▶"));
    marker2_->hide();
    lWert2_ = total("LWert2", {215, 1, 44, 18});

    spBut_ = new QToolButton(this);
    spBut_->setObjectName(QStringLiteral("spBut"));
    spBut_->setProperty("tag", box_);
    spBut_->setIcon(MakeToolIcon(ToolIcon::BoxOn, 16));
    spBut_->setIconSize(QSize(15, 15));
    spBut_->setGeometry(BOX_FRAME_WIDTH - 24, 1, 20, 18);
    spBut_->setToolTip(QStringLiteral("Box ein- oder ausschalten"));
    spBut_->setAccessibleName(QStringLiteral("Box %1 ein- oder ausschalten").arg(box_));
    spBut_->setFocusPolicy(Qt::NoFocus);
    connect(spBut_, &QToolButton::clicked, this, [this] { emit onOffClicked(box_); });
}

void BoxFrame::BuildNamePanel(QWidget* group) {
    // Group coordinates are frame coordinates less the title row.
    auto* panel = new QWidget(group);
    panel->setObjectName(QStringLiteral("PName"));
    panel->setGeometry(0, 0, BOX_FRAME_WIDTH, RAIL_TOP - TITLE_HEIGHT);
    const int cardsTop = CARDS_TOP - TITLE_HEIGHT;

    cardArea_ = new CardArea(painter_, BOX_CARD_PLACES, panel);
    cardArea_->setGeometry(CARD_LEFT, cardsTop, COLUMN_LEFT - CARD_LEFT, CARDS_HEIGHT);

    // The column right of the cards: chips, gauge, automatic bet, capital.
    for (int coin = 0; coin < 5; ++coin) {
        auto* chip = new QLabel(panel);
        chip->setObjectName(QStringLiteral("Coin%1").arg(coin + 1));
        chip->setPixmap(ChipPixmap(coin + 1, CHIP_SIZE, devicePixelRatioF()));
        chip->setGeometry(COLUMN_LEFT + 2, cardsTop + CHIPS_TOP, CHIP_SIZE, CHIP_SIZE);
        chip->hide();
        coins_[coin] = chip;
    }
    gauge1_ = new QProgressBar(panel);
    gauge1_->setObjectName(QStringLiteral("Gauge1"));
    gauge1_->setProperty("tag", box_);
    gauge1_->setOrientation(Qt::Vertical);
    gauge1_->setTextVisible(false);
    gauge1_->setRange(0, 150);
    gauge1_->setValue(0);
    gauge1_->setGeometry(BOX_FRAME_WIDTH - 9, cardsTop + 1, 6, 44);
    gauge1_->setToolTip(QStringLiteral("Bedenkzeit"));
    gauge1_->setAccessibleName(QStringLiteral("Bedenkzeit"));

    lErgebnis_ = new PaintedLabel(panel);
    lErgebnis_->setObjectName(QStringLiteral("LErgebnis"));
    lErgebnis_->setAlignment(Qt::AlignCenter);
    lErgebnis_->hide();

    cbAutoSatz_ = new QCheckBox(QStringLiteral("Autom. setzen"), panel);
    cbAutoSatz_->setObjectName(QStringLiteral("cbAutoSatz"));
    cbAutoSatz_->setProperty("tag", box_);
    cbAutoSatz_->setChecked(true);
    cbAutoSatz_->setFocusPolicy(Qt::NoFocus);
    cbAutoSatz_->setGeometry(COLUMN_LEFT + 1, cardsTop + BADGE_ROOM,
                             BOX_FRAME_WIDTH - COLUMN_LEFT - 12, 16);
    connect(cbAutoSatz_, &QCheckBox::toggled, this,
            [this](bool on) { emit autoBetToggled(box_, on); });

    Caption(panel, QStringLiteral("Kapital"), {COLUMN_LEFT + 2, cardsTop + 45, 100, 13});
    pKapital_ = new QLabel(panel);
    pKapital_->setObjectName(QStringLiteral("PKapital"));
    pKapital_->setGeometry(COLUMN_LEFT + 2, cardsTop + 58, BOX_FRAME_WIDTH - COLUMN_LEFT - 6, 15);

    // The strip under the cards: the player on the left, the decisions on the right.
    const int stripTop = STRIP_TOP - TITLE_HEIGHT;
    lName_ = new QLabel(panel);
    lName_->setObjectName(QStringLiteral("LName"));
    lName_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lName_->setGeometry(CARD_LEFT + 2, stripTop, 200, STRIP_HEIGHT);

    pAktionen_ = new QLabel(panel);
    pAktionen_->setObjectName(QStringLiteral("PAktionen"));
    pAktionen_->setAlignment(Qt::AlignCenter);
    pAktionen_->setGeometry(BOX_FRAME_WIDTH - 100, stripTop, 96, STRIP_HEIGHT);
    pAktionen_->hide();
}

QLabel* BoxFrame::Caption(QWidget* parent, const QString& text, const QRect& place) {
    auto* caption = new QLabel(text, parent);
    caption->setProperty("role", "caption");
    caption->setGeometry(place);
    return caption;
}

QPushButton* BoxFrame::MakeActionButton(QWidget* parent, Action action, const QString& name,
                                        const QString& caption, const QString& tip) {
    auto* button = new CachedButton(caption, parent);
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
    // Its wood is part of the frame's picture (paintEvent).
    rail->setGeometry(0, RAIL_TOP - TITLE_HEIGHT, BOX_FRAME_WIDTH, BOX_FRAME_HEIGHT - RAIL_TOP);

    for (const ActionInfo& info : ACTIONS)
        actions_[static_cast<int>(info.action)] =
            MakeActionButton(rail, info.action, QLatin1String(info.name),
                             QString::fromUtf8(info.caption), QString::fromUtf8(info.tip));

    // Right of the buttons: units and stake, each behind its caption, and "Bet".
    Caption(rail, QStringLiteral("Stücke"), {185, 3, 38, 19});
    spEinsatz_ = new QSpinBox(rail);
    spEinsatz_->setObjectName(QStringLiteral("spEinsatz"));
    spEinsatz_->setProperty("tag", box_);
    spEinsatz_->setRange(0, MAX_UNITS);
    spEinsatz_->setValue(1);
    spEinsatz_->setAccessibleName(QStringLiteral("Stücke"));
    // Arrows only: typing into it would fight with the keyboard play.
    if (auto* edit = spEinsatz_->findChild<QLineEdit*>()) edit->setReadOnly(true);
    spEinsatz_->setFocusPolicy(Qt::NoFocus);
    spEinsatz_->setGeometry(222, 3, 40, 19);
    connect(spEinsatz_, &QSpinBox::valueChanged, this,
            [this](int units) { emit unitsChanged(box_, units); });

    Caption(rail, QStringLiteral("Einsatz"), {185, 24, 38, 19});
    lEinsatzHoehe_ = new QLabel(rail);
    lEinsatzHoehe_->setObjectName(QStringLiteral("LEinsatzHoehe"));
    lEinsatzHoehe_->setGeometry(226, 24, 40, 19);

    bSetzen_ = new CachedButton(QStringLiteral("Bet"), rail);
    bSetzen_->setObjectName(QStringLiteral("BSetzen"));
    bSetzen_->setProperty("tag", box_);
    bSetzen_->setFocusPolicy(Qt::NoFocus);
    bSetzen_->setToolTip(QStringLiteral("Einsatz bestätigen"));
    bSetzen_->setGeometry(266, 3, 40, 40);
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
}

void BoxFrame::MoveSecondCardToHand2() {
    cardArea_->MoveSecondCardToHand2();
}

void BoxFrame::ClearCards() {
    cardArea_->Clear();
}

void BoxFrame::SetHandTotal(int hand, const QString& text) {
    PaintedLabel* label = hand == 2 ? lWert2_ : lWert1_;
    label->setText(text);
    // A bust total stands out in red; "7/17" and blanks are no bust.
    bool number = false;
    const int total = text.toInt(&number);
    const bool bust = number && total > 21;
    label->setProperty("bust", bust);
    label->SetColours({bust ? BUST_TEXT : TOTAL_TEXT, {}, {}, 0, 0});
}

void BoxFrame::ShowOutcome(RoundOutcome outcome, const QString& amount) {
    static const char* const WORDS[] = {"Gewonnen",   "Verloren", "Push",
                                        "Black Jack", "Bust",     "Aufgegeben"};
    static const char* const KINDS[] = {"won", "lost", "push", "blackjack", "bust", "surrendered"};
    const int i = static_cast<int>(outcome);
    outcomeWord_ = QString::fromUtf8(WORDS[i]);
    outcomeAmount_ = outcome == RoundOutcome::Push ? QString() : amount;
    lErgebnis_->setProperty("outcome", QLatin1String(KINDS[i]));
    lErgebnis_->SetColours(BadgeColours(outcome));
    lErgebnis_->raise();
    PlaceOutcome();
    lErgebnis_->show();
}

void BoxFrame::PlaceOutcome() {
    // Beside the chips, never over them: on one line where that fits, else
    // the word above the money.
    int left = COLUMN_LEFT;
    for (const QLabel* chip : coins_) {
        if (!chip->isHidden()) left = std::max(left, chip->geometry().right() + 1);
    }
    left += 2;
    const int width = BADGE_RIGHT - left;
    const QString line =
        outcomeAmount_.isEmpty() ? outcomeWord_ : outcomeWord_ + QLatin1Char(' ') + outcomeAmount_;
    const bool fits = lErgebnis_->fontMetrics().horizontalAdvance(line) + BADGE_PADDING <= width;
    lErgebnis_->setText(fits ? line : outcomeWord_ + QLatin1Char('\n') + outcomeAmount_);
    lErgebnis_->setAccessibleName(line);
    const int top = CARDS_TOP - TITLE_HEIGHT;
    lErgebnis_->setGeometry(left, top, width, fits ? CHIP_SIZE + 2 : BADGE_ROOM);
}

void BoxFrame::ClearOutcome() {
    lErgebnis_->hide();
    lErgebnis_->clear();
}

QString BoxFrame::OutcomeText() const {
    return lErgebnis_->isHidden() ? QString() : lErgebnis_->accessibleName();
}

void BoxFrame::SetStakeLabel(const QString& text) {
    lEinsatz_->setText(text);
}

void BoxFrame::SetStakeHeight(const QString& text) {
    lEinsatzHoehe_->setText(MoneyLabel(text, 0));
}

void BoxFrame::SetCapital(const QString& text) {
    pKapital_->setText(MoneyLabel(text, 1));
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
    if (coin < 1 || coin > 5 || coins_[coin - 1]->isHidden() != visible) return;
    coins_[coin - 1]->setVisible(visible);
    // The chips in play pile up in their order.
    int top = CARDS_TOP - TITLE_HEIGHT + CHIPS_TOP;
    for (QLabel* chip : coins_) {
        if (chip->isHidden()) continue;
        chip->move(COLUMN_LEFT + 2, top);
        top += CHIP_STEP;
    }
    if (!lErgebnis_->isHidden()) PlaceOutcome();
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
    // Right-aligned in the strip, growing to the left as decisions add up;
    // the name beside it gives way.
    const int width = std::min(pAktionen_->sizeHint().width(), BOX_FRAME_WIDTH - 8);
    pAktionen_->setGeometry(BOX_FRAME_WIDTH - 4 - width, pAktionen_->y(), width, STRIP_HEIGHT);
    FitName();
}

void BoxFrame::SetName(const QString& text) {
    name_ = text;
    lName_->setToolTip(text);
    FitName();
}

void BoxFrame::FitName() {
    // The name takes the strip up to the decisions, shortened with "…" when
    // both do not fit.
    const int right = pAktionen_->isHidden() ? BOX_FRAME_WIDTH - 4 : pAktionen_->x() - 4;
    const int width = std::max(right - lName_->x(), 0);
    lName_->resize(width, STRIP_HEIGHT);
    lName_->setText(lName_->fontMetrics().elidedText(name_, Qt::ElideRight, width));
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

void BoxFrame::paintEvent(QPaintEvent* event) {
    const QPixmap& picture =
        background_.For(size(), devicePixelRatioF(), active_ ? 1 : 0, [this](QPixmap& canvas) {
            QPainter paint(&canvas);
            PaintBoxFrame(paint, rect(), TITLE_HEIGHT, !active_);
            if (active_) PaintBoxRail(paint, QRect(0, RAIL_TOP, width(), height() - RAIL_TOP));
        });
    QPainter p(this);
    DrawPicturePart(p, event->rect(), picture);
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
