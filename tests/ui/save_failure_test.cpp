// Every "Speichern" of the program, and the table's "Positionen speichern",
// against a file that cannot be written: a folder sits where the file should
// be (a fault that stops the superuser too). The user sees the program's
// styled error box with the file's path and the reason, the folder is left as
// it was with no temporary file beside it, and the program goes on: once the
// folder is gone, the same click saves.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cerrno>
#include <string>

#include "program_test.h"
#include "settings/file_io.h"
#include "ui/common/window_opener.h"
#include "ui/table/table_window.h"
#include "ui/table/top_panel.h"

using namespace tavexo;
using namespace tavexo::uitest;

namespace {

// Where the click is made.
enum class SavePlace { TablePositions, OptionsDialog, ProfilesDialog, CountingDrill };

// What the error box showed, once it was answered.
struct ShownBox {
    int count = 0;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool styled = false;
    bool wholeTextShown = false;
};

// Answers every message box that comes up while it lives with its OK
// button, and notes what it showed.
class BoxAnswerer : public QObject {
  public:
    BoxAnswerer() {
        connect(&poll_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible()) return;
            ++shown_.count;
            shown_.text = box->text();
            shown_.icon = box->icon();
            shown_.styled = !box->styleSheet().isEmpty();
            // A long path must wrap, not be cut off.
            auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            shown_.wholeTextShown = label != nullptr && label->isVisible() &&
                                    label->height() >= label->heightForWidth(label->width()) &&
                                    label->width() >= label->minimumSizeHint().width();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        poll_.start(10);
    }
    const ShownBox& Shown() const { return shown_; }

  private:
    QTimer poll_;
    ShownBox shown_;
};

QStringList EntriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

}  // namespace

class SaveFailureTest : public ProgramTest {
    Q_OBJECT
  private slots:
    void aFolderInTheFilesPlaceIsReportedAndTheProgramGoesOn_data();
    void aFolderInTheFilesPlaceIsReportedAndTheProgramGoesOn();

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
        }
        QVERIFY2(owner != nullptr, "the window with the save button did not open");
        QVERIFY(owner->isVisible());
        auto* save = owner->findChild<QPushButton*>(QLatin1String(button));
        QVERIFY2(save != nullptr, button);
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(owner->isVisible());  // a dialog stays open with the user's edits
    }
};

void SaveFailureTest::aFolderInTheFilesPlaceIsReportedAndTheProgramGoesOn_data() {
    QTest::addColumn<int>("place");
    QTest::addColumn<QString>("file");  // below the data folder
    QTest::newRow("Positionen speichern")
        << int(SavePlace::TablePositions)
        << QStringLiteral("Tavexo/Einstellungen/Hauptfenster.tvxo");
    QTest::newRow("Optionen: Speichern")
        << int(SavePlace::OptionsDialog) << QStringLiteral("Tavexo/Einstellungen/Allgemein.ini");
    QTest::newRow("Spieler: Speichern")
        << int(SavePlace::ProfilesDialog) << QStringLiteral("Tavexo/Einstellungen/Spieler.tvxo");
    QTest::newRow("Zähltraining: Speichern")
        << int(SavePlace::CountingDrill) << QStringLiteral("Tavexo/Training/Counttrai.ini");
}

void SaveFailureTest::aFolderInTheFilesPlaceIsReportedAndTheProgramGoesOn() {
    QFETCH(int, place);
    QFETCH(QString, file);
    const QString path = DataFile(file);
    const QString folder = QFileInfo(path).path();
    QFile::remove(path);
    QVERIFY(QDir().mkpath(path));
    {
        QFile old(path + QStringLiteral("/alt"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("alt");
    }
    const QStringList before = EntriesOf(folder);

    {
        BoxAnswerer answerer;
        ClickSave(SavePlace(place));
        if (QTest::currentTestFailed()) return;
        QTRY_COMPARE(answerer.Shown().count, 1);
        const ShownBox& shown = answerer.Shown();
        QCOMPARE(shown.text,
                 QString::fromStdString(WriteFailure(path.toStdString(), EISDIR).message));
        QVERIFY2(shown.text.contains(path), qPrintable(shown.text));
        QVERIFY2(shown.text.contains(QString::fromStdString(ErrorText(EISDIR))),
                 qPrintable(shown.text));
        QVERIFY(shown.styled);
        QVERIFY(shown.wholeTextShown);
        QVERIFY(shown.icon == QMessageBox::Critical || shown.icon == QMessageBox::Information);
    }
    QCOMPARE(EntriesOf(folder), before);
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(EntriesOf(path), QStringList{QStringLiteral("alt")});
    QVERIFY(window().isVisible());

    // The program goes on: with the folder gone the same click saves.
    QVERIFY(QDir(path).removeRecursively());
    BoxAnswerer answerer;
    ClickSave(SavePlace(place));
    if (QTest::currentTestFailed()) return;
    QTest::qWait(50);
    QCOMPARE(answerer.Shown().count, 0);
    QVERIFY(QFileInfo(path).isFile());
    QVERIFY(QFileInfo(path).size() > 0);
}

QTEST_MAIN(SaveFailureTest)
#include "save_failure_test.moc"
