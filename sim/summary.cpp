#include "sim/summary.h"

#include "sim/analysis.h"
#include "sim/trace_writer.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tavexo::sim {

namespace {

std::string Format(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string Whole(uint64_t value) {
    return std::to_string(value);
}

double RoundsPerSecond(const SimReport& report) {
    return report.seconds > 0.0 ? static_cast<double>(report.tally.rounds) / report.seconds : 0.0;
}

// The columns of the text summary: the boxes in play, then the total.
struct Column {
    std::string title;
    BoxTally tally;
};

std::vector<Column> ColumnsOf(const SimOptions& options, const SimReport& report) {
    std::vector<Column> columns;
    for (int box = 1; box <= options.boxes; ++box) {
        columns.push_back({"box " + std::to_string(box), report.tally.boxes[box - 1]});
    }
    columns.push_back({"total", report.tally.Total()});
    return columns;
}

void PrintRow(std::ostream& out, const std::string& label, const std::vector<Column>& columns,
              std::string (*cell)(const BoxTally&)) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%-20s", label.c_str());
    out << buffer;
    for (const Column& c : columns) {
        std::snprintf(buffer, sizeof buffer, "%14s", cell(c.tally).c_str());
        out << buffer;
    }
    out << '\n';
}

void PrintBucketRows(std::ostream& out, const std::vector<Column>& columns, bool games) {
    char buffer[32];
    for (int k = 0; k < BUCKET_COUNT; ++k) {
        std::snprintf(buffer, sizeof buffer, "%-20s", BUCKET_LABELS[k]);
        out << buffer;
        for (const Column& c : columns) {
            const BucketTally& b = c.tally.buckets[k];
            const std::string text = games ? Whole(b.games) : Format("%.2f", b.result);
            std::snprintf(buffer, sizeof buffer, "%14s", text.c_str());
            out << buffer;
        }
        out << '\n';
    }
}

void PrintHeader(std::ostream& out, const std::string& title, const std::vector<Column>& columns) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%-20s", title.c_str());
    out << buffer;
    for (const Column& c : columns) {
        std::snprintf(buffer, sizeof buffer, "%14s", c.title.c_str());
        out << buffer;
    }
    out << '\n';
}

void JsonField(std::string& out, const char* key, uint64_t value) {
    out += '"';
    out += key;
    out += "\":";
    out += std::to_string(value);
    out += ',';
}

void JsonField(std::string& out, const char* key, double value) {
    out += '"';
    out += key;
    out += "\":";
    AppendNumber(out, value);
    out += ',';
}

void JsonOptional(std::string& out, const char* key, std::optional<double> value) {
    if (value && std::isfinite(*value)) {
        JsonField(out, key, *value);
    } else {
        out += '"';
        out += key;
        out += "\":null,";
    }
}

// Per 100 rounds and per hour: the win grows with the rounds, the spread
// with their square root.
void JsonAnalysis(std::string& out, const ColumnAnalysis& a, const SimOptions& options) {
    const double sd = std::sqrt(a.units.variance);
    const double hours = options.handsPerHour;
    out += "\"analysis\":{";
    JsonField(out, "win_per_100_rounds_units", 100.0 * a.units.mean);
    JsonField(out, "win_per_100_rounds_money", 100.0 * a.moneyPerRound);
    JsonField(out, "sd_per_round_units", sd);
    JsonField(out, "sd_per_100_rounds_units", 10.0 * sd);
    JsonOptional(out, "n0_rounds", a.n0);
    JsonField(out, "win_over_variance", a.winOverVariance);
    JsonField(out, "hands_per_hour", hours);
    JsonField(out, "win_per_hour_units", hours * a.units.mean);
    JsonField(out, "win_per_hour_money", hours * a.moneyPerRound);
    JsonField(out, "sd_per_hour_units", std::sqrt(hours) * sd);
    if (options.bankroll) {
        JsonField(out, "bankroll_units", *options.bankroll);
        JsonOptional(out, "ror_formula", a.rorFormula);
        if (a.rorTrips) {
            JsonField(out, "ror_trips", a.rorTrips->trips);
            JsonField(out, "ror_ruined_trips", a.rorTrips->ruined);
            JsonField(out, "ror_unfinished_trips", a.rorTrips->unfinished);
            JsonField(out, "ror_simulated", a.rorTrips->RuinShare());
        }
    }
    out.back() = '}';
    out += ',';
}

