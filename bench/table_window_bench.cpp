// The table window as a user who lets seven robots play watches it: the
// whole program with its real window (offscreen), no delays, no sounds, the
// statistics window hidden. Each iteration plays a block of rounds inside one
// click on "Spiel starten" and stops the run from a timer, as the tests do.
// The counters say how many rounds a second the window keeps up with, by
// the process's CPU time (the machine is shared) and by the wall clock.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <time.h>

#include <memory>

#include "engine/table.h"
#include "settings/profiles.h"
#include "ui/program.h"
#include "ui/start/start_screen.h"
#include "ui/table/table_window.h"

namespace {

using namespace tavexo;

constexpr int ROUNDS_PER_BLOCK = 200;
// Never runs short of money: a box that cannot pay its stake sits out.
constexpr float CAPITAL = 1.0e9f;

double Seconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The program as a user starts it, in a private data folder on a screen of
// the given size, with seven robot boxes and every delay and sound off.
struct RobotTable {
    QTemporaryDir data;
    std::unique_ptr<Program> program;

    explicit RobotTable(const QRect& screen) {
        ProgramConfig config;
        config.dataBase = data.path();
        config.screen = screen;
        config.sound = SoundPlayer::Output::Silent;
        config.recordMessages = true;
        config.helpCollectionFile = data.filePath(QStringLiteral("hilfe.qhc"));
        program = std::make_unique<Program>(config);
        program->Start();
        program->StartWindow()->FadeOver();
        TProgramSettings& settings = program->Settings();
        settings.cardDelay = 0;
        settings.roundDelay = 0;
        settings.soundCues.fill(false);
        Table& table = program->GetTable();
        table.SettingsChanged();
        for (int box = 1; box <= BOX_COUNT; ++box) {
            BoxProfile profile;
            profile.name = DEFAULT_PLAYER_NAMES[box - 1];
            profile.active = profile.robot = true;
            profile.capital = CAPITAL;
            profile.unitValue = 5;
            table.ApplyProfile(box, profile);
        }
        QApplication::processEvents();
    }

    // Plays until `rounds` more rounds are settled; returns the rounds played.
    int PlayBlock(int rounds) {
        Table& table = program->GetTable();
        const int first = table.State().roundNumber;
        // Looked at every few milliseconds, as a user's click would come:
        // a timer due at every turn of the event loop would be measured too.
        QTimer stopper;
        QObject::connect(&stopper, &QTimer::timeout, [&] {
            if (table.State().roundNumber - first >= rounds) table.StopRun();
        });
        stopper.start(5);
        table.StartRun();
        return table.State().roundNumber - first;
    }
};

void Run(benchmark::State& state, const QRect& screen) {
    RobotTable robots(screen);
    double cpu = 0.0, wall = 0.0;
    long long rounds = 0;
    for (auto _ : state) {
        const double cpu0 = Seconds(CLOCK_PROCESS_CPUTIME_ID);
        const double wall0 = Seconds(CLOCK_MONOTONIC);
        rounds += robots.PlayBlock(ROUNDS_PER_BLOCK);
        cpu += Seconds(CLOCK_PROCESS_CPUTIME_ID) - cpu0;
        wall += Seconds(CLOCK_MONOTONIC) - wall0;
    }
    if (rounds == 0 || cpu <= 0.0 || wall <= 0.0) {
        state.SkipWithError("no round was played");
        return;
    }
    const auto r = static_cast<double>(rounds);
    state.counters["rounds_per_second"] = r / cpu;
    state.counters["wall_rounds_per_second"] = r / wall;
    state.counters["cpu_us_per_round"] = cpu / r * 1e6;
}

void TableWindowSevenRobotsFullHd(benchmark::State& state) {
    Run(state, QRect(0, 0, 1920, 1080));
}
void TableWindowSevenRobots1366x768(benchmark::State& state) {
    Run(state, QRect(0, 0, 1366, 768));
}

BENCHMARK(TableWindowSevenRobotsFullHd)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(TableWindowSevenRobots1366x768)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    // The real window, drawn offscreen: no display needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
