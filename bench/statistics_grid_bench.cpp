// The statistics window with long histories: the memory that 100000 rounds
// of seven robot boxes take in the history grids and in the window, the time
// to show one more row, and the time to scroll a page, all with the real
// window offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <QTableView>

#include <unistd.h>
#include <fstream>
#include <memory>
#include <string>

#include "engine/table.h"
#include "settings/data_folders.h"
#include "sim/headless_host.h"
#include "strategy/table_strategy.h"
#include "ui/statistics/box_page.h"
#include "ui/statistics/grid_frame.h"
#include "ui/statistics/statistics_window.h"

namespace {

using namespace tavexo;

constexpr int ROUNDS = 100000;

double ResidentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

// A table whose seven robot boxes have played `rounds` rounds, with the
// history texts written as at the table window.
struct PlayedTable {
    TProgramSettings settings;
    sim::HeadlessHost host;
    Table table{settings, host, ShoeShuffler(7)};
    TableStrategy strategy{table};

    explicit PlayedTable(int rounds) {
        settings.roundDelay = 0;
        table.SettingsChanged();
        for (int box = 1; box <= BOX_COUNT; ++box)
            table.ApplyProfile(box,
                               BoxProfile{"Robot " + std::to_string(box), true, true, 1.0e9f, 5});
        // A run stops by itself at every 10000th round.
        while (table.State().roundNumber < rounds) table.StartRun();
    }
};

void HistoryMemory(benchmark::State& state) {
    for (auto _ : state) {
        const double before = ResidentMegabytes();
        auto played = std::make_unique<PlayedTable>(ROUNDS);
        const double grids = ResidentMegabytes();
        StatisticsServices services;
        auto window = std::make_unique<StatisticsWindow>(played->table, services);
        window->show();
        for (int box = 1; box <= BOX_COUNT; ++box) window->GridChanged(GridKind::History, box);
        QApplication::processEvents();
        const double shown = ResidentMegabytes();
        state.counters["rows_per_box"] = played->table.HistoryGrid(1).RowCount() - 1;
        state.counters["grids_MB"] = grids - before;
        state.counters["window_MB"] = shown - grids;
        state.counters["bytes_per_row"] =
            (grids - before) * 1048576.0 / (static_cast<double>(ROUNDS) * BOX_COUNT);
    }
}

// The window open on box 1 during a run: one more round of every box.
void OneMoreRound(benchmark::State& state) {
    PlayedTable played(ROUNDS);
    StatisticsServices services;
    StatisticsWindow window(played.table, services);
    window.show();
    QApplication::processEvents();  // the window is exposed and paints
    QTableView* view = window.Page(1)->HistoryFrame()->View();
    for (auto _ : state) {
        state.PauseTiming();
        TextGrid& grid = played.table.HistoryGrid(1);
        const int rows = grid.RowCount();
        grid.SetRowCount(rows + 1);
        for (int c = 0; c < grid.ColumnCount(); ++c) grid.SetCell(c, rows, grid.Cell(c, rows - 1));
        state.ResumeTiming();
        window.GridChanged(GridKind::History, 1);
        view->scrollToBottom();
        view->viewport()->repaint();
    }
}

void ScrollOnePage(benchmark::State& state) {
    PlayedTable played(ROUNDS);
    StatisticsServices services;
    StatisticsWindow window(played.table, services);
    window.show();
    for (int box = 1; box <= BOX_COUNT; ++box) window.GridChanged(GridKind::History, box);
    QApplication::processEvents();
    QTableView* view = window.Page(1)->HistoryFrame()->View();
    QScrollBar* bar = view->verticalScrollBar();
    for (auto _ : state) {
        bar->setValue((bar->value() + bar->pageStep()) % bar->maximum());
        view->viewport()->repaint();
    }
}

}  // namespace

BENCHMARK(HistoryMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(OneMoreRound)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScrollOnePage)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