void JsonBetBins(std::string& out, const CountBins& bins, double unit) {
    out += "\"bet_count_bins\":[";
    uint64_t rounds = 0;
    for (const BetBinRow& row : BetBinRows(bins)) rounds += row.sums.rounds;
    bool first = true;
    for (const BetBinRow& row : BetBinRows(bins)) {
        if (!first) out += ',';
        first = false;
        const CountBin& c = row.sums;
        const double n = static_cast<double>(c.rounds);
        const double mean = n > 0.0 ? c.result / unit / n : 0.0;
        const double square = n > 0.0 ? c.squares / (unit * unit) / n : 0.0;
        out += "{\"bin\":";
        out += std::to_string(row.bin);
        out += ",\"label\":";
        AppendJsonString(out, row.label);
        out += ',';
        JsonField(out, "rounds", c.rounds);
        JsonField(out, "share", rounds > 0 ? n / static_cast<double>(rounds) : 0.0);
        JsonField(out, "units_bet", c.staked / unit);
        JsonField(out, "result_units", c.result / unit);
        JsonField(out, "result_per_round_units", mean);
        JsonField(out, "result_per_unit_bet", c.staked > 0.0 ? c.result / c.staked : 0.0);
        JsonField(out, "sd_per_round_units", std::sqrt(std::max(0.0, square - mean * mean)));
        out.back() = '}';
    }
    out += "],";
}

std::string JsonBox(const BoxTally& t, int box, const ColumnAnalysis& analysis,
                    const SimOptions& options) {
    std::string out = "{";
    if (box > 0) JsonField(out, "box", static_cast<uint64_t>(box));
    JsonField(out, "games", t.games);
    JsonField(out, "hands", t.hands);
    JsonField(out, "wins", t.wins);
    JsonField(out, "losses", t.losses);
    JsonField(out, "pushes", t.pushes);
    JsonField(out, "busts", t.busts);
    JsonField(out, "blackjacks", t.blackjacks);
    JsonField(out, "doubles", t.doubles);
    JsonField(out, "splits", t.splits);
    JsonField(out, "surrenders", t.surrenders);
    JsonField(out, "insurances", t.insurances);
    JsonField(out, "won", t.won);
    JsonField(out, "lost", t.lost);
    JsonField(out, "result", t.Result());
    JsonField(out, "turnover", t.turnover);
    JsonField(out, "result_per_turnover_percent", ResultPerTurnover(t));
    JsonField(out, "result_per_round_units", t.units.Mean());
    JsonField(out, "stderr_units", t.units.StdErr());
    JsonAnalysis(out, analysis, options);
    JsonBetBins(out, t.betBins, static_cast<double>(options.unit));
    out += "\"buckets\":[";
    for (int k = 0; k < BUCKET_COUNT; ++k) {
        if (k > 0) out += ',';
        out += "{";
        JsonField(out, "bucket", static_cast<uint64_t>(k + 1));
        out += "\"label\":\"";
        out += BUCKET_LABELS[k];
        out += "\",";
        JsonField(out, "games", t.buckets[k].games);
        JsonField(out, "result", t.buckets[k].result);
        out.back() = '}';
    }
    out += "]}";
    return out;
}

}  // namespace

double ResultPerTurnover(const BoxTally& t) {
    return t.turnover > 0.0 ? 100.0 * t.Result() / t.turnover : 0.0;
}

