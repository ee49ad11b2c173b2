#include "sim/summary.h"

#include "sim/trace_writer.h"

#include <cstdio>
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

std::string JsonBox(const BoxTally& t, int box) {
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
        json += JsonBox(report.tally.boxes[box - 1], box);
    }
    json += "],\"total\":";
    json += JsonBox(report.tally.Total(), 0);
    json += "}\n";
    out << json;
}

}  // namespace tavexo::sim
