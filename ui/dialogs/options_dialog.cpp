#include "ui/dialogs/options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "engine/table.h"
#include "ui/common/window_style.h"
#include "ui/dialogs/dialog_parts.h"
#include "ui/help/help_context.h"
#include "ui/help/help_request.h"
#include "ui/program.h"

namespace tavexo {

namespace {

const std::array<const char*, SOUND_CUE_COUNT> SOUND_ITEMS = {
    "Einsatz", "Mischen", "Karte geben", "Black Jack", "Auszahlung", "Zeitablauf"};

const std::array<const char*, 4> DOUBLE_ITEMS = {
    "zwei Karten kleiner als 21 ist", "zwei Karten 9, 10 oder 11 beträgt",
    "zwei Karten 10 oder 11 beträgt", "zwei Karten 11 beträgt"};

const std::array<const char*, 4> DECK_ITEMS = {"1 (52)", "4 (208)", "6 (312)", "8 (416)"};

QLabel* Text(const QString& text, QWidget* parent, const char* role = nullptr) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    if (role != nullptr) label->setProperty("role", QLatin1String(role));
    return label;
}

QSpinBox* DelaySpin(QWidget* parent, const char* name, int min, int max, int step) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(min, max);
    spin->setSingleStep(step);
    spin->setAlignment(Qt::AlignRight);
    spin->setMaximumWidth(64);  // three digits
    return spin;
}

// A check box whose caption is too long for one line of its half; screen
// readers get the caption in one piece.
QCheckBox* WrappedCheckBox(const QString& caption, const QString& shown, QWidget* parent,
                           const char* name) {
    auto* box = new QCheckBox(shown, parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(caption);
    return box;
}

// A radio group: a titled box whose items are numbered by their index.
QButtonGroup* RadioGroup(QGroupBox* box, QGridLayout* layout, const char* const* items, int count,
                         int columns) {
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < count; ++i) {
        auto* item = new QRadioButton(QString::fromUtf8(items[i]), box);
        item->setObjectName(QStringLiteral("%1Item%2").arg(box->objectName()).arg(i));
        group->addButton(item, i);
        layout->addWidget(item, i / columns, i % columns);
    }
    return group;
}

}  // namespace

OptionsDialog::OptionsDialog(Program& program, QWidget* parent)
    : QDialog(parent), program_(program) {
    setObjectName(QStringLiteral("TFOptionen2"));
    setWindowTitle(QStringLiteral("Tavexo"));
    setAccessibleName(QStringLiteral("Optionen & Regeln"));
    help::SetHelpContext(this, help::OptionsDialog);
    ApplyWindowStyle(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(4);
    layout->addWidget(BuildTopBar());
    layout->addWidget(
        Text(QStringLiteral("Legen Sie links Einstellungen für den Programm\u00ADablauf "
                            "und rechts die Spielregeln fest"),
             this, "note"));
    auto* halves = new QHBoxLayout;
    halves->setSpacing(10);
    // The rules' items are the longer ones: that half takes the room left.
    halves->addWidget(BuildFlowHalf(), 0);
    halves->addWidget(BuildRulesHalf(), 1);
    layout->addLayout(halves, 1);
    layout->addWidget(BuildBottomBar());
    setFixedSize(Width(), Height());

    Fill(ProgramOptionsOf(program_.Settings()));
}

QWidget* OptionsDialog::BuildTopBar() {
    auto* bar = new QWidget(this);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 2, 0, 2);
    QPushButton* save = DialogButton(bar, "Bsave1", QStringLiteral("Speichern"));
    QPushButton* close = DialogButton(bar, "BClose2", QStringLiteral("Schließen"));
    auto* label7 = Text(QStringLiteral("Bitte beachten:"), bar, "warning");
    label7->setObjectName(QStringLiteral("Label7"));
    label7->setWordWrap(false);
    auto* label6 = Text(QStringLiteral("Änderungen werden erst mit dem Speichern wirksam"), bar);
    label6->setObjectName(QStringLiteral("Label6"));
    QToolButton* helpButton = HelpButton(bar);
    layout->addWidget(save);
    layout->addWidget(close);
    layout->addSpacing(8);
    layout->addWidget(label7);
    layout->addWidget(label6, 1);
    layout->addWidget(helpButton);
    connect(save, &QPushButton::clicked, this, &OptionsDialog::SaveProgramOptions);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(helpButton, &QToolButton::clicked, this, [this] { help::RequestHelp(this); });
    return bar;
}

