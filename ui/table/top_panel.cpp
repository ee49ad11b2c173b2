#include "ui/table/top_panel.h"

#include <QHBoxLayout>
#include <QResizeEvent>
#include <QToolButton>

#include "ui/common/tool_icons.h"

namespace tavexo {

namespace {

// A caption as it reads on one line: the mnemonic's "&" gone, "&&" a plain
// "&", and a word that the button breaks after its hyphen whole again
// ("Spieler-\nProfile" reads "Spieler-Profile", "Trainings-\nzentrum"
// "Trainingszentrum").
QString PlainCaption(QString caption) {
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    for (qsizetype at = caption.indexOf(QStringLiteral("-\n")); at >= 0;
         at = caption.indexOf(QStringLiteral("-\n"), at)) {
        const bool noun = at + 2 < caption.size() && caption[at + 2].isUpper();
        caption.remove(noun ? at + 1 : at, noun ? 1 : 2);
    }
    return caption;
}

QToolButton* Button(QWidget* parent, QHBoxLayout* row, const char* name, const QString& caption,
                    ToolIcon icon) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(caption);
    button->setIcon(MakeToolIcon(icon, 26));
    button->setIconSize(QSize(26, 26));
    button->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly
                                                 : Qt::ToolButtonTextUnderIcon);
    button->setAutoRaise(true);
    if (!caption.isEmpty()) {
        button->setToolTip(PlainCaption(caption));
        button->setAccessibleName(PlainCaption(caption));
    }
    row->addWidget(button);
    return button;
}

}  // namespace

TopPanel::TopPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("POben"));
    setAttribute(Qt::WA_StyledBackground);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 6, 2);
    row->setSpacing(2);
    bBeenden = Button(this, row, "BBeenden", QStringLiteral("Be&enden"), ToolIcon::Beenden);
    bStart = Button(this, row, "BStart", QStringLiteral("Spiel &starten"), ToolIcon::Start);
    bStop = Button(this, row, "BStop", QStringLiteral("Spiel sto&ppen"), ToolIcon::Stop);
    bStop->setEnabled(false);
    bStatistik = Button(this, row, "BStatistik", QStringLiteral("&Verläufe && Statistiken"),
                        ToolIcon::Statistik);
    bProfile =
        Button(this, row, "BProfile", QStringLiteral("Spieler-\nProfile"), ToolIcon::Profile);
    bStrategietabellen = Button(this, row, "BStrategietabellen",
                                QStringLiteral("Trainings-\nzentrum"), ToolIcon::Trainingszentrum);
    bHinweise =
        Button(this, row, "BHinweise", QStringLiteral("Strategie-\n&hinweise"), ToolIcon::Hinweise);
    bTraining = Button(this, row, "BTraining", QStringLiteral("Zählen üben"), ToolIcon::Zaehlen);
    bOptionen =
        Button(this, row, "BOptionen", QStringLiteral("Optionen && Regeln"), ToolIcon::Optionen);
    bNeues =
        Button(this, row, "bsSkinSpeedButton1", QStringLiteral("Gibt es Neues?"), ToolIcon::Neues);
    bLiveTische = Button(this, row, "bsSkinSpeedButton2",
                         QStringLiteral("Live-Tische fürs Counten"), ToolIcon::LiveTische);
    row->addStretch(1);
    bHelp = Button(this, row, "BHelp", QString(), ToolIcon::Hilfe);
    bHelp->setToolTip(QStringLiteral("Hilfe"));
    bHelp->setAccessibleName(QStringLiteral("Hilfe"));
}

int TopPanel::CaptionedWidth() const {
    return captionedWidth_;
}

QSize TopPanel::minimumSizeHint() const {
    // The pictures alone, with room for the style's padding and frame.
    const QMargins m = layout()->contentsMargins();
    int width = m.left() + m.right();
    for (const QToolButton* button : findChildren<QToolButton*>())
        width += button->iconSize().width() + 16 + layout()->spacing();
    return QSize(width, QWidget::minimumSizeHint().height());
}

void TopPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Measured while the captions show, so the fonts of the style count.
    if (!compact_) captionedWidth_ = layout()->sizeHint().width();
    SetCompact(width() < captionedWidth_);
}

void TopPanel::SetCompact(bool compact) {
    if (compact == compact_) return;
    compact_ = compact;
    for (QToolButton* button : findChildren<QToolButton*>()) {
        if (button->text().isEmpty()) continue;
        button->setToolButtonStyle(compact ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextUnderIcon);
    }
}

}  // namespace tavexo
