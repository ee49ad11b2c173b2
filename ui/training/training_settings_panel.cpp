#include "ui/training/training_settings_panel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "engine/table.h"
#include "ui/help/help_context.h"
#include "ui/help/help_request.h"

namespace tavexo {

namespace {

// The help topic on the waiting after a wrong stake; the help file files it
// with the statistics and hints topics.
constexpr int BET_PAUSE_HELP = 2060;

}  // namespace

QLabel* MakeHelpMark(QWidget* parent, int context, const QString& hint) {
    auto* mark =
        new QLabel(QStringLiteral("<a href=\"help\" style=\"color:#f4d878\">?</a>"), parent);
    mark->setObjectName(QStringLiteral("LHilfe%1").arg(context));
    mark->setToolTip(hint);
    mark->setAccessibleName(hint);
    mark->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    mark->setFocusPolicy(Qt::StrongFocus);
    QFont font = mark->font();
    font.setBold(true);
    font.setPointSize(12);
    mark->setFont(font);
    help::SetHelpContext(mark, context);
    QObject::connect(mark, &QLabel::linkActivated, mark,
                     [mark, context] { help::RequestHelpContext(mark, context); });
    return mark;
}

TrainingSettingsPanel::TrainingSettingsPanel(Table& table, const std::string& settingsFolder,
                                             QWidget* parent)
    : QWidget(parent), table_(table), store_(settingsFolder) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addWidget(BuildReactionGroup());
    column->addWidget(BuildTrainingGroup());
    column->addWidget(BuildStakeGroup());
    column->addWidget(BuildInsuranceGroup());
    column->addWidget(BuildBetRampGroup());
    column->addStretch(1);
}

bool TrainingSettingsPanel::Stored(const FileResult& result) {
    if (!result.ok) table_.Host().ShowInformation(result.message);
    return result.ok;
}

void TrainingSettingsPanel::ApplyTrainingPanel() {
    const TTrainingSettings& training = table_.Settings().training;
    // Only the dealer frame's panel: a full settings refresh would also
    // clear the totals of a round in progress.
    if (table_.View() != nullptr)
        table_.View()->SetTrainingPanel(training.trainingMode, training.showCounts);
}

QCheckBox* TrainingSettingsPanel::AddCheck(QWidget* parent, const char* name, const QString& text,
                                           bool checked, std::function<FileResult(bool)> save) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    connect(box, &QCheckBox::clicked, this, [this, box, save](bool on) {
        if (Stored(save(on))) return;
        const QSignalBlocker quiet(box);
        box->setChecked(!on);
    });
    return box;
}

QButtonGroup* TrainingSettingsPanel::AddChoices(QWidget* parent, const QStringList& items,
                                                int chosen, std::function<FileResult(int)> save,
                                                int columns, QLabel* helpMark) {
    auto* group = new QButtonGroup(parent);
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], parent);
        radio->setObjectName(QStringLiteral("%1_%2").arg(parent->objectName()).arg(i));
        radio->setChecked(i == chosen);
        group->addButton(radio, i);
        // The "?" takes the end of the first row; the rows below run on
        // under it, so that it costs no width of its own.
        const bool spanHelp = helpMark != nullptr && i / columns > 0 && i % columns == columns - 1;
        grid->addWidget(radio, i / columns, i % columns, 1, spanHelp ? 2 : 1);
    }
    if (helpMark != nullptr) grid->addWidget(helpMark, 0, columns, Qt::AlignRight | Qt::AlignTop);
    static_cast<QBoxLayout*>(parent->layout())->addLayout(grid);
    connect(group, &QButtonGroup::idClicked, this, [this, group, chosen, save](int id) mutable {
        if (Stored(save(id))) {
            chosen = id;
            return;
        }
        if (QAbstractButton* before = group->button(chosen)) before->setChecked(true);
    });
    return group;
}

QGroupBox* TrainingSettingsPanel::BuildReactionGroup() {
    auto* group = new QGroupBox(QStringLiteral("Reaktion auf Stategieabweichung"), this);
    group->setObjectName(QStringLiteral("GrModus"));
    auto* column = new QVBoxLayout(group);
    auto* choices = new QWidget(group);
    choices->setObjectName(QStringLiteral("RGModus"));
    choices->setAccessibleName(group->title());
    choices->setLayout(new QVBoxLayout);
    choices->layout()->setContentsMargins(0, 0, 0, 0);
    AddChoices(
        choices,
        {QStringLiteral("Spielerentscheidung ignorieren"),
         QStringLiteral("Spielerentscheidung akzeptieren"),
         QStringLiteral("Strategieempfehlung direkt umsetzen"),
         QStringLiteral("Dem Spieler Chance für dieselbe Entscheidung geben")},
        table_.Settings().training.deviationReaction,
        [this](int id) { return store_.SaveDeviationReaction(table_.Settings(), id); }, 1,
        MakeHelpMark(choices, help::DeviationReaction,
                     QStringLiteral("Hilfe zur Reaktion auf Strategieabweichungen")));
    column->addWidget(choices);
    help::SetHelpContext(group, help::DeviationReaction);
    return group;
}