QWidget* OptionsDialog::BuildFlowHalf() {
    auto* half = new QWidget(this);
    auto* layout = new QVBoxLayout(half);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    auto* sounds = new QGroupBox(QStringLiteral("Programm gibt Laut bei ..."), half);
    sounds->setObjectName(QStringLiteral("RG1"));
    auto* soundGrid = new QGridLayout(sounds);
    soundGrid->setVerticalSpacing(2);
    for (int i = 0; i < SOUND_CUE_COUNT; ++i) {
        soundCues_[i] = new QCheckBox(QString::fromUtf8(SOUND_ITEMS[i]), sounds);
        soundCues_[i]->setObjectName(QStringLiteral("RG1Item%1").arg(i));
        // Two columns, filled top to bottom as the items are numbered.
        soundGrid->addWidget(soundCues_[i], i % 3, i / 3);
    }
    cbRobotTon_ = new QCheckBox(QStringLiteral("Kein Sound für Robot"), half);
    cbRobotTon_->setObjectName(QStringLiteral("cbRobotTon"));

    auto* flow = new QGroupBox(QStringLiteral("Steuerung des Spielablaufs"), half);
    flow->setObjectName(QStringLiteral("GrAblauf"));
    auto* grid = new QGridLayout(flow);
    grid->setVerticalSpacing(3);
    grid->addWidget(Text(QStringLiteral("Angaben in Zehntel Sekunden"), flow, "note"), 0, 0, 1, 2);
    grid->addWidget(Text(QStringLiteral("Verzögerung..."), flow), 1, 0);
    grid->addWidget(Text(QStringLiteral("10 = 1 Sekunde"), flow, "note"), 1, 1, Qt::AlignRight);
    // The ranges the settings file is read within.
    spV1_ = DelaySpin(flow, "spV1", CARD_DELAY_RANGE.min, CARD_DELAY_RANGE.max, 1);
    spV3_ = DelaySpin(flow, "spV3", ROUND_DELAY_RANGE.min, ROUND_DELAY_RANGE.max, 10);
    spV2_ = DelaySpin(flow, "spV2", ACTION_TIME_RANGE.min, ACTION_TIME_RANGE.max, 10);
    auto addSpin = [&](int row, const QString& caption, QSpinBox* spin) {
        QLabel* label = Text(caption, flow);
        label->setBuddy(spin);
        spin->setAccessibleName(QString(caption).remove(QChar(0x00AD)));
        grid->addWidget(label, row, 0);
        grid->addWidget(spin, row, 1);
    };
    addSpin(2, QStringLiteral("zwischen den Karten"), spV1_);
    addSpin(3, QStringLiteral("zwischen den Partien"), spV3_);
    grid->addWidget(Text(QStringLiteral("Zeit"), flow), 4, 0);
    addSpin(5, QStringLiteral("für Spieler\u00ADaktionen"), spV2_);
    grid->setColumnStretch(0, 1);

    layout->addWidget(sounds);
    layout->addWidget(cbRobotTon_);
    layout->addWidget(flow);
    layout->addStretch(1);
    return half;
}

