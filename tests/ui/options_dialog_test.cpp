// The options and rules dialog as a user works it: where it opens, what it
// shows, saving in the middle of a round, closing without saving, and a
// settings file that cannot be written.
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include "dialog_test_support.h"
#include "engine/table.h"
#include "program_test.h"
#include "settings/file_io.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/help/help_context.h"
#include "ui/table/box_frame.h"
#include "ui/table/top_panel.h"
#include "ui_fixture.h"

using namespace tavexo;
using namespace tavexo::uitest;

namespace {

template <class T>
T* Child(QWidget* parent, const QString& name) {
    T* child = parent->findChild<T*>(name);
    if (child == nullptr) qWarning("missing %s", qPrintable(name));
    return child;
}

QAbstractButton* Item(QWidget* dialog, const QString& caption) {
    for (QAbstractButton* item : dialog->findChildren<QAbstractButton*>())
        if (item->text() == caption) return item;
    qWarning("no item %s", qPrintable(caption));
    return nullptr;
}

// Types a value into a spin edit as the user does: select all, type, Enter.
void TypeValue(QSpinBox* spin, int value) {
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, QString::number(value));
    QTest::keyClick(spin, Qt::Key_Enter);
}

int GaugeMaximum(BoxFrame* frame) {
    return frame->findChild<QProgressBar*>(QStringLiteral("Gauge1"))->maximum();
}

}  // namespace

class OptionsDialogTest : public ProgramTest {
    Q_OBJECT
  private slots:
    void opensBesideTheTableWithTheSettings();
    void savedMidRoundGaugesAtOnceDecksAtTheNextShuffle();
    void closingKeepsUnsavedEditsWhilePlayFollowsTheSaved();
    void aFileThatCannotBeWrittenChangesNothing();

  private:
    OptionsDialog* Dialog() {
        return window().findChild<OptionsDialog*>(QStringLiteral("TFOptionen2"));
    }
    OptionsDialog* OpenWithButton() {
        QTest::mouseClick(window().Panel()->bOptionen, Qt::LeftButton);
        return Dialog();
    }
    std::string SettingsFile() const {
        return program_->Folders().settingsFolder + "Allgemein.ini";
    }
};

void OptionsDialogTest::opensBesideTheTableWithTheSettings() {
    OptionsDialog* dialog = OpenWithButton();
    QVERIFY(dialog != nullptr);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Tavexo"));
    QCOMPARE(help::HelpContextOf(dialog), 1030);
    QCOMPARE(dialog->size(), QSize(OptionsDialog::Width(), OptionsDialog::Height()));
    QVERIFY(dialog->width() >= 580 && dialog->width() <= 1366);
    QVERIFY(dialog->height() >= 440 && dialog->height() + 100 + 60 <= 768);
    // Every caption is shown whole.
    for (QWidget* part : dialog->findChildren<QWidget*>()) {
        if (!qobject_cast<QLabel*>(part) && !qobject_cast<QAbstractButton*>(part)) continue;
        if (qobject_cast<QLabel*>(part) && static_cast<QLabel*>(part)->wordWrap()) {
            QVERIFY2(part->height() >= part->heightForWidth(part->width()),
                     qPrintable(part->objectName() + static_cast<QLabel*>(part)->text()));
            continue;
        }
        QVERIFY2(part->width() >= part->sizeHint().width(),
                 qPrintable(
                     QStringLiteral("%1 \"%2\": %3 < %4")
                         .arg(part->objectName(), qobject_cast<QLabel*>(part)
                                                      ? static_cast<QLabel*>(part)->text()
                                                      : static_cast<QAbstractButton*>(part)->text())
                         .arg(part->width())
                         .arg(part->sizeHint().width())));
    }
    // Over the middle of the table (where every tool window opens).
    QVERIFY(
        (dialog->frameGeometry().center() - window().frameGeometry().center()).manhattanLength() <=
        2);

    // The settings as they stand when the dialog is made: QuickTable has
    // silenced the cues and zeroed two delays; the rest are the defaults.
    for (const char* cue :
         {"Einsatz", "Mischen", "Karte geben", "Black Jack", "Auszahlung", "Zeitablauf"})
        QVERIFY(!Item(dialog, QString::fromUtf8(cue))->isChecked());
    QVERIFY(!Child<QCheckBox>(dialog, QStringLiteral("cbRobotTon"))->isChecked());
    QCOMPARE(Child<QSpinBox>(dialog, QStringLiteral("spV1"))->value(), 0);
    QCOMPARE(Child<QSpinBox>(dialog, QStringLiteral("spV2"))->value(), 150);
    QCOMPARE(Child<QSpinBox>(dialog, QStringLiteral("spV3"))->value(), 0);
    QVERIFY(Item(dialog, QStringLiteral("8 (416)"))->isChecked());
    QVERIFY(Item(dialog, QStringLiteral("zwei Karten 9, 10 oder 11 beträgt"))->isChecked());
    QVERIFY(Child<QCheckBox>(dialog, QStringLiteral("cbAsse"))->isChecked());
    QVERIFY(Child<QCheckBox>(dialog, QStringLiteral("cbSoft"))->isChecked());
    QVERIFY(!Child<QCheckBox>(dialog, QStringLiteral("cbAufgeben"))->isChecked());
    QCOMPARE(Child<QLabel>(dialog, QStringLiteral("Label5"))->text(),
             QStringLiteral("Speichern nicht vergessen!"));

    // Ranges and steps of the three delays, by the arrow keys.
    struct Spin {
        const char* name;
        int min, max, step;
    };
    for (const Spin& s :
         {Spin{"spV1", 0, 100, 1}, Spin{"spV3", 0, 100, 10}, Spin{"spV2", 50, 600, 10}}) {
        QSpinBox* spin = Child<QSpinBox>(dialog, QLatin1String(s.name));
        spin->setValue(s.min);
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_Up);
        QCOMPARE(spin->value(), s.min + s.step);
        QTest::keyClick(spin, Qt::Key_Down);
        QTest::keyClick(spin, Qt::Key_Down);
        QCOMPARE(spin->value(), s.min);
        TypeValue(spin, s.max + 1);
        QVERIFY(spin->value() <= s.max);
    }
}

