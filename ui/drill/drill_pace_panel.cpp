#include "ui/drill/drill_pace_panel.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tavexo {

namespace {

QSpinBox* Spin(const QString& name, int low, int high, int step, const QString& caption,
               QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(low, high);
    spin->setSingleStep(step);
    spin->setAccessibleName(caption);
    spin->setMinimumWidth(70);
    return spin;
}

QPushButton* Button(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

DrillPacePanel::DrillPacePanel(QWidget* parent) : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* pace = new QGroupBox(QStringLiteral("Verzögerung in Zehntelsekunden"), this);
    pace->setObjectName(QStringLiteral("GrTempo"));
    auto* form = new QFormLayout(pace);
    cardDelay = Spin(QStringLiteral("spV1"), 0, 20, 1, QStringLiteral("zwischen den Karten"), pace);
    playerDelay =
        Spin(QStringLiteral("spV2"), 0, 100, 10, QStringLiteral("zwischen den Spielern"), pace);
    clearPause =
        Spin(QStringLiteral("spV3"), 0, 200, 10, QStringLiteral("Pause bis zum Abräumen"), pace);
    decks = Spin(QStringLiteral("spV4"), 1, 8, 1, QStringLiteral("Decks"), pace);
    decks->setValue(8);
    decks->setToolTip(QStringLiteral("Nur zu ändern, solange keine Übung läuft"));
    form->addRow(QStringLiteral("zwischen den Karten"), cardDelay);
    form->addRow(QStringLiteral("zwischen den Spielern"), playerDelay);
    form->addRow(QStringLiteral("Pause bis zum Abräumen"), clearPause);
    form->addRow(QStringLiteral("Decks"), decks);

    auto* sound = new QGroupBox(QStringLiteral("Mit Kartenausgabe..."), this);
    sound->setObjectName(QStringLiteral("RGAnsage"));
    auto* soundLayout = new QVBoxLayout(sound);
    announcement = new QButtonGroup(this);
    const QString items[] = {QStringLiteral("Zählwertansage"), QStringLiteral("Kartengeräusch"),
                             QStringLiteral("nichts abspielen")};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(items[i], sound);
        radio->setObjectName(QStringLiteral("RGAnsage%1").arg(i));
        announcement->addButton(radio, i);
        soundLayout->addWidget(radio);
    }
    announcement->button(0)->setChecked(true);
    soundLayout->addStretch();

    auto* buttons = new QVBoxLayout;
    start = Button(QStringLiteral("BStart"), QStringLiteral("Starten"), this);
    stop = Button(QStringLiteral("BStoppen"), QStringLiteral("Stoppen"), this);
    pause = Button(QStringLiteral("BPause"), QStringLiteral("Pause"), this);
    save = Button(QStringLiteral("BSave1"), QStringLiteral("Speichern"), this);
    save->setToolTip(QStringLiteral("Die Einstellungen der Übung speichern"));
    close = Button(QStringLiteral("BClose"), QStringLiteral("Schließen"), this);
    for (QPushButton* shownInRunsOnly : {stop, pause}) {
        QSizePolicy policy = shownInRunsOnly->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        shownInRunsOnly->setSizePolicy(policy);
    }
    buttons->addWidget(start);
    buttons->addWidget(stop);
    buttons->addWidget(pause);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);

    layout->addWidget(pace);
    layout->addWidget(sound);
    layout->addLayout(buttons);
    SetControls(DrillControls{});
}

void DrillPacePanel::SetControls(const DrillControls& c) {
    // Keyboard focus follows the run: from "Starten" to "Pause" when a run
    // begins, and back when it ends, rather than to whatever comes next.
    const bool focusInRunButtons = start->hasFocus() || stop->hasFocus() || pause->hasFocus();
    start->setEnabled(c.startEnabled);
    decks->setEnabled(c.decksEnabled);
    // Hidden buttons keep their place, so the others do not jump about.
    stop->setVisible(c.stopVisible);
    pause->setVisible(c.pauseVisible);
    pause->setText(c.paused ? QStringLiteral("Weiter") : QStringLiteral("Pause"));
    if (focusInRunButtons && !start->hasFocus() && !stop->hasFocus() && !pause->hasFocus())
        (c.startEnabled ? start : pause)->setFocus();
}

}  // namespace tavexo
