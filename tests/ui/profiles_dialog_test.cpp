// The player profiles dialog as a user works it: opening it from the tool
// bar and the menu, editing rows, the buttons that switch every row, saving,
// the switch that hides inactive boxes, and a save in the middle of a run.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <cmath>

#include "dialog_test_support.h"
#include "engine/table.h"
#include "program_test.h"
#include "settings/profiles.h"
#include "ui/common/card_area.h"
#include "ui/dialogs/profile_row.h"
#include "ui/dialogs/profiles_dialog.h"
#include "ui/help/help_context.h"
#include "ui/table/box_frame.h"
#include "ui/table/top_panel.h"
#include "ui_fixture.h"

using namespace tavexo;
using namespace tavexo::uitest;

namespace {

template <class T>
T* Child(QWidget* parent, const char* name) {
    T* child = parent->findChild<T*>(QLatin1String(name));
    if (child == nullptr) qWarning("missing %s", name);
    return child;
}

QRadioButton* KindButton(ProfileRow* row, const char* caption) {
    for (QRadioButton* item : row->findChildren<QRadioButton*>())
        if (item->text() == QLatin1String(caption)) return item;
    return nullptr;
}

// Types text key by key, umlauts included (QTest::keyClicks takes ASCII only).
void TypeText(QWidget* widget, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Offset of box `box`'s name slot in "Spieler.tvxo".
int NameSlot(int box) {
    return 7 + 256 * (box - 1);
}

}  // namespace

class ProfilesDialogTest : public ProgramTest {
    Q_OBJECT
  private slots:
    void opensOnceFromButtonAndMenuWithTheProfilesOnTheArc();
    void aRobotProfileShowsAtOnceAndPlaysByItself();
    void aNameLongerThanFifteenCannotBeTyped();
    void allDeactivatedAndSavedLeavesNoBets();
    void hidingInactiveBoxesActsAtOnce();
    void aFolderThatCannotBeWrittenChangesNothing();
    void aBoxTakenOutMidRoundFinishesItsRound();