void OptionsDialogTest::savedMidRoundGaugesAtOnceDecksAtTheNextShuffle() {
    Seat(*program_, {1}, {});
    BoxFrame* box1 = window().Frame(1);
    QCOMPARE(GaugeMaximum(box1), 150);
    OptionsDialog* dialog = nullptr;
    int shoeDuringRound = 0;
    RunScript script(table());
    script.Then(
        [&] { return box1->ActionButton(Action::Stand)->isEnabled(); },
        [&] {
            shoeDuringRound = table().Shoe().total;
            QVERIFY(!window().Panel()->bOptionen->isEnabled());
            QAction* entry = MenuEntry(window(), QStringLiteral("Programm&einstellungen..."));
            QVERIFY(entry != nullptr && entry->isEnabled());
            entry->trigger();
            dialog = Dialog();
            QVERIFY(dialog != nullptr);
            TypeValue(Child<QSpinBox>(dialog, QStringLiteral("spV2")), 300);
            QTest::mouseClick(Item(dialog, QStringLiteral("1 (52)")), Qt::LeftButton);
            QTest::mouseClick(Child<QPushButton>(dialog, QStringLiteral("Bsave1")), Qt::LeftButton);
            // At once, in the middle of the round, on every box.
            for (int box = 1; box <= BOX_COUNT; ++box)
                QCOMPARE(GaugeMaximum(window().Frame(box)), 300);
            QCOMPARE(table().Shoe().total, shoeDuringRound);  // the shoe in play stays
            QVERIFY(dialog->isVisible());                     // saving does not close
            QTest::mouseClick(Child<QPushButton>(dialog, QStringLiteral("BClose1")),
                              Qt::LeftButton);
            table().StopRun();
            QTest::mouseClick(box1->ActionButton(Action::Stand), Qt::LeftButton);
        });
    QTest::mouseClick(window().Panel()->bStart, Qt::LeftButton);
    QVERIFY(!script.TimedOut());
    QCOMPARE(script.StepsDone(), 1);
    QCOMPARE(shoeDuringRound, 416);
    QCOMPARE(table().Shoe().total, 416);
    QVERIFY(program_->Host().RecordedMessages().isEmpty());

    const QByteArray ini = ReadBytes(SettingsFile());
    // "Verzögerung" in Windows-1252, as the file has always been written.
    QVERIFY2(ini.contains("[Verz\xf6gerung]\r\n1=0\r\n2=300\r\n3=0"), ini.constData());
    QVERIFY2(ini.contains("Decks=0"), ini.constData());

    // The next shuffle, at the next start, makes a one-deck shoe.
    RunScript next(table());
    next.Then([&] { return box1->ActionButton(Action::Stand)->isEnabled(); },
              [&] {
                  QCOMPARE(table().Shoe().total, 52);
                  table().StopRun();
                  QTest::mouseClick(box1->ActionButton(Action::Stand), Qt::LeftButton);
              });
    QTest::mouseClick(window().Panel()->bStart, Qt::LeftButton);
    QCOMPARE(next.StepsDone(), 1);
}

