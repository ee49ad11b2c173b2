// Rounds per second of robot boxes: a block of rounds as the simulator
// plays it with its robot rounds (fresh table, seven robots, the count, the
// indices, the bet ramp and the statistics), with 8 decks unless the
// benchmark says otherwise; once through the table engine for scale.
#include <benchmark/benchmark.h>

#include "sim/sim_block.h"

namespace {

using tavexo::sim::BlockPlan;
using tavexo::sim::RunBlock;
using tavexo::sim::SimOptions;

void Rounds(benchmark::State& state, SimOptions options) {
    BlockPlan plan;
    plan.rounds = tavexo::sim::ROUNDS_PER_BLOCK;
    int64_t rounds = 0;
    for (auto _ : state) {
        plan.seed += 1;
        const auto output = RunBlock(options, plan);
        benchmark::DoNotOptimize(output.tally.rounds);
        rounds += output.tally.rounds;
    }
    state.counters["rounds_per_second"] =
        benchmark::Counter(static_cast<double>(rounds), benchmark::Counter::kIsRate);
    state.counters["seconds_per_round"] = benchmark::Counter(
        static_cast<double>(rounds), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

SimOptions With(int boxes, int decks, bool tableEngine = false) {
    SimOptions options;
    options.boxes = boxes;
    options.decks = decks;
    options.tableEngine = tableEngine;
    return options;
}

}  // namespace

BENCHMARK_CAPTURE(Rounds, SevenBoxesEightDecks, With(7, 8))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Rounds, OneBoxEightDecks, With(1, 8))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Rounds, SevenBoxesOneDeck, With(7, 1))->Unit(benchmark::kMillisecond);
// The same rounds through the table engine of the table window, for scale.
BENCHMARK_CAPTURE(Rounds, SevenBoxesEightDecksTableEngine, With(7, 8, true))
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
