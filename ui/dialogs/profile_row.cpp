#include "ui/dialogs/profile_row.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include <cmath>

namespace tavexo {

namespace {

// The money ranges are the profile file's: a stored value outside them
// reads as the default.
constexpr int MIN_CAPITAL = static_cast<int>(MIN_PROFILE_CAPITAL);
constexpr int MAX_CAPITAL = static_cast<int>(MAX_PROFILE_CAPITAL);
constexpr int CAPITAL_STEP = 100;

QSpinBox* MoneySpin(QWidget* parent, const char* name, int min, int max, int step) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(min, max);
    spin->setSingleStep(step);
    spin->setAlignment(Qt::AlignRight);
    return spin;
}

QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

ProfileRow::ProfileRow(int box, QSize size, QWidget* parent) : QFrame(parent), box_(box) {
    setObjectName(QStringLiteral("Frame%1").arg(box));
    setProperty("role", QStringLiteral("panel"));
    setFixedSize(size);
    setAccessibleName(QStringLiteral("Spieler %1").arg(box));

    eName_ = new QLineEdit(this);
    eName_->setObjectName(QStringLiteral("EName"));
    eName_->setMaxLength(MAX_NAME_LENGTH);
    cbAktiv_ = new QCheckBox(QStringLiteral("Aktiv"), this);
    cbAktiv_->setObjectName(QStringLiteral("cbAktiv"));

    auto* rg1 = new QGroupBox(QStringLiteral("Es spielt der..."), this);
    rg1->setObjectName(QStringLiteral("RG1"));
    human_ = new QRadioButton(QStringLiteral("Mensch"), rg1);
    robot_ = new QRadioButton(QStringLiteral("Robot"), rg1);
    auto* kinds = new QButtonGroup(rg1);
    kinds->addButton(human_, PLAYER_HUMAN);
    kinds->addButton(robot_, PLAYER_ROBOT);
    auto* kindLayout = new QHBoxLayout(rg1);
    kindLayout->setContentsMargins(0, 0, 0, 0);
    kindLayout->setSpacing(8);
    kindLayout->addWidget(human_);
    kindLayout->addWidget(robot_);

    spStueck_ = MoneySpin(this, "spStueck", MIN_UNIT_VALUE, MAX_UNIT_VALUE, 1);
    spKapital_ = MoneySpin(this, "spKapital", MIN_CAPITAL, MAX_CAPITAL, CAPITAL_STEP);
    spStueck_->setAccessibleName(QStringLiteral("Stückgröße"));
    spKapital_->setAccessibleName(QStringLiteral("Spielkapital"));
    auto* kapital = new QLabel(QStringLiteral("Kapital"), this);
    kapital->setProperty("role", QStringLiteral("fieldHeading"));

    // Name and "Aktiv" across the top; below, who plays on the left and the
    // money under its heading on the right.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(5, 4, 5, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    grid->addWidget(Caption(QStringLiteral("&Name"), eName_, this), 0, 0);
    grid->addWidget(eName_, 0, 1, 1, 2);
    grid->addWidget(cbAktiv_, 0, 3);
    grid->addWidget(rg1, 1, 0, 3, 2);
    grid->addWidget(kapital, 1, 2, 1, 2, Qt::AlignHCenter);
    grid->addWidget(Caption(QStringLiteral("Stückgröße"), spStueck_, this), 2, 2);
    grid->addWidget(spStueck_, 2, 3);
    grid->addWidget(Caption(QStringLiteral("Spielkapital"), spKapital_, this), 3, 2);
    grid->addWidget(spKapital_, 3, 3);
    grid->setColumnStretch(1, 1);
}

void ProfileRow::Show(const BoxProfile& profile) {
    eName_->setText(QString::fromStdString(profile.name));
    SetActive(profile.active);
    SetRobot(profile.robot);
    spStueck_->setValue(profile.unitValue);
    spKapital_->setValue(static_cast<int>(std::lround(profile.capital)));
}

BoxProfile ProfileRow::Edited() const {
    BoxProfile profile;
    profile.name = eName_->text().toStdString();
    profile.active = cbAktiv_->isChecked();
    profile.robot = robot_->isChecked();
    profile.capital = static_cast<float>(spKapital_->value());
    profile.unitValue = spStueck_->value();
    return profile;
}

void ProfileRow::SetActive(bool active) {
    cbAktiv_->setChecked(active);
}

void ProfileRow::SetRobot(bool robot) {
    (robot ? robot_ : human_)->setChecked(true);
}

}  // namespace tavexo