void OptionsDialogTest::closingKeepsUnsavedEditsWhilePlayFollowsTheSaved() {
    OptionsDialog* dialog = OpenWithButton();
    QAbstractButton* surrender = Child<QCheckBox>(dialog, QStringLiteral("cbAufgeben"));
    QTest::mouseClick(surrender, Qt::LeftButton);
    TypeValue(Child<QSpinBox>(dialog, QStringLiteral("spV3")), 70);
    QTest::mouseClick(Child<QPushButton>(dialog, QStringLiteral("BClose2")), Qt::LeftButton);
    QVERIFY(dialog->isHidden());
    QVERIFY(!program_->Settings().rules.noSurrender);
    QCOMPARE(program_->Settings().roundDelay, 0);
    QVERIFY(!QFile::exists(QString::fromStdString(SettingsFile())));

    QAction* entry = MenuEntry(window(), QStringLiteral("Programm&einstellungen..."));
    entry->trigger();
    QCOMPARE(Dialog(), dialog);
    QCOMPARE(window().findChildren<OptionsDialog*>().size(), 1);
    QVERIFY(dialog->isVisible());
    QVERIFY(surrender->isChecked());
    QCOMPARE(Child<QSpinBox>(dialog, QStringLiteral("spV3"))->value(), 70);

    // Saved now: the rules and the wait between rounds follow.
    QTest::mouseClick(Child<QPushButton>(dialog, QStringLiteral("BSave2")), Qt::LeftButton);
    QVERIFY(program_->Settings().rules.noSurrender);
    QCOMPARE(program_->Settings().roundDelay, 70);

    // The wait between rounds is 7 seconds from now on; "Bet" cuts it short.
    Seat(*program_, {}, {1});
    RunScript script(table());
    script.Then([&] { return table().State().waitingBetweenRounds; },
                [&] {
                    QCOMPARE(program_->Host().TimerInterval(ROUND_DELAY_TIMER), 7000);
                    table().StopRun();
                    QTest::mouseClick(window().Frame(1)->BetButton(), Qt::LeftButton);
                });
    QTest::mouseClick(window().Panel()->bStart, Qt::LeftButton);
    QVERIFY(!script.TimedOut());
    QCOMPARE(script.StepsDone(), 1);
}

void OptionsDialogTest::aFileThatCannotBeWrittenChangesNothing() {
    OptionsDialog* dialog = OpenWithButton();
    TypeValue(Child<QSpinBox>(dialog, QStringLiteral("spV2")), 400);
    QTest::mouseClick(Item(dialog, QStringLiteral("4 (208)")), Qt::LeftButton);
    const TProgramSettings before = program_->Settings();
    const int error = BlockSettingsFolder(program_->Folders().settingsFolder);

    QTest::mouseClick(Child<QPushButton>(dialog, QStringLiteral("Bsave1")), Qt::LeftButton);
    QCOMPARE(program_->Host().RecordedMessages(),
             QStringList{QString::fromStdString(WriteFailure(SettingsFile(), error).message)});
    QVERIFY(program_->Settings() == before);
    QCOMPARE(GaugeMaximum(window().Frame(4)), 150);
    // The dialog keeps what the user set.
    QVERIFY(dialog->isVisible());
    QCOMPARE(Child<QSpinBox>(dialog, QStringLiteral("spV2"))->value(), 400);
    QVERIFY(Item(dialog, QStringLiteral("4 (208)"))->isChecked());
}

QTEST_MAIN(OptionsDialogTest)
#include "options_dialog_test.moc"