namespace {

std::string OptionalCell(std::optional<double> value, const char* format) {
    return value && std::isfinite(*value) ? Format(format, *value) : std::string("-");
}

// The counter's figures, a column per box and one for the table's rounds of
// all boxes together; then the rounds by the count at the bet.
void PrintAnalysis(std::ostream& out, const SimOptions& options, const SimReport& report,
                   const std::vector<Column>& columns) {
    std::vector<ColumnAnalysis> analyses;
    for (int box = 1; box <= options.boxes; ++box) {
        analyses.push_back(AnalyseBox(report.tally.boxes[box - 1], options, report.seed, box));
    }
    analyses.push_back(AnalyseAllBoxes(report.tally, options, report.seed));
    const double hours = options.handsPerHour;
    using Cell = std::function<std::string(const ColumnAnalysis&)>;
    std::vector<std::pair<std::string, Cell>> rows = {
        {"win/100 rounds units",
         [](const ColumnAnalysis& a) { return Format("%.3f", 100.0 * a.units.mean); }},
        {"win/100 rounds money",
         [](const ColumnAnalysis& a) { return Format("%.2f", 100.0 * a.moneyPerRound); }},
        {"SD/round units",
         [](const ColumnAnalysis& a) { return Format("%.3f", std::sqrt(a.units.variance)); }},
        {"SD/100 rounds units",
         [](const ColumnAnalysis& a) {
             return Format("%.2f", 10.0 * std::sqrt(a.units.variance));
         }},
        {"N0 rounds", [](const ColumnAnalysis& a) { return OptionalCell(a.n0, "%.0f"); }},
        {"win/variance", [](const ColumnAnalysis& a) { return Format("%.5f", a.winOverVariance); }},
        {"win/hour units",
         [hours](const ColumnAnalysis& a) { return Format("%.3f", hours * a.units.mean); }},
        {"win/hour money",
         [hours](const ColumnAnalysis& a) { return Format("%.2f", hours * a.moneyPerRound); }},
        {"SD/hour units",
         [hours](const ColumnAnalysis& a) {
             return Format("%.2f", std::sqrt(hours * a.units.variance));
         }},
    };
    if (options.bankroll) {
        rows.push_back({"RoR formula %", [](const ColumnAnalysis& a) {
                            return OptionalCell(a.rorFormula
                                                    ? std::optional<double>(100.0 * *a.rorFormula)
                                                    : std::nullopt,
                                                "%.2f");
                        }});
        rows.push_back({"RoR trips %", [](const ColumnAnalysis& a) {
                            return a.rorTrips ? Format("%.2f", 100.0 * a.rorTrips->RuinShare())
                                              : std::string("-");
                        }});
    }
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.0f", hours);
    out << "analysis (a round of \"total\" is all boxes together; " << buffer << " rounds an hour";
    if (options.bankroll) {
        std::snprintf(buffer, sizeof buffer, "%.0f", *options.bankroll);
        out << "; bankroll " << buffer << " units";
        if (options.rorTrips > 0) out << ", " << options.rorTrips << " trips to ruin or double";
    }
    out << ")\n";
    PrintHeader(out, "", columns);
    for (const auto& [label, cell] : rows) {
        std::snprintf(buffer, sizeof buffer, "%-20s", label.c_str());
        out << buffer;
        for (const ColumnAnalysis& a : analyses) {
            std::snprintf(buffer, sizeof buffer, "%14s", cell(a).c_str());
            out << buffer;
        }
        out << '\n';
    }

    // All boxes' rounds by the count at their bet.
    const BoxTally total = report.tally.Total();
    const std::vector<BetBinRow> bins = BetBinRows(total.betBins);
    uint64_t rounds = 0;
    for (const BetBinRow& row : bins) rounds += row.sums.rounds;
    const double unit = static_cast<double>(options.unit);
    out << "\nbox-rounds by the count at the bet (all boxes)\n";
    out << "count          share %     units bet  result/round   result/unit  SD/round\n";
    for (const BetBinRow& row : bins) {
        const CountBin& c = row.sums;
        const double n = static_cast<double>(c.rounds);
        const double mean = n > 0.0 ? c.result / unit / n : 0.0;
        const double sd =
            n > 0.0 ? std::sqrt(std::max(0.0, c.squares / (unit * unit) / n - mean * mean)) : 0.0;
        // The labels hold multi-byte signs; pad by what is seen.
        std::string label = row.label;
        const size_t seen = row.bin < 0 ? label.size() - 2 : label.size();
        const size_t shown =
            row.bin == SHOWN_LOWEST_BIN || row.bin == SHOWN_HIGHEST_BIN ? seen - 2 : seen;
        label += std::string(shown < 9 ? 9 - shown : 0, ' ');
        std::snprintf(buffer, sizeof buffer, "%9.3f",
                      rounds > 0 ? 100.0 * n / static_cast<double>(rounds) : 0.0);
        out << label << buffer;
        std::snprintf(buffer, sizeof buffer, "%14.0f", c.staked / unit);
        out << buffer;
        std::snprintf(buffer, sizeof buffer, "%14.4f", mean);
        out << buffer;
        std::snprintf(buffer, sizeof buffer, "%14.4f", c.staked > 0.0 ? c.result / c.staked : 0.0);
        out << buffer;
        std::snprintf(buffer, sizeof buffer, "%10.3f", sd);
        out << buffer << '\n';
    }
}

}  // namespace