QGroupBox* TrainingSettingsPanel::BuildTrainingGroup() {
    const TTrainingSettings& training = table_.Settings().training;
    auto* group = new QGroupBox(QStringLiteral("Für Training allgemein"), this);
    auto* column = new QVBoxLayout(group);
    column->setSpacing(2);
    column->addWidget(AddCheck(group, "cbTraiModus", QStringLiteral("Trainingsmodus"),
                               training.trainingMode, [this](bool on) {
                                   FileResult result =
                                       store_.SaveTrainingMode(table_.Settings(), on);
                                   if (result.ok) ApplyTrainingPanel();
                                   return result;
                               }));
    column->addWidget(
        AddCheck(group, "cbAbwSound", QStringLiteral("Sound bei Strategie\u00ADabweichung"),
                 training.deviationSound,
                 [this](bool on) { return store_.SaveDeviationSound(table_.Settings(), on); }));
    column->addWidget(AddCheck(group, "cbHinweise",
                               QStringLiteral("Zählerstände in der Dealerbox anzeigen"),
                               training.showCounts, [this](bool on) {
                                   FileResult result = store_.SaveShowCounts(table_.Settings(), on);
                                   if (result.ok) {
                                       ApplyTrainingPanel();
                                       emit showCountsChanged(on);
                                   }
                                   return result;
                               }));
    return group;
}

QGroupBox* TrainingSettingsPanel::BuildStakeGroup() {
    const TTrainingSettings& training = table_.Settings().training;
    auto* group = new QGroupBox(QStringLiteral("Für Einsatzanpassung"), this);
    auto* column = new QVBoxLayout(group);
    column->setSpacing(2);
    column->addWidget(
        AddCheck(group, "cbEinsatzAnzeige", QStringLiteral("Strateg. Einsatz anzeigen"),
                 training.showStrategicBet,
                 [this](bool on) { return store_.SaveShowStrategicBet(table_.Settings(), on); }));
    auto* pause = new QWidget(group);
    pause->setObjectName(QStringLiteral("RGPause"));
    pause->setAccessibleName(QStringLiteral("Nach einem falschen Einsatz"));
    pause->setLayout(new QVBoxLayout);
    pause->layout()->setContentsMargins(0, 0, 0, 0);
    AddChoices(
        pause,
        {QStringLiteral("auf Setzen-Klick warten"), QStringLiteral("plus 5 Sek. Verzögerung"),
         QStringLiteral("keine zusätzl. Verzögerung")},
        training.betPause, [this](int id) { return store_.SaveBetPause(table_.Settings(), id); }, 1,
        MakeHelpMark(pause, BET_PAUSE_HELP, QStringLiteral("Hilfe zur Einsatzanpassung")));
    column->addWidget(pause);
    return group;
}

QGroupBox* TrainingSettingsPanel::BuildInsuranceGroup() {
    auto* group = new QGroupBox(QStringLiteral("Versichern"), this);
    auto* column = new QVBoxLayout(group);
    column->setSpacing(2);
    auto* text =
        new QLabel(QStringLiteral("Versichern, wenn der wahre Zählwert höher ist als..."), group);
    text->setWordWrap(true);
    column->addWidget(text);
    auto* choices = new QWidget(group);
    choices->setObjectName(QStringLiteral("RGVers"));
    choices->setAccessibleName(text->text());
    choices->setLayout(new QVBoxLayout);
    choices->layout()->setContentsMargins(0, 0, 0, 0);
    AddChoices(
        choices,
        {QStringLiteral("3"), QStringLiteral("5"), QStringLiteral("7"), QStringLiteral("10"),
         QStringLiteral("nie")},
        table_.Settings().training.insuranceChoice,
        [this](int id) { return store_.SaveInsuranceChoice(table_.Settings(), id); }, 5);
    column->addWidget(choices);
    auto* inform = new QPushButton(QStringLiteral("Informieren Sie sich hier"), group);
    inform->setObjectName(QStringLiteral("BInformieren"));
    help::SetHelpContext(inform, help::TableWindow);
    connect(inform, &QPushButton::clicked, inform,
            [inform] { help::RequestHelpContext(inform, help::TableWindow); });
    column->addWidget(inform, 0, Qt::AlignLeft);
    return group;
}

QGroupBox* TrainingSettingsPanel::BuildBetRampGroup() {
    auto* group = new QGroupBox(
        QStringLiteral("Einsatzsteigerung im Verhältnis zu relativem Zählwert... "), this);
    auto* column = new QVBoxLayout(group);
    auto* choices = new QWidget(group);
    choices->setObjectName(QStringLiteral("RGFaktor"));
    choices->setAccessibleName(group->title().trimmed());
    choices->setLayout(new QVBoxLayout);
    choices->layout()->setContentsMargins(0, 0, 0, 0);
    AddChoices(
        choices,
        {QStringLiteral("keine"), QStringLiteral("max 2x"), QStringLiteral("max 4x"),
         QStringLiteral("0,5 x"), QStringLiteral("1 x")},
        table_.Settings().training.betRampFactor,
        [this](int id) { return store_.SaveBetRampFactor(table_.Settings(), id); }, 5,
        MakeHelpMark(choices, help::BetRamp, QStringLiteral("Hilfe zur Einsatzsteigerung")));
    column->addWidget(choices);
    help::SetHelpContext(group, help::BetRamp);
    return group;
}

}  // namespace tavexo