  private:
    ProfilesDialog* OpenWithButton() {
        QTest::mouseClick(window().Panel()->bProfile, Qt::LeftButton);
        return window().findChild<ProfilesDialog*>(QStringLiteral("TFOptionen"));
    }
    void Save(ProfilesDialog* dialog, const char* button = "BSave1") {
        QTest::mouseClick(Child<QPushButton>(dialog, button), Qt::LeftButton);
    }
    std::string ProfileFile() const {
        return program_->Folders().settingsFolder + PROFILE_FILE_NAME;
    }
};

void ProfilesDialogTest::opensOnceFromButtonAndMenuWithTheProfilesOnTheArc() {
    ProfilesDialog* dialog = OpenWithButton();
    QVERIFY(dialog != nullptr);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Tavexo"));
    QCOMPARE(help::HelpContextOf(dialog), 1040);
    // The arc's plan, drawn larger for our text, still fits a 1366 x 768
    // screen with its title bar.
    const double scale = dialog->Scale();
    QVERIFY(scale >= 1.0 && scale <= 1.3);
    const auto scaled = [scale](int plan) { return int(std::lround(plan * scale)); };
    QCOMPARE(dialog->width(), scaled(915));
    QVERIFY(dialog->width() <= 1366);
    QVERIFY(dialog->height() <= 768 - 60);

    const QPoint places[] = {{650, 50}, {622, 170}, {594, 290}, {330, 310},
                             {66, 290}, {38, 170},  {10, 50}};
    for (int box = 1; box <= BOX_COUNT; ++box) {
        ProfileRow* row = Child<ProfileRow>(dialog, qPrintable(QStringLiteral("Frame%1").arg(box)));
        QVERIFY(row != nullptr);
        const QPoint place = places[box - 1];
        QCOMPARE(row->geometry(),
                 QRect(scaled(place.x()), scaled(place.y()), scaled(254), scaled(110)));
        // Every caption of the row is shown whole.
        for (QWidget* part : row->findChildren<QWidget*>()) {
            if (!qobject_cast<QLabel*>(part) && !qobject_cast<QAbstractButton*>(part)) continue;
            QVERIFY2(part->width() >= part->sizeHint().width(),
                     qPrintable(QStringLiteral("%1 in Frame%2: %3 < %4")
                                    .arg(part->objectName(), QString::number(box))
                                    .arg(part->width())
                                    .arg(part->sizeHint().width())));
        }
        QCOMPARE(Child<QLineEdit>(row, "EName")->text(),
                 QString::fromUtf8(DEFAULT_PLAYER_NAMES[box - 1]));
        QVERIFY(Child<QCheckBox>(row, "cbAktiv")->isChecked());
        QVERIFY(KindButton(row, "Mensch")->isChecked());
        QCOMPARE(Child<QSpinBox>(row, "spStueck")->value(), 5);
        QCOMPARE(Child<QSpinBox>(row, "spKapital")->value(), 1000);
    }
    // The money fields' ranges and steps, as the arrows and keys reach them.
    QSpinBox* capital = Child<QSpinBox>(dialog->Row(1), "spKapital");
    capital->stepUp();
    QCOMPARE(capital->value(), 1100);
    capital->setValue(99999);
    QCOMPARE(capital->value(), 10000);
    QSpinBox* unit = Child<QSpinBox>(dialog->Row(1), "spStueck");
    unit->setValue(0);
    QCOMPARE(unit->value(), 1);
    unit->setValue(51);
    QCOMPARE(unit->value(), 50);

    // Closing hides; the menu entry brings back the same dialog with the
    // unsaved edits.
    QTest::mouseClick(Child<QPushButton>(dialog, "BClose2"), Qt::LeftButton);
    QVERIFY(dialog->isHidden());
    QAction* entry = MenuEntry(window(), QStringLiteral("&Spieler-Profile..."));
    QVERIFY(entry != nullptr);
    entry->trigger();
    QCOMPARE(window().findChildren<ProfilesDialog*>().size(), 1);
    QVERIFY(dialog->isVisible());
    QCOMPARE(capital->value(), 10000);
    QVERIFY(!QFile::exists(QString::fromStdString(ProfileFile())));  // nothing saved
}

void ProfilesDialogTest::aRobotProfileShowsAtOnceAndPlaysByItself() {
    // A human box here would wait a minute for each decision.
    program_->Settings().actionTime = 600;
    table().SettingsChanged();
    ProfilesDialog* dialog = OpenWithButton();
    QTest::mouseClick(Child<QCheckBox>(dialog, "cbAlleAktiv"), Qt::LeftButton);
    ProfileRow* row3 = dialog->Row(3);
    QTest::mouseClick(Child<QCheckBox>(row3, "cbAktiv"), Qt::LeftButton);
    QTest::mouseClick(KindButton(row3, "Robot"), Qt::LeftButton);
    QVERIFY(KindButton(row3, "Robot")->isChecked());
    Save(dialog);

    QCOMPARE(LabelText(window().Frame(3), "LName"), QStringLiteral("Robot für Carmen"));
    QCOMPARE(LabelText(window().Frame(1), "LName"), QStringLiteral("Fritzi"));
    const QByteArray bytes = ReadBytes(ProfileFile());
    QCOMPARE(bytes.size(), qsizetype(PROFILE_FILE_SIZE));
    QCOMPARE(bytes.mid(0, 7), QByteArray("\0\0\1\0\0\0\0", 7));
    QCOMPARE(bytes.mid(1799, 7), QByteArray("\0\0\1\0\0\0\0", 7));
    QVERIFY(program_->Host().RecordedMessages().isEmpty());

    // The next round box 3 plays on its own: no click, no time-out.
    RunScript script(table(), 20000);
    script.Then([&] { return table().State().roundNumber >= 2; }, [&] { table().StopRun(); });
    QTest::mouseClick(window().Panel()->bStart, Qt::LeftButton);
    QVERIFY(!script.TimedOut());
    QVERIFY(!table().HistoryGrid(3).Cell(4, 2).empty());  // two rounds recorded
    QVERIFY(table().HistoryGrid(1).Cell(4, 1).empty());   // box 1 sat out
}

void ProfilesDialogTest::aNameLongerThanFifteenCannotBeTyped() {
    ProfilesDialog* dialog = OpenWithButton();
    QLineEdit* name = Child<QLineEdit>(dialog->Row(2), "EName");
    name->selectAll();
    TypeText(name, QStringLiteral("Jürgen-Weißbach-Sohn"));
    QCOMPARE(name->text(), QStringLiteral("Jürgen-Weißbach"));
    Save(dialog, "BSave2");

    // Stored as 15 single bytes; the running box keeps its name until the
    // next start.
    const QByteArray bytes = ReadBytes(ProfileFile());
    QCOMPARE(int(uchar(bytes[NameSlot(2)])), 15);
    QCOMPARE(bytes.mid(NameSlot(2) + 1, 15), QByteArray("J\xfcrgen-Wei\xdf"
                                                        "bach"));
    QCOMPARE(LabelText(window().Frame(2), "LName"), QStringLiteral("Uwe"));
    TProfileFile loaded = LoadProfiles(program_->Folders().settingsFolder);
    QCOMPARE(QString::fromStdString(loaded.names[1]), QStringLiteral("Jürgen-Weißbach"));
}

void ProfilesDialogTest::allDeactivatedAndSavedLeavesNoBets() {
    ProfilesDialog* dialog = OpenWithButton();
    QCheckBox* all = Child<QCheckBox>(dialog, "cbAlleAktiv");
    QCheckBox* robots = Child<QCheckBox>(dialog, "cbRobotMensch");
    QCOMPARE(all->text(), QStringLiteral("Alle deaktivieren"));
    QCOMPARE(robots->text(), QStringLiteral("Robot für alle"));

    QTest::mouseClick(robots, Qt::LeftButton);
    QCOMPARE(robots->text(), QStringLiteral("Alles Menschen"));
    for (int box = 1; box <= BOX_COUNT; ++box)
        QVERIFY(KindButton(dialog->Row(box), "Robot")->isChecked());
    QTest::mouseClick(robots, Qt::LeftButton);
    QCOMPARE(robots->text(), QStringLiteral("Robot für alle"));
    for (int box = 1; box <= BOX_COUNT; ++box)
        QVERIFY(KindButton(dialog->Row(box), "Mensch")->isChecked());

    QTest::mouseClick(all, Qt::LeftButton);
    QCOMPARE(all->text(), QStringLiteral("Alle aktivieren"));
    for (int box = 1; box <= BOX_COUNT; ++box)
        QVERIFY(!Child<QCheckBox>(dialog->Row(box), "cbAktiv")->isChecked());
    // Not saved yet: the table is unchanged.
    QVERIFY(!window().Frame(4)->IsRolledUp());
    Save(dialog);
    QCOMPARE(ReadBytes(ProfileFile()).mid(0, 7), QByteArray(7, '\0'));
    for (int box = 1; box <= BOX_COUNT; ++box) QVERIFY(window().Frame(box)->IsRolledUp());

    QTest::mouseClick(window().Panel()->bStart, Qt::LeftButton);
    QCOMPARE(program_->Host().RecordedMessages(),
             QStringList{QStringLiteral(
                 "Keine Spieler mit Einsatz am Tisch.Die Karten bleiben im Schlitten.")});
    QVERIFY(window().Panel()->bStart->isEnabled());
}

void ProfilesDialogTest::hidingInactiveBoxesActsAtOnce() {
    ProfilesDialog* dialog = OpenWithButton();
    QTest::mouseClick(Child<QCheckBox>(dialog->Row(5), "cbAktiv"), Qt::LeftButton);
    Save(dialog);
    BoxFrame* box5 = window().Frame(5);
    QVERIFY(box5->isVisible());  // inactive, rolled up, still shown
    // Its statistics page goes at once, the others stay.
    auto* pages =
        window().Windows().Existing(SecondaryWindow::Statistics)->findChild<QTabWidget*>();
    QVERIFY(pages != nullptr);
    QVERIFY(!pages->isTabVisible(4));
    QVERIFY(pages->isTabVisible(3));

    QCheckBox* hide = Child<QCheckBox>(dialog, "cbHide");
    QVERIFY(!hide->isChecked());
    QTest::mouseClick(hide, Qt::LeftButton);  // no "Speichern" needed
    QVERIFY(box5->isHidden());
    QVERIFY(window().Frame(4)->isVisible());
    QVERIFY(program_->Settings().hidePassive);
    const QByteArray ini = ReadBytes(program_->Folders().settingsFolder + "Allgemein.ini");
    QVERIFY2(ini.contains("[Ansicht]") && ini.contains("HidePassive=1"), ini.constData());

    QTest::mouseClick(hide, Qt::LeftButton);
    QVERIFY(box5->isVisible());
}

void ProfilesDialogTest::aFolderThatCannotBeWrittenChangesNothing() {
    ProfilesDialog* dialog = OpenWithButton();
    ProfileRow* row1 = dialog->Row(1);
    QTest::mouseClick(KindButton(row1, "Robot"), Qt::LeftButton);
    QTest::mouseClick(Child<QCheckBox>(dialog->Row(2), "cbAktiv"), Qt::LeftButton);
    const int error = BlockSettingsFolder(program_->Folders().settingsFolder);

    Save(dialog);
    QCOMPARE(
        program_->Host().RecordedMessages(),
        QStringList{QString::fromStdString(
            WriteFailure(program_->Folders().settingsFolder + "Spieler.tvxo", error).message)});
    // The table and the record as before, the dialog with the user's edits.
    QCOMPARE(LabelText(window().Frame(1), "LName"), QStringLiteral("Fritzi"));
    QVERIFY(!table().Box(1).isRobot);
    QVERIFY(table().Box(2).inPlay);
    QVERIFY(!window().Frame(2)->IsRolledUp());
    QCOMPARE(program_->Profiles(), TProfileFile());
    QVERIFY(KindButton(row1, "Robot")->isChecked());
    QVERIFY(!Child<QCheckBox>(dialog->Row(2), "cbAktiv")->isChecked());
    QVERIFY(dialog->isVisible());

    // The hide switch cannot be written either: it keeps its old state.
    program_->Host().ClearRecordedMessages();
    QCheckBox* hide = Child<QCheckBox>(dialog, "cbHide");
    QTest::mouseClick(hide, Qt::LeftButton);
    QVERIFY(!hide->isChecked());
    QVERIFY(!program_->Settings().hidePassive);
    QCOMPARE(program_->Host().RecordedMessages().size(), 1);
    QVERIFY(program_->Host().RecordedMessages()[0].startsWith(
        QString::fromStdString("In " + program_->Folders().settingsFolder +
                               "Allgemein.ini kann nicht geschrieben werden")));
}

void ProfilesDialogTest::aBoxTakenOutMidRoundFinishesItsRound() {
    // Box 1 a robot, box 2 the user, the others out.
    ProfilesDialog* dialog = OpenWithButton();
    QTest::mouseClick(Child<QCheckBox>(dialog, "cbAlleAktiv"), Qt::LeftButton);
    QTest::mouseClick(Child<QCheckBox>(dialog->Row(1), "cbAktiv"), Qt::LeftButton);
    QTest::mouseClick(KindButton(dialog->Row(1), "Robot"), Qt::LeftButton);
    QTest::mouseClick(Child<QCheckBox>(dialog->Row(2), "cbAktiv"), Qt::LeftButton);
    Save(dialog);
    QTest::mouseClick(Child<QPushButton>(dialog, "BClose1"), Qt::LeftButton);
    // Box 1: 10, 9; box 2: 10, K; dealer 7, K. Box 2 wins 5.
    table().Shuffler().StackNextShoe({10, 23, 7, 9, 13, 26}, 300);

    BoxFrame* box2 = window().Frame(2);
    RunScript script(table());
    script.Then([&] { return box2->ActionButton(Action::Stand)->isEnabled(); },
                [&] {
                    // The tool-bar button waits for the end of the run; the
                    // menu entry opens the dialog now.
                    QVERIFY(!window().Panel()->bProfile->isEnabled());
                    QAction* entry = MenuEntry(window(), QStringLiteral("&Spieler-Profile..."));
                    QVERIFY(entry->isEnabled());
                    entry->trigger();
                    QVERIFY(dialog->isVisible());
                    QTest::mouseClick(Child<QCheckBox>(dialog->Row(2), "cbAktiv"), Qt::LeftButton);
                    Save(dialog);
                    QCOMPARE(program_->Host().RecordedMessages(),
                             QStringList{QStringLiteral(
                                 "Spieler 2 (Uwe) spielt die laufende Runde zu Ende und setzt "
                                 "ab der nächsten Runde aus.")});
                    // Still in the round, with its cards and its stake.
                    QVERIFY(!box2->IsRolledUp());
                    QCOMPARE(box2->Cards()->CardCount(), 2);
                    QTest::mouseClick(box2->ActionButton(Action::Stand), Qt::LeftButton);
                });
    script.Then([&] { return table().State().roundNumber >= 2; },
                [&] {
                    QVERIFY(box2->IsRolledUp());
                    table().StopRun();
                });
    QTest::mouseClick(window().Panel()->bStart, Qt::LeftButton);

    QVERIFY(!script.TimedOut());
    QCOMPARE(script.StepsDone(), 2);
    // Box 2's round was paid and recorded; it sat out the next one.
    QCOMPARE(table().HistoryGrid(2).Cell(4, 1), std::string("10 K"));
    QVERIFY(table().HistoryGrid(2).Cell(4, 2).empty());
    QCOMPARE(box2->Cards()->CardCount(), 0);
    QVERIFY(!table().HistoryGrid(1).Cell(4, 2).empty());
    // The save set the capital back to the saved 1000 after the stake was
    // charged; the win paid the stake back with the win on top.
    QCOMPARE(LabelText(box2, "PKapital"), QStringLiteral("1.010,0\u00a0€"));
}

QTEST_MAIN(ProfilesDialogTest)
#include "profiles_dialog_test.moc"
