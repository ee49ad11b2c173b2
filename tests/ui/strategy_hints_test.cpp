// The strategy hints window as the user meets it: a tab per box in play,
// the advisor's notices as rows while the run goes on, and the log saved,
// cleared, opened again and printed.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "engine/table.h"
#include "program_test.h"
#include "strategy/hints_log.h"
#include "ui/table/box_frame.h"
#include "ui/table/table_window.h"
#include "ui/table/top_panel.h"
#include "ui/training/hints_frame.h"
#include "ui/training/strategy_hints_window.h"
#include "ui_fixture.h"

using namespace tavexo;
using namespace tavexo::uitest;

namespace {

// The hints' own file dialogs.
const QString HINTS_FILTER = QStringLiteral("Trainings-Datei (*.trai)");

std::vector<std::vector<std::string>> RowsOf(const TextGrid& grid) {
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < grid.RowCount(); ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < grid.ColumnCount(); ++c) {
            // A saved empty cell comes back as one blank.
            std::string text = grid.Cell(c, r);
            if (text == " ") text.clear();
            row.push_back(text);
        }
        rows.push_back(row);
    }
    return rows;
}

}  // namespace

class StrategyHintsTest : public ProgramTest {
    Q_OBJECT
  private slots:
    void tabsFollowTheBoxesInPlay();
    void wrongClicksBecomeRowsThatSurviveSaveAndOpen();
    void printingGoesThroughThePrinterDialog();
    void tenThousandHintsAllReachTheView();

  private:
    StrategyHintsWindow* Hints() {
        return qobject_cast<StrategyHintsWindow*>(
            window().Windows().Existing(SecondaryWindow::StrategyHints));
    }
    QString TrainingFolder() { return QString::fromStdString(program_->Folders().trainingFolder); }
    void OpenHints() { QTest::mouseClick(window().Panel()->bHinweise, Qt::LeftButton); }
    template <class T>
    T* In(QWidget* parent, const char* name) {
        T* widget = parent->findChild<T*>(QLatin1String(name));
        if (widget == nullptr) qWarning("no %s", name);
        return widget;
    }
    // Training mode on, as the user does it: in the training centre.
    void SwitchTrainingOn() {
        QTest::mouseClick(window().Panel()->bStrategietabellen, Qt::LeftButton);
        QWidget* centre = window().Windows().Existing(SecondaryWindow::TrainingCentre);
        auto* mode = In<QCheckBox>(centre, "cbTraiModus");
        QTest::mouseClick(mode, Qt::LeftButton, {}, QPoint(8, mode->height() / 2));
        QVERIFY(table().Settings().training.trainingMode);
        centre->close();
    }
};

void StrategyHintsTest::tabsFollowTheBoxesInPlay() {
    // The window exists from the start, made for the boxes as they were.
    StrategyHintsWindow* hints = Hints();
    QVERIFY(hints != nullptr);
    QVERIFY(hints->isHidden());
    QTabWidget* tabs = hints->Tabs();
    QCOMPARE(tabs->count(), BOX_COUNT);
    for (int box = 1; box <= BOX_COUNT; ++box) {
        QCOMPARE(tabs->isTabVisible(box - 1), table().Box(box).inPlay);
        QCOMPARE(tabs->widget(box - 1)->objectName(), QStringLiteral("Hinw%1").arg(box));
    }

    // New seats: two humans and a robot; the tabs follow when it opens.
    Seat(*program_, {2, 5}, {6});
    OpenHints();
    QVERIFY(hints->isVisible());
    for (int box = 1; box <= BOX_COUNT; ++box)
        QCOMPARE(tabs->isTabVisible(box - 1), box == 2 || box == 5 || box == 6);
    const QString robot = QString::fromStdString(table().Box(6).name);
    QCOMPARE(tabs->tabText(5), QStringLiteral("Keine Hinweise für ") + robot);
    QCOMPARE(tabs->tabText(1), QString::fromStdString(table().Box(2).name));
    QVERIFY(tabs->isTabVisible(tabs->currentIndex()));
    QTest::mouseClick(In<QPushButton>(hints, "BSchliessen2"), Qt::LeftButton);
    QVERIFY(hints->isHidden());
}