QWidget* OptionsDialog::BuildRulesHalf() {
    auto* half = new QWidget(this);
    auto* layout = new QVBoxLayout(half);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    auto* doubling = new QGroupBox(QStringLiteral("Verdoppeln möglich, wenn Summe von ..."), half);
    doubling->setObjectName(QStringLiteral("RG2"));
    auto* doublingGrid = new QGridLayout(doubling);
    doublingGrid->setVerticalSpacing(2);
    rg2_ = RadioGroup(doubling, doublingGrid, DOUBLE_ITEMS.data(), 4, 1);

    cbSoft_ = new QCheckBox(QStringLiteral("Verdoppeln möglich auch mit Soft-Hand (As)"), half);
    cbSoft_->setObjectName(QStringLiteral("cbSoft"));

    auto* decks = new QGroupBox(QStringLiteral("Anzahl der Decks (1 Deck = 52 Karten)"), half);
    decks->setObjectName(QStringLiteral("RGDecks"));
    auto* deckGrid = new QGridLayout(decks);
    deckGrid->setHorizontalSpacing(8);
    rgDecks_ = RadioGroup(decks, deckGrid, DECK_ITEMS.data(), 4, 4);

    auto* limits = new QGroupBox(QStringLiteral("Beschränkungen..."), half);
    limits->setObjectName(QStringLiteral("GrBeschraenkungen"));
    auto* limitsLayout = new QVBoxLayout(limits);
    limitsLayout->setSpacing(2);
    cbAsse_ = WrappedCheckBox(
        QStringLiteral("Beim Teilen von Assen nur noch jeweils eine Karte für jede Hand"),
        QStringLiteral("Beim Teilen von Assen nur noch jeweils\neine Karte für jede Hand"), limits,
        "cbAsse");
    cbAufgeben_ = new QCheckBox(QStringLiteral("Aufgeben ist nicht möglich"), limits);
    cbAufgeben_->setObjectName(QStringLiteral("cbAufgeben"));
    limitsLayout->addWidget(cbAsse_);
    limitsLayout->addWidget(cbAufgeben_);

    layout->addWidget(doubling);
    layout->addWidget(cbSoft_);
    layout->addWidget(decks);
    layout->addWidget(limits);
    layout->addStretch(1);
    return half;
}

QWidget* OptionsDialog::BuildBottomBar() {
    auto* bar = new QWidget(this);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 2, 0, 2);
    auto* label5 = Text(QStringLiteral("Speichern nicht vergessen!"), bar, "warning");
    label5->setObjectName(QStringLiteral("Label5"));
    QPushButton* save = DialogButton(bar, "BSave2", QStringLiteral("Speichern"));
    QPushButton* close = DialogButton(bar, "BClose1", QStringLiteral("Schließen"));
    layout->addWidget(label5, 1);
    layout->addWidget(save);
    layout->addWidget(close);
    connect(save, &QPushButton::clicked, this, &OptionsDialog::SaveProgramOptions);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    return bar;
}

void OptionsDialog::Fill(const TProgramOptions& o) {
    for (int i = 0; i < SOUND_CUE_COUNT; ++i) soundCues_[i]->setChecked(o.soundCues[i]);
    cbRobotTon_->setChecked(o.noRobotSound);
    spV1_->setValue(o.cardDelay);
    spV2_->setValue(o.actionTime);
    spV3_->setValue(o.roundDelay);
    if (QAbstractButton* item = rg2_->button(o.doubleChoice)) item->setChecked(true);
    cbSoft_->setChecked(o.softDouble);
    if (QAbstractButton* item = rgDecks_->button(o.deckChoice)) item->setChecked(true);
    cbAsse_->setChecked(o.splitAcesOneCard);
    cbAufgeben_->setChecked(o.noSurrender);
}

TProgramOptions OptionsDialog::Edited() const {
    TProgramOptions o;
    for (int i = 0; i < SOUND_CUE_COUNT; ++i) o.soundCues[i] = soundCues_[i]->isChecked();
    o.noRobotSound = cbRobotTon_->isChecked();
    o.splitAcesOneCard = cbAsse_->isChecked();
    o.noSurrender = cbAufgeben_->isChecked();
    o.softDouble = cbSoft_->isChecked();
    o.cardDelay = spV1_->value();
    o.actionTime = spV2_->value();
    o.roundDelay = spV3_->value();
    // A choice the settings could not fill (no item checked) keeps its value.
    const TProgramOptions saved = ProgramOptionsOf(program_.Settings());
    o.deckChoice = rgDecks_->checkedId() >= 0 ? rgDecks_->checkedId() : saved.deckChoice;
    o.doubleChoice = rg2_->checkedId() >= 0 ? rg2_->checkedId() : saved.doubleChoice;
    return o;
}

void OptionsDialog::SaveProgramOptions() {
    const FileResult result = SettingsStore(program_.Folders().settingsFolder)
                                  .SaveProgramOptions(program_.Settings(), Edited());
    if (!result.ok) {
        program_.Host().ShowError(QString::fromStdString(result.message));
        return;
    }
    // The gauges' maximum and the wait between rounds follow at once.
    program_.GetTable().SettingsChanged();
}

}  // namespace tavexo
