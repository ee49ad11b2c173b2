#include "ui/dialogs/profiles_dialog.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <string>

#include "engine/table.h"
#include "settings/profiles.h"
#include "settings/settings_store.h"
#include "ui/common/tool_icons.h"
#include "ui/common/window_style.h"
#include "ui/dialogs/dialog_parts.h"
#include "ui/dialogs/profile_row.h"
#include "ui/help/help_context.h"
#include "ui/help/help_request.h"
#include "ui/program.h"

namespace tavexo {

namespace {

// Where each box's row sits: an arc that mirrors the table, box 1 on the
// right, box 4 at the bottom centre.
constexpr std::array<QPoint, BOX_COUNT> ROW_PLACES = {
    QPoint(650, 50), QPoint(622, 170), QPoint(594, 290), QPoint(330, 310),
    QPoint(66, 290), QPoint(38, 170),  QPoint(10, 50),
};

constexpr int PLAN_ROW_WIDTH = 254;
constexpr int PLAN_ROW_HEIGHT = 110;
constexpr int PLAN_ARC_TOP = 50;      // the upper rows' top
constexpr int PLAN_ARC_BOTTOM = 425;  // a little below box 4's row
// The room inside the arc, between the upper rows and above box 4.
const QRect PLAN_CENTRE(322, 56, 270, 230);
constexpr int BAR_HEIGHT = 46;
// The plan was made for 8-point text; ours, at 10 points, needs about 30 %
// more room. So drawn, the dialog is 1190 x 599 and still fits a 1366 x 768
// screen with its title bar.
constexpr double PLAN_SCALE = 1.3;

const QString SAVE_FIRST = QStringLiteral(
    "Die Einstellungen in den Spielerprofilen werden erst mit dem Speichern übernommen.");

void SetAllActiveCaption(QCheckBox* box) {
    box->setText(box->isChecked() ? QStringLiteral("Alle deaktivieren")
                                  : QStringLiteral("Alle aktivieren"));
}

void SetRobotForAllCaption(QCheckBox* box) {
    box->setText(box->isChecked() ? QStringLiteral("Alles Menschen")
                                  : QStringLiteral("Robot für alle"));
}

// The note for a box whose taking part waits for the end of the round.
QString WaitingNote(int box, const TPlayerBox& b, bool active) {
    const QString who =
        QStringLiteral("Spieler %1 (%2)").arg(box).arg(QString::fromStdString(b.name));
    return active ? who + QStringLiteral(" spielt ab der nächsten Runde mit.")
                  : who + QStringLiteral(
                              " spielt die laufende Runde zu Ende und setzt ab der nächsten "
                              "Runde aus.");
}

}  // namespace

ProfilesDialog::ProfilesDialog(Program& program, QWidget* parent)
    : QDialog(parent), program_(program) {
    setObjectName(QStringLiteral("TFOptionen"));
    setWindowTitle(QStringLiteral("Tavexo"));
    setAccessibleName(QStringLiteral("Spieler-Profile"));
    help::SetHelpContext(this, help::ProfilesDialog);
    ApplyWindowStyle(this);
    scale_ = PLAN_SCALE;

    setFixedSize(Scaled(PLAN_WIDTH), Scaled(PLAN_ARC_BOTTOM) + BAR_HEIGHT);

    // The plan's upper rows start 50 below the top: the top bar lies there.
    BuildTopBar();
    BuildRows();
    BuildCentre();
    BuildBottomBar();
}

int ProfilesDialog::Scaled(int plan) const {
    return static_cast<int>(std::lround(plan * scale_));
}

void ProfilesDialog::BuildTopBar() {
    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("PTop"));
    bar->setGeometry(0, 0, width(), Scaled(PLAN_ARC_TOP));
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(10, 6, 10, 4);
    QPushButton* save = DialogButton(bar, "BSave1", QStringLiteral("Speichern"));
    QPushButton* close = DialogButton(bar, "BClose1", QStringLiteral("Schließen"));
    auto* note = new QLabel(SAVE_FIRST, bar);
    note->setObjectName(QStringLiteral("Label3"));
    QToolButton* helpButton = HelpButton(bar);
    layout->addWidget(save);
    layout->addWidget(close);
    layout->addSpacing(12);
    layout->addWidget(note, 1);
    layout->addWidget(helpButton);
    connect(save, &QPushButton::clicked, this, &ProfilesDialog::SaveProfiles);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(helpButton, &QToolButton::clicked, this, [this] { help::RequestHelp(this); });
}

void ProfilesDialog::BuildRows() {
    const TProfileFile& record = program_.Profiles();
    for (int box = 1; box <= BOX_COUNT; ++box) {
        auto* row =
            new ProfileRow(box, QSize(Scaled(PLAN_ROW_WIDTH), Scaled(PLAN_ROW_HEIGHT)), this);
        const QPoint place = ROW_PLACES[box - 1];
        row->move(Scaled(place.x()), Scaled(place.y()));
        row->Show(BoxProfileOf(record, box));
        rows_[box - 1] = row;
    }
}

