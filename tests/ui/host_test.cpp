#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <vector>

#include "ui/common/qt_table_host.h"
#include "ui/common/sound_player.h"

using namespace tavexo;

class HostTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        player_ = std::make_unique<SoundPlayer>(SoundPlayer::Output::Silent);
        host_ = std::make_unique<QtTableHost>(*player_);
    }
    void cleanup() {
        host_.reset();
        player_.reset();
    }

    void timersTickByIdUntilStopped();
    void restartingATimerTakesTheNewInterval();
    void aTickIsNeverReenteredBySameTimer();
    void sleepHandlesEventsMeanwhile();
    void waitEventsReturnsAfterAnEvent();
    void messagesAreRecordedUnderTest_data();
    void messagesAreRecordedUnderTest();
    void closeTableCallsTheWindow();

  private:
    std::unique_ptr<SoundPlayer> player_;
    std::unique_ptr<QtTableHost> host_;
};

void HostTest::timersTickByIdUntilStopped() {
    std::vector<int> ticks;
    host_->SetTimerHandler([&](int id) { ticks.push_back(id); });
    host_->StartTimer(3, 5);
    host_->StartTimer(0, 1000);
    QVERIFY(host_->TimerRunning(3));
    QTRY_VERIFY(ticks.size() >= 3);
    for (int id : ticks) QCOMPARE(id, 3);

    host_->StopTimer(3);
    QVERIFY(!host_->TimerRunning(3));
    QVERIFY(host_->TimerRunning(0));
    const size_t stopped = ticks.size();
    host_->Sleep(30);
    QCOMPARE(ticks.size(), stopped);
    host_->StopTimer(42);  // an unknown timer is no error
}

void HostTest::restartingATimerTakesTheNewInterval() {
    host_->SetTimerHandler([](int) {});
    host_->StartTimer(0, 5000);
    QCOMPARE(host_->TimerInterval(0), 5000);
    host_->StartTimer(0, 10000);
    QCOMPARE(host_->TimerInterval(0), 10000);
    QVERIFY(host_->TimerRunning(0));
}

void HostTest::aTickIsNeverReenteredBySameTimer() {
    int depth = 0;
    int deepest = 0;
    int ticks = 0;
    host_->SetTimerHandler([&](int) {
        ++ticks;
        deepest = std::max(deepest, ++depth);
        // The tick handler waits for a sound, as the decision tick does,
        // long enough for its own timer to come due twice meanwhile.
        host_->Sleep(25);
        --depth;
    });
    host_->StartTimer(5, 10);
    QTRY_VERIFY(ticks >= 3);
    host_->StopTimer(5);
    QCOMPARE(deepest, 1);
}

void HostTest::sleepHandlesEventsMeanwhile() {
    bool fired = false;
    QTimer::singleShot(5, this, [&] { fired = true; });
    QElapsedTimer clock;
    clock.start();
    host_->Sleep(60);
    QVERIFY(fired);
    QVERIFY(clock.elapsed() >= 59);

    // Sleep(0) still lets pending events run.
    fired = false;
    QTimer::singleShot(0, this, [&] { fired = true; });
    host_->Sleep(0);
    QVERIFY(fired);
}

void HostTest::waitEventsReturnsAfterAnEvent() {
    bool fired = false;
    QTimer::singleShot(20, this, [&] { fired = true; });
    for (int i = 0; i < 100 && !fired; ++i) host_->WaitEvents();
    QVERIFY(fired);
}

void HostTest::messagesAreRecordedUnderTest_data() {
    QTest::addColumn<QString>("engineText");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << "Keine Spieler mit Einsatz am Tisch."
                           << "Keine Spieler mit Einsatz am Tisch.";
    QTest::newRow("paragraph") << "Erster Absatz.\r\rZweiter Absatz."
                               << "Erster Absatz.\n\nZweiter Absatz.";
    QTest::newRow("crlf") << "Zeile 1\r\nZeile 2"
                          << "Zeile 1\nZeile 2";
    QTest::newRow("umlauts") << "Zähler ausgeblendet"
                             << "Zähler ausgeblendet";
}

void HostTest::messagesAreRecordedUnderTest() {
    QFETCH(QString, engineText);
    QFETCH(QString, shown);
    host_->SetRecordMessages(true);
    QString signalled;
    connect(host_.get(), &QtTableHost::messageShown, this,
            [&](const QString& t) { signalled = t; });
    host_->ShowInformation(engineText.toStdString());
    QCOMPARE(host_->RecordedMessages(), QStringList{shown});
    QCOMPARE(signalled, shown);
}

void HostTest::closeTableCallsTheWindow() {
    host_->CloseTable();  // without a window nothing happens
    int closed = 0;
    host_->SetCloseHandler([&] { ++closed; });
    host_->CloseTable();
    QCOMPARE(closed, 1);
}

QTEST_MAIN(HostTest)
#include "host_test.moc"
