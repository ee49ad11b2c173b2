// Seven robots at the real table window, no delays, for some hundred
// rounds: every frame, card picture, label and grid of the table updated as
// in play. The sanitizer build (`make sanitize`) runs it under AddressSanitizer
// and UBSan, so that the windows' code is checked as the engine's is.
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <cmath>

#include "engine/table.h"
#include "settings/profiles.h"
#include "ui/common/card_area.h"
#include "ui/table/box_frame.h"
#include "ui/table/dealer_frame.h"
#include "ui/table/table_window.h"
#include "ui/table/top_panel.h"
#include "ui_fixture.h"

using namespace tavexo;
using namespace tavexo::uitest;

namespace {

constexpr int ROUNDS = 300;
// Enough that no robot runs short of money in a few hundred rounds: a box
// that cannot pay its stake sits out for seconds.
constexpr float CAPITAL = 10000.0f;

}  // namespace

class RobotRunTest : public QObject {
    Q_OBJECT
  private slots:
    void sevenRobotsPlayHundredsOfRounds();
};

void RobotRunTest::sevenRobotsPlayHundredsOfRounds() {
    QTemporaryDir data;
    QVERIFY(data.isValid());
    auto program = StartProgram(data.path());
    QuickTable(*program);
    Table& table = program->GetTable();
    TableWindow& window = program->Window();
    for (int box = 1; box <= BOX_COUNT; ++box) {
        BoxProfile profile;
        profile.name = DEFAULT_PLAYER_NAMES[box - 1];
        profile.active = profile.robot = true;
        profile.capital = CAPITAL;
        profile.unitValue = 5;
        table.ApplyProfile(box, profile);
    }

    // Generous: the sanitizer build is several times slower.
    RunScript script(table, 240000);
    script.Then([&] { return table.State().roundNumber >= ROUNDS; },
                [&] { QTest::mouseClick(window.Panel()->bStop, Qt::LeftButton); });
    QTest::mouseClick(window.Panel()->bStart, Qt::LeftButton);

    QVERIFY(!script.TimedOut());
    QCOMPARE(script.StepsDone(), 1);
    QVERIFY(table.State().roundNumber >= ROUNDS);
    QVERIFY(window.Panel()->bStart->isEnabled());
    QVERIFY(program->Host().RecordedMessages().isEmpty());
    // The money balances for every box: what it has is what it had plus
    // what it won and lost, and all of it shows on its frame.
    for (int box = 1; box <= BOX_COUNT; ++box) {
        const TPlayerBox& b = table.Box(box);
        const TBucketStats total = table.Stats().BoxTotal(box);
        QVERIFY(total.games >= static_cast<uint32_t>(ROUNDS));
        const float expected = CAPITAL + total.wonMoney + total.lostMoney;
        QVERIFY2(
            std::fabs(b.capital - expected) < 0.5f,
            qPrintable(QStringLiteral("box %1: %2 != %3").arg(box).arg(b.capital).arg(expected)));
        QVERIFY(b.capital >= 0.0f);
        QVERIFY(window.Frame(box)->Cards()->CardCount() >= 2);
    }
}

QTEST_MAIN(RobotRunTest)
#include "robot_run_test.moc"
