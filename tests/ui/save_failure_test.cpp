// Every "Speichern" of the program, and the table's "Positionen speichern",
// against a file that cannot be written: a folder sits where the file should
// be, or the file is a link into a folder that is gone (faults that stop the
// superuser too). The user sees the program's styled error box with the
// file's path and the reason, the folder is left as it was with no temporary
// file beside it, and the program goes on: once the fault is gone, the same
// click saves.
#include <QApplication>
#include <QChartView>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cerrno>
#include <string>

#include "program_test.h"
#include "settings/file_io.h"
#include "ui/common/window_opener.h"
#include "ui/statistics/box_page.h"
#include "ui/statistics/count_charts.h"
#include "ui/statistics/grid_frame.h"
#include "ui/statistics/statistics_window.h"
#include "ui/table/table_window.h"
#include "ui/table/top_panel.h"
#include "ui_fixture.h"

using namespace tavexo;
using namespace tavexo::uitest;

namespace {

// Where the click is made.
enum class SavePlace {
    TablePositions,
    OptionsDialog,
    ProfilesDialog,
    CountingDrill,
    History,
    Chart
};

// What stops the save; both stop the superuser too.
enum class Fault { FolderInItsPlace, LinkIntoAMissingFolder };

// What the error box showed, once it was answered.
struct ShownBox {
    int count = 0;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool styled = false;
    bool wholeTextShown = false;
    QString labelSize;     // for the message when the text is cut off
    QString dialogFolder;  // where a file dialog opened
};

// Answers every message box that comes up while it lives with its OK
// button, and notes what it showed. A file dialog is given `file`.
class BoxAnswerer : public QObject {
  public:
    explicit BoxAnswerer(const QString& file) {
        connect(&poll_, &QTimer::timeout, this, [this, file] {
            // The chart's context menu: its one entry.
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                if (!menu->actions().isEmpty()) menu->setActiveAction(menu->actions().constFirst());
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && dialog->isVisible()) {
                // A dialog that did not take the file once is given up.
                if (dialog == answered_) {
                    QTest::qFail("the file dialog did not take the file", __FILE__, __LINE__);
                    dialog->reject();
                    return;
                }
                answered_ = dialog;
                shown_.dialogFolder = dialog->directory().canonicalPath();
                TypeFileName(*dialog, file);
                return;
            }
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box == nullptr || !box->isVisible()) return;
            // The box is measured a tick after it first shows, with its
            // layout settled: a loaded machine can run this timer before the
            // box has handled its own pending layout.
            if (box != seen_) {
                seen_ = box;
                return;
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            ++shown_.count;
            shown_.text = box->text();
            shown_.icon = box->icon();
            shown_.styled = !box->styleSheet().isEmpty();
            // A long path must wrap, not be cut off.
            auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            if (label != nullptr) {
                const int neededHeight = label->heightForWidth(label->width());
                const int neededWidth = label->minimumSizeHint().width();
                shown_.wholeTextShown = label->isVisible() && label->height() >= neededHeight &&
                                        label->width() >= neededWidth;
                shown_.labelSize = QStringLiteral("label %1x%2, needs height %3, width %4")
                                       .arg(label->width())
                                       .arg(label->height())
                                       .arg(neededHeight)
                                       .arg(neededWidth);
            }
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        poll_.start(10);
    }
    const ShownBox& Shown() const { return shown_; }

  private:
    QTimer poll_;
    ShownBox shown_;
    QPointer<QFileDialog> answered_;
    QPointer<QMessageBox> seen_;
};

QStringList EntriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

}  // namespace

class SaveFailureTest : public ProgramTest {
    Q_OBJECT
  private slots:
    void aFileThatCannotBeWrittenIsReportedAndTheProgramGoesOn_data();
    void aFileThatCannotBeWrittenIsReportedAndTheProgramGoesOn();

  protected:
    // Real message boxes: the test answers them as the user would.
    void Configure(ProgramConfig& config) override { config.recordMessages = false; }

  private:
    // Opens the window the click is made in and clicks its save button.
    void ClickSave(SavePlace place) {
        QWidget* owner = &window();
        const char* button = "BSave1";
        switch (place) {
            case SavePlace::TablePositions:
                button = "BPositionen";
                break;
            case SavePlace::OptionsDialog:
                QTest::mouseClick(window().Panel()->bOptionen, Qt::LeftButton);
                owner = window().findChild<QWidget*>(QStringLiteral("TFOptionen2"));
                button = "Bsave1";
                break;
            case SavePlace::ProfilesDialog:
                QTest::mouseClick(window().Panel()->bProfile, Qt::LeftButton);
                owner = window().findChild<QWidget*>(QStringLiteral("TFOptionen"));
                break;
            case SavePlace::CountingDrill:
                QTest::mouseClick(window().Panel()->bTraining, Qt::LeftButton);
                owner = window().Windows().Existing(SecondaryWindow::CountingDrill);
                break;
            case SavePlace::History:
                QTest::mouseClick(window().Panel()->bStatistik, Qt::LeftButton);
                if (auto* statistics = qobject_cast<StatisticsWindow*>(
                        window().Windows().Existing(SecondaryWindow::Statistics)))
                    owner = statistics->Page(1)->HistoryFrame();
                button = "BSpeichern";
                break;
            case SavePlace::Chart: {
                QTest::mouseClick(window().Panel()->bStatistik, Qt::LeftButton);
                auto* statistics = qobject_cast<StatisticsWindow*>(
                    window().Windows().Existing(SecondaryWindow::Statistics));
                QVERIFY(statistics != nullptr);
                QVERIFY(QTest::qWaitForWindowExposed(statistics));
                auto* tabs = statistics->Page(1)->findChild<QTabWidget*>(QStringLiteral("Ansicht"));
                QVERIFY(tabs != nullptr);
                QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {},
                                  tabs->tabBar()->tabRect(1).center());
                auto* chart =
                    statistics->Page(1)->findChild<QChartView*>(QStringLiteral("DiagrammKapital"));
                QVERIFY(chart != nullptr);
                QTRY_VERIFY(chart->isVisible());
                owner = statistics->Page(1)->Charts();
                button = "BBildKapital";
                break;
            }
        }
        QVERIFY2(owner != nullptr, "the window with the save button did not open");
        QVERIFY(owner->isVisible());
        auto* save = owner->findChild<QPushButton*>(QLatin1String(button));
        QVERIFY2(save != nullptr, button);
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(owner->isVisible());  // a dialog stays open with the user's edits
    }
};