void ProfilesDialog::BuildCentre() {
    auto* centre = new QWidget(this);
    centre->setObjectName(QStringLiteral("PMitte"));
    centre->setGeometry(Scaled(PLAN_CENTRE.x()), Scaled(PLAN_CENTRE.y()),
                        Scaled(PLAN_CENTRE.width()), Scaled(PLAN_CENTRE.height()));
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    cbAlleAktiv_ = new QCheckBox(centre);
    cbAlleAktiv_->setObjectName(QStringLiteral("cbAlleAktiv"));
    cbAlleAktiv_->setChecked(true);
    SetAllActiveCaption(cbAlleAktiv_);
    cbRobotMensch_ = new QCheckBox(centre);
    cbRobotMensch_->setObjectName(QStringLiteral("cbRobotMensch"));
    SetRobotForAllCaption(cbRobotMensch_);
    connect(cbAlleAktiv_, &QCheckBox::toggled, this, &ProfilesDialog::AllActiveToggled);
    connect(cbRobotMensch_, &QCheckBox::toggled, this, &ProfilesDialog::RobotForAllToggled);

    auto* passive = new QFrame(centre);
    passive->setObjectName(QStringLiteral("PPassiv"));
    passive->setProperty("role", QStringLiteral("panel"));
    auto* passiveLayout = new QVBoxLayout(passive);
    passiveLayout->setContentsMargins(8, 6, 8, 6);
    passiveLayout->setSpacing(4);
    cbHide_ = new QCheckBox(QStringLiteral("Nicht aktive Spieler ausblenden"), passive);
    cbHide_->setObjectName(QStringLiteral("cbHide"));
    cbHide_->setChecked(program_.Settings().hidePassive);
    connect(cbHide_, &QCheckBox::toggled, this, &ProfilesDialog::HidePassiveToggled);
    auto* label2 = new QLabel(QStringLiteral("Entscheidung hier wird direkt übernommen"), passive);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setProperty("role", QStringLiteral("note"));
    label2->setWordWrap(true);
    auto* label1 = new QLabel(
        QStringLiteral("Entscheidung gilt nicht für Spieler, die im Spielverlauf mangels "
                       "Spielkapitel deaktiviert werden."),
        passive);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setProperty("role", QStringLiteral("note"));
    label1->setWordWrap(true);
    passiveLayout->addWidget(cbHide_);
    passiveLayout->addWidget(label2);
    passiveLayout->addWidget(label1);

    layout->addStretch(1);
    layout->addWidget(cbAlleAktiv_, 0, Qt::AlignHCenter);
    layout->addWidget(cbRobotMensch_, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    layout->addWidget(passive);
    layout->addStretch(1);
}

void ProfilesDialog::BuildBottomBar() {
    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("PBottom"));
    bar->setGeometry(0, Scaled(PLAN_ARC_BOTTOM), width(), BAR_HEIGHT);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(10, 4, 10, 6);
    auto* note = new QLabel(SAVE_FIRST, bar);
    note->setObjectName(QStringLiteral("Label4"));
    QPushButton* save = DialogButton(bar, "BSave2", QStringLiteral("Speichern"));
    QPushButton* close = DialogButton(bar, "BClose2", QStringLiteral("Schließen"));
    layout->addWidget(note, 1);
    layout->addWidget(save);
    layout->addWidget(close);
    connect(save, &QPushButton::clicked, this, &ProfilesDialog::SaveProfiles);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void ProfilesDialog::AllActiveToggled(bool checked) {
    SetAllActiveCaption(cbAlleAktiv_);
    for (ProfileRow* row : rows_) row->SetActive(checked);
}

void ProfilesDialog::RobotForAllToggled(bool checked) {
    SetRobotForAllCaption(cbRobotMensch_);
    for (ProfileRow* row : rows_) row->SetRobot(checked);
}

void ProfilesDialog::HidePassiveToggled(bool checked) {
    Table& table = program_.GetTable();
    const FileResult result = SettingsStore(program_.Folders().settingsFolder)
                                  .SaveHidePassive(program_.Settings(), checked);
    if (!result.ok) {
        // The switch shows what the table does: the old state.
        const QSignalBlocker keep(cbHide_);
        cbHide_->setChecked(!checked);
        program_.Host().ShowError(QString::fromStdString(result.message));
        return;
    }
    table.SettingsChanged();
}

void ProfilesDialog::SaveProfiles() {
    TProfileFile record = program_.Profiles();
    for (const ProfileRow* row : rows_) {
        const BoxProfile edited = row->Edited();
        const int i = row->Box() - 1;
        record.names[i] = edited.name;
        record.active[i] = edited.active;
        record.playerKind[i] = edited.robot ? PLAYER_ROBOT : PLAYER_HUMAN;
        record.capital[i] = edited.capital;
        record.unitValue[i] = edited.unitValue;
    }
    const FileResult written = SaveProfileFile(record, program_.Folders().settingsFolder);
    if (!written.ok) {
        program_.Host().ShowError(QString::fromStdString(written.message));
        return;
    }
    program_.SetProfiles(record);

    Table& table = program_.GetTable();
    QStringList waiting;
    for (int box = 1; box <= BOX_COUNT; ++box) {
        const BoxProfile profile = BoxProfileOf(record, box);
        if (table.TakeOverProfile(box, profile))
            waiting << WaitingNote(box, table.Box(box), profile.active);
        program_.BoxPageFollowsInPlay(box, profile.active);
    }
    if (!waiting.isEmpty())
        program_.Host().ShowInformation(waiting.join(QLatin1Char('\n')).toStdString());
}

}  // namespace tavexo