// Box 1 holds 10 and 8 against a 7 and clicks "Ziehen" twice; the count
// (one ten out of eight decks) is -0,1.
void StrategyHintsTest::wrongClicksBecomeRowsThatSurviveSaveAndOpen() {
    Seat(*program_, {1}, {});
    table().Shuffler().StackNextShoe({10, 7, 8, 5, 6}, 300);
    SwitchTrainingOn();
    OpenHints();
    HintsFrame* frame = Hints()->Frame(1);
    QTableView* view = frame->View();
    QPushButton* hit = window().Frame(1)->ActionButton(Action::Hit);
    QPushButton* stand = window().Frame(1)->ActionButton(Action::Stand);
    RunScript script(table());
    script.Then([&] { return hit->isEnabled(); },
                [&] {
                    // Whatever fails below, the round ends and the run stops.
                    const auto end = qScopeGuard([&] {
                        QTest::mouseClick(stand, Qt::LeftButton);
                        table().StopRun();
                    });
                    QTest::mouseClick(hit, Qt::LeftButton);
                    // The row is there while the run goes on.
                    const QModelIndex notice = view->model()->index(0, 4);
                    QCOMPARE(notice.data().toString(), QStringLiteral("Nicht ziehen, halten"));
                    QCOMPARE(view->model()->index(0, 0).data().toString(), QStringLiteral("1"));
                    QCOMPARE(view->model()->index(0, 1).data().toString(), QStringLiteral("7"));
                    QCOMPARE(view->model()->index(0, 2).data().toString(), QStringLiteral("10 8"));
                    QCOMPARE(view->model()->index(0, 3).data().toString(), QStringLiteral("-0,1"));
                    QTest::mouseClick(hit, Qt::LeftButton);
                    QCOMPARE(view->model()->index(1, 4).data().toString(),
                             QStringLiteral("Nicht ziehen, halten"));
                    // Same round: no round and dealer card again.
                    QCOMPARE(view->model()->index(1, 0).data().toString(), QString());
                });
    QTest::mouseClick(window().Panel()->bStart, Qt::LeftButton);
    QVERIFY(!script.TimedOut());
    QCOMPARE(script.StepsDone(), 1);
    const auto before = RowsOf(table().HintsGrid(1));

    const QString path = QDir(TrainingFolder()).filePath(QStringLiteral("anna"));
    ChooseFile(QStringLiteral("Trainings-Datei speichern"), HINTS_FILTER, TrainingFolder(), path);
    QTest::mouseClick(In<QPushButton>(frame, "BSpeichern"), Qt::LeftButton);
    QVERIFY(QFile::exists(path + ".trai"));  // the extension is added
    QCOMPARE(frame->FileName(), QStringLiteral("anna.trai"));

    QTest::mouseClick(In<QPushButton>(frame, "BLoeschen"), Qt::LeftButton);
    QCOMPARE(view->model()->index(0, 4).data().toString(), QString());
    QCOMPARE(table().Box(1).hintRow, 0);

    ChooseFile(QStringLiteral("Trainings-Datei öffnen"), HINTS_FILTER, TrainingFolder(),
               path + ".trai");
    QTest::mouseClick(In<QPushButton>(frame, "BOeffnen"), Qt::LeftButton);
    QCOMPARE(RowsOf(table().HintsGrid(1)), before);
    QCOMPARE(view->model()->index(1, 4).data().toString(), QStringLiteral("Nicht ziehen, halten"));
    QCOMPARE(frame->FileName(), QStringLiteral("anna.trai"));
    // The next hint goes below the rows the file brought back.
    AppendHint(table(), 1, 1, 7, "Nicht halten, ziehen");
    QCOMPARE(view->model()->index(2, 4).data().toString(), QStringLiteral("Nicht halten, ziehen"));
    QCOMPARE(view->model()->index(1, 4).data().toString(), QStringLiteral("Nicht ziehen, halten"));
}

void StrategyHintsTest::printingGoesThroughThePrinterDialog() {
    Seat(*program_, {1}, {});
    for (int i = 0; i < 100; ++i) AppendHint(table(), 1, 1, 7, "Hinweis " + std::to_string(i));
    OpenHints();
    const QString pdf = DataFile(QStringLiteral("hinweise.pdf"));
    bool portrait = false;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        QVERIFY2(dialog != nullptr, qPrintable(modal->metaObject()->className()));
        portrait = dialog->printer()->pageLayout().orientation() == QPageLayout::Portrait;
        // No printer on this machine: "print to file" in the dialog, as the
        // user would choose it, with the file's name typed in.
        auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
        auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
        QVERIFY(printers != nullptr && file != nullptr);
        printers->setCurrentIndex(printers->count() - 1);
        file->setText(pdf);
        dialog->accept();
    });
    QTest::mouseClick(In<QPushButton>(Hints()->Frame(1), "BDrucken"), Qt::LeftButton);
    QVERIFY(portrait);
    QVERIFY(QFile::exists(pdf));
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    QVERIFY(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    const QString name = QString::fromStdString(table().Box(1).name);
    QVERIFY2(printed.contains(QStringLiteral("Strategie-Hinweise für ") + name),
             qPrintable(printed));
    QVERIFY(printed.contains("Strategiehinweis"));
    QVERIFY(printed.contains("Hinweis 99"));
    QVERIFY(printed.contains("Seite: 1 von 2"));
    QVERIFY(printed.contains("Seite: 2 von 2"));
}

void StrategyHintsTest::tenThousandHintsAllReachTheView() {
    Seat(*program_, {3}, {});
    OpenHints();
    for (int i = 1; i <= 10000; ++i) AppendHint(table(), 3, 1, 10, "Nicht ziehen, halten");
    QTableView* view = Hints()->Frame(3)->View();
    QCOMPARE(view->model()->rowCount(), 10000);
    view->scrollToBottom();
    QCOMPARE(view->model()->index(9999, 4).data().toString(),
             QStringLiteral("Nicht ziehen, halten"));
    // The view shows the model's rows without a copy: a cell written behind
    // its back is read as it is now.
    table().HintsGrid(3).SetCell(4, 10000, "geändert");
    QCOMPARE(view->model()->index(9999, 4).data().toString(), QStringLiteral("geändert"));
}

QTEST_MAIN(StrategyHintsTest)
#include "strategy_hints_test.moc"
