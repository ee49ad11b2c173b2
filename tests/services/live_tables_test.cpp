// The live-tables window: the logos open their pages online, and offline
// both give the same message and open nothing.
#include <QPushButton>
#include <QTest>

#include "cut_off_widgets.h"
#include "ui/services/live_tables_window.h"

using namespace tavexo;

class LiveTablesTest : public QObject {
    Q_OBJECT
  private slots:
    void logosOpenTheirPagesOnline();
    void offlineBothLogosGiveTheMessage();
    void closingOnlyHides();
    void showsItsTextsAndLogosInFull();

  private:
    std::unique_ptr<LiveTablesWindow> MakeWindow(bool online) {
        ServiceEnvironment env;
        env.isOnline = [online] { return online; };
        env.inform = [this](const QString& text) { messages_ << text; };
        env.openUrl = [this](const QUrl& url) {
            opened_ << url;
            return true;
        };
        messages_.clear();
        opened_.clear();
        auto window = std::make_unique<LiveTablesWindow>(env);
        window->show();
        return window;
    }
    void ClickBothLogos(QWidget* window) {
        for (const char* name : {"Image1", "Image2"}) {
            auto* logo = window->findChild<QPushButton*>(QString::fromLatin1(name));
            QVERIFY(logo != nullptr);
            QVERIFY(!logo->accessibleName().isEmpty());
            QTest::mouseClick(logo, Qt::LeftButton);
        }
    }

    QStringList messages_;
    QList<QUrl> opened_;
};

void LiveTablesTest::logosOpenTheirPagesOnline() {
    auto window = MakeWindow(true);
    if (const QString dir = qEnvironmentVariable("TAVEXO_SHOT_DIR"); !dir.isEmpty())
        window->grab().save(dir + QStringLiteral("/live_tables.png"));
    ClickBothLogos(window.get());
    QCOMPARE(opened_, (QList<QUrl>{LiveTablesWindow::FirstCasinoPage(),
                                   LiveTablesWindow::SecondCasinoPage()}));
    for (const QUrl& page : opened_) QVERIFY(page.host().endsWith(QStringLiteral("example.com")));
    QVERIFY(messages_.isEmpty());
}

void LiveTablesTest::offlineBothLogosGiveTheMessage() {
    auto window = MakeWindow(false);
    ClickBothLogos(window.get());
    const QString message = QStringLiteral(
        "Für den Aufruf aktueller Gewinnzahlen muss eine Verbindung zum Internet bestehen.");
    QCOMPARE(messages_, (QStringList{message, message}));
    QVERIFY(opened_.isEmpty());
}

void LiveTablesTest::closingOnlyHides() {
    auto window = MakeWindow(true);
    QPointer<LiveTablesWindow> alive(window.get());
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("BSchliessen")),
                      Qt::LeftButton);
    QVERIFY(!window->isVisible());
    QVERIFY(!alive.isNull());
}

void LiveTablesTest::showsItsTextsAndLogosInFull() {
    auto window = MakeWindow(true);
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    const QStringList cut = CutOffWidgets(window.get());
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
    // The logos keep their whole picture.
    for (const char* name : {"Image1", "Image2"}) {
        auto* logo = window->findChild<QPushButton*>(QString::fromLatin1(name));
        QVERIFY(logo->height() >= logo->iconSize().height());
    }
}

QTEST_MAIN(LiveTablesTest)
#include "live_tables_test.moc"