void SaveFailureTest::aFileThatCannotBeWrittenIsReportedAndTheProgramGoesOn_data() {
    QTest::addColumn<int>("place");
    QTest::addColumn<QString>("file");  // below the data folder
    QTest::addColumn<int>("fault");
    const int folder = int(Fault::FolderInItsPlace);
    QTest::newRow("Positionen speichern")
        << int(SavePlace::TablePositions)
        << QStringLiteral("Tavexo/Einstellungen/Hauptfenster.tvxo") << folder;
    QTest::newRow("Optionen: Speichern")
        << int(SavePlace::OptionsDialog) << QStringLiteral("Tavexo/Einstellungen/Allgemein.ini")
        << folder;
    QTest::newRow("Spieler: Speichern")
        << int(SavePlace::ProfilesDialog) << QStringLiteral("Tavexo/Einstellungen/Spieler.tvxo")
        << folder;
    QTest::newRow("Zähltraining: Speichern")
        << int(SavePlace::CountingDrill) << QStringLiteral("Tavexo/Training/Counttrai.ini")
        << folder;
    // A file dialog opens a folder that is chosen rather than save into it.
    QTest::newRow("Verlauf: Speichern")
        << int(SavePlace::History) << QStringLiteral("Tavexo/Verlauf/Fritzi.lauf")
        << int(Fault::LinkIntoAMissingFolder);
    QTest::newRow("Diagramm: Kapital-Diagramm speichern")
        << int(SavePlace::Chart) << QStringLiteral("Tavexo/Statistik/Kapital.png")
        << int(Fault::LinkIntoAMissingFolder);
}

void SaveFailureTest::aFileThatCannotBeWrittenIsReportedAndTheProgramGoesOn() {
    QFETCH(int, place);
    QFETCH(QString, file);
    QFETCH(int, fault);
    const QString path = DataFile(file);
    const QString folder = QFileInfo(path).path();
    QFile::remove(path);
    int error = 0;
    if (Fault(fault) == Fault::FolderInItsPlace) {
        QVERIFY(QDir().mkpath(path));
        QFile old(path + QStringLiteral("/alt"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("alt");
        error = EISDIR;
    } else {
        // As a link to a folder on a disk that is no longer there.
        QVERIFY(QFile::link(folder + QStringLiteral("/fehlt/") + QFileInfo(path).fileName(), path));
        error = ENOENT;
    }
    const QStringList before = EntriesOf(folder);
    const QStringList beforeInside = EntriesOf(path);

    {
        BoxAnswerer answerer(path);
        ClickSave(SavePlace(place));
        if (QTest::currentTestFailed()) return;
        QTRY_COMPARE(answerer.Shown().count, 1);
        const ShownBox& shown = answerer.Shown();
        QCOMPARE(shown.text,
                 QString::fromStdString(WriteFailure(path.toStdString(), error).message));
        QVERIFY2(shown.text.contains(path), qPrintable(shown.text));
        QVERIFY2(shown.text.contains(QString::fromStdString(ErrorText(error))),
                 qPrintable(shown.text));
        QVERIFY(shown.styled);
        QVERIFY2(shown.wholeTextShown, qPrintable(shown.labelSize));
        QVERIFY(shown.icon == QMessageBox::Critical || shown.icon == QMessageBox::Information);
        // A file dialog opens in the folder the program keeps such files in.
        if (place == int(SavePlace::History) || place == int(SavePlace::Chart))
            QCOMPARE(shown.dialogFolder, QDir(folder).canonicalPath());
    }
    // Nothing changed, nothing left behind.
    QCOMPARE(EntriesOf(folder), before);
    QCOMPARE(EntriesOf(path), beforeInside);
    QCOMPARE(QFileInfo(path).isSymLink(), Fault(fault) == Fault::LinkIntoAMissingFolder);
    QVERIFY(window().isVisible());

    // The program goes on: with the fault gone the same click saves.
    if (QFileInfo(path).isSymLink()) {
        QVERIFY(QFile::remove(path));
    } else {
        QVERIFY(QDir(path).removeRecursively());
    }
    BoxAnswerer answerer(path);
    ClickSave(SavePlace(place));
    if (QTest::currentTestFailed()) return;
    QTRY_VERIFY2(QFileInfo(path).isFile() && QFileInfo(path).size() > 0, qPrintable(path));
    QTest::qWait(50);
    QCOMPARE(answerer.Shown().count, 0);
}

QTEST_MAIN(SaveFailureTest)
#include "save_failure_test.moc"
