// The simulator's command line: any arguments (the input split at NUL
// bytes) are either refused with a one-line message or give options within
// their documented ranges, with which a short simulation runs and reports.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "sim/sim_options.h"
#include "sim/simulator.h"
#include "sim/summary.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tavexo::sim;
    std::vector<std::string> args(1);
    for (size_t i = 0; i < size && args.size() <= 32; ++i) {
        if (data[i] == 0) {
            args.emplace_back();
        } else {
            args.back() += static_cast<char>(data[i]);
        }
    }
    if (size == 0) args.clear();

    const ParsedOptions parsed = ParseOptions(args);
    if (!parsed.error.empty()) {
        FUZZ_CHECK(parsed.error.find('\n') == std::string::npos);
        return 0;
    }
    SimOptions o = parsed.options;
    FUZZ_CHECK(o.rounds >= 1 && o.rounds <= MAX_ROUNDS);
    FUZZ_CHECK(o.boxes >= 1 && o.boxes <= 7);
    FUZZ_CHECK(o.unit >= 1 && o.unit <= MAX_UNIT);
    FUZZ_CHECK(std::isfinite(o.capital) && o.capital >= o.unit && o.capital <= MAX_CAPITAL);
    FUZZ_CHECK(o.threads >= 1 && o.threads <= MAX_THREADS);
    if (o.help) {
        FUZZ_CHECK(!UsageText().empty());
        return 0;
    }
    FUZZ_CHECK(!RulesText(o).empty());

    // A short run with what was asked, without files or threads.
    o.rounds = std::min<int64_t>(o.rounds, 40);
    o.threads = 1;
    o.trace.clear();
    SimControl control;
    control.blockRounds = 20;
    const SimReport report = RunSimulation(o, o.seed.value_or(1), control);
    FUZZ_CHECK(report.tally.rounds <= o.rounds);
    std::ostringstream text;
    PrintSummary(text, o, report);
    PrintJson(text, o, report);
    FUZZ_CHECK(!text.str().empty());
    return 0;
}