void PrintSummary(std::ostream& out, const SimOptions& options, const SimReport& report) {
    const SimTally& tally = report.tally;
    const double perSecond = RoundsPerSecond(report);
    const BoxTally total = tally.Total();
    out << "tavexo-sim: " << options.boxes
        << (options.boxes == 1 ? " robot box, " : " robot boxes, ") << RulesText(options)
        << ", unit " << options.unit << ", capital " << Format("%.2f", options.capital) << '\n';
    out << "seed " << report.seed << ", " << options.threads
        << (options.threads == 1 ? " thread" : " threads") << '\n';
    if (!report.note.empty()) out << "note: " << report.note << '\n';
    out << "rounds              " << tally.rounds << '\n';
    out << "box-rounds settled  " << total.games << " (hands " << total.hands << ")\n";
    out << "wall time           " << Format("%.3f s", report.seconds) << '\n';
    out << "rounds per second   " << Format("%.0f", perSecond);
    if (perSecond > 0.0) out << Format(" (%.0f ns per round)", 1e9 / perSecond);
    out << "\n\n";

    const std::vector<Column> columns = ColumnsOf(options, report);
    PrintHeader(out, "", columns);
    using Cell = std::string (*)(const BoxTally&);
    const std::vector<std::pair<const char*, Cell>> rows = {
        {"games", [](const BoxTally& t) { return Whole(t.games); }},
        {"wins", [](const BoxTally& t) { return Whole(t.wins); }},
        {"losses", [](const BoxTally& t) { return Whole(t.losses); }},
        {"pushes", [](const BoxTally& t) { return Whole(t.pushes); }},
        {"busts", [](const BoxTally& t) { return Whole(t.busts); }},
        {"blackjacks", [](const BoxTally& t) { return Whole(t.blackjacks); }},
        {"doubles", [](const BoxTally& t) { return Whole(t.doubles); }},
        {"splits", [](const BoxTally& t) { return Whole(t.splits); }},
        {"surrenders", [](const BoxTally& t) { return Whole(t.surrenders); }},
        {"insurances", [](const BoxTally& t) { return Whole(t.insurances); }},
        {"money won", [](const BoxTally& t) { return Format("%.2f", t.won); }},
        {"money lost", [](const BoxTally& t) { return Format("%.2f", t.lost); }},
        {"result", [](const BoxTally& t) { return Format("%.2f", t.Result()); }},
        {"turnover", [](const BoxTally& t) { return Format("%.2f", t.turnover); }},
        {"result/turnover %",
         [](const BoxTally& t) { return Format("%.3f", ResultPerTurnover(t)); }},
        {"result/round units", [](const BoxTally& t) { return Format("%.5f", t.units.Mean()); }},
        {"  std. error", [](const BoxTally& t) { return Format("%.5f", t.units.StdErr()); }},
    };
    for (const auto& [label, cell] : rows) PrintRow(out, label, columns, cell);
    out << '\n';
    PrintAnalysis(out, options, report, columns);
    out << '\n';
    PrintHeader(out, "games by count", columns);
    PrintBucketRows(out, columns, true);
    out << '\n';
    PrintHeader(out, "result by count", columns);
    PrintBucketRows(out, columns, false);
}

void PrintJson(std::ostream& out, const SimOptions& options, const SimReport& report) {
    std::string json = "{";
    JsonField(json, "rounds", static_cast<uint64_t>(report.tally.rounds));
    JsonField(json, "seconds", report.seconds);
    JsonField(json, "rounds_per_second", RoundsPerSecond(report));
    JsonField(json, "seed", report.seed);
    if (!report.note.empty()) {
        json += "\"note\":";
        AppendJsonString(json, report.note);
        json += ',';
    }
    json += "\"boxes\":[";
    for (int box = 1; box <= options.boxes; ++box) {
        if (box > 1) json += ',';
        const BoxTally& t = report.tally.boxes[box - 1];
        json += JsonBox(t, box, AnalyseBox(t, options, report.seed, box), options);
    }
    json += "],\"total\":";
    json += JsonBox(report.tally.Total(), 0, AnalyseAllBoxes(report.tally, options, report.seed),
                    options);
    json += "}\n";
    out << json;
}

}  // namespace tavexo::sim
