#include "ui/table/top_panel.h"

#include <QHBoxLayout>
#include <QToolButton>

#include "ui/common/tool_icons.h"

namespace tavexo {

namespace {

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
    row->addWidget(button);
    return button;
}

}  // namespace

TopPanel::TopPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("POben"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 2, 6, 2);
    row->setSpacing(2);
    bBeenden = Button(this, row, "BBeenden", QStringLiteral("Be&enden"), ToolIcon::Beenden);
    bStart = Button(this, row, "BStart", QStringLiteral("Spiel &starten"), ToolIcon::Start);
    bStop = Button(this, row, "BStop", QStringLiteral("Spiel sto&ppen"), ToolIcon::Stop);
    bStop->setEnabled(false);
    bStatistik = Button(this, row, "BStatistik", QStringLiteral("&Verläufe && Statistiken"),
                        ToolIcon::Statistik);
    bProfile = Button(this, row, "BProfile", QStringLiteral("Spieler- Profile"), ToolIcon::Profile);
    bStrategietabellen = Button(this, row, "BStrategietabellen",
                                QStringLiteral("Trainings- zentrum"), ToolIcon::Trainingszentrum);
    bHinweise =
        Button(this, row, "BHinweise", QStringLiteral("Strategie- &hinweise"), ToolIcon::Hinweise);
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
}

}  // namespace tavexo
