#include "sim/sim_options.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <map>

#include "engine/shoe.h"
#include "engine/table_state.h"

namespace tavexo::sim {

namespace {

// Whole-string parses: "12x", "" and " 12" are not numbers.
template <typename T>
bool ParseWhole(const std::string& text, T& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

// An argument as a message quotes it: on one line whatever it holds (a
// control character as \xNN), and cut after 60 bytes.
std::string Quoted(const std::string& text) {
    constexpr size_t LIMIT = 60;
    static const char digits[] = "0123456789abcdef";
    std::string quoted = "\"";
    for (size_t i = 0; i < text.size() && i < LIMIT; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || byte == 0x7F) {
            quoted += "\\x";
            quoted += digits[byte >> 4];
            quoted += digits[byte & 0xF];
        } else {
            quoted += text[i];
        }
    }
    if (text.size() > LIMIT) quoted += "...";
    return quoted + "\"";
}

std::string RangeError(const std::string& name, const std::string& allowed,
                       const std::string& value) {
    return "tavexo-sim: " + name + " must be " + allowed + ", not " + Quoted(value) +
           " (see --help)";
}

template <typename T>
std::string ParseInRange(const std::string& name, const std::string& value, T low, T high, T& out) {
    T parsed{};
    if (!ParseWhole(value, parsed) || parsed < low || parsed > high) {
        return RangeError(
            name, "a whole number from " + std::to_string(low) + " to " + std::to_string(high),
            value);
    }
    out = parsed;
    return {};
}

const char* DoubleRuleText(int choice) {
    switch (choice) {
        case 0:
            return "double any two cards";
        case 1:
            return "double 9-11";
        case 2:
            return "double 10-11";
        default:
            return "double 11";
    }
}

const char* RampText(int ramp) {
    static const char* const texts[] = {"flat", "max 2x", "max 4x", "0.5 x count", "1 x count"};
    return texts[ramp];
}

}  // namespace

ParsedOptions ParseOptions(const std::vector<std::string>& args) {
    ParsedOptions parsed;
    SimOptions& o = parsed.options;

    using Setter = std::function<std::string(const std::string& name, const std::string& value)>;
    const std::map<std::string, Setter> valued = {
        {"--rounds",
         [&](const std::string& n, const std::string& v) {
             return ParseInRange<int64_t>(n, v, 1, MAX_ROUNDS, o.rounds);
         }},
        {"--boxes",
         [&](const std::string& n, const std::string& v) {
             return ParseInRange(n, v, 1, BOX_COUNT, o.boxes);
         }},
        {"--decks",
         [&](const std::string& n, const std::string& v) {
             int decks = 0;
             if (!ParseWhole(v, decks) ||
                 std::find(DECK_COUNTS.begin(), DECK_COUNTS.end(), decks) == DECK_COUNTS.end()) {
                 return RangeError(n, "1, 4, 6 or 8", v);
             }
             o.decks = decks;
             return std::string();
         }},
        {"--double",
         [&](const std::string& n, const std::string& v) {
             return ParseInRange(n, v, 0, 3, o.doubleChoice);
         }},
        {"--ramp", [&](const std::string& n,
                       const std::string& v) { return ParseInRange(n, v, 0, 4, o.ramp); }},
        {"--insurance",
         [&](const std::string& n, const std::string& v) {
             return ParseInRange(n, v, 0, 4, o.insurance);
         }},
        {"--unit",
         [&](const std::string& n, const std::string& v) {
             return ParseInRange<int32_t>(n, v, 1, MAX_UNIT, o.unit);
         }},
        {"--capital",
         [&](const std::string& n, const std::string& v) {
             double capital = 0.0;
             if (!ParseWhole(v, capital) || !std::isfinite(capital) || capital < 1.0 ||
                 capital > MAX_CAPITAL) {
                 return RangeError(n, "an amount from 1 to 4000000", v);
             }
             o.capital = static_cast<float>(capital);
             return std::string();
         }},
        {"--seed",
         [&](const std::string& n, const std::string& v) {
             uint64_t seed = 0;
             if (!ParseWhole(v, seed)) return RangeError(n, "a whole number of 0 or more", v);
             o.seed = seed;
             return std::string();
         }},
        {"--threads",
         [&](const std::string& n, const std::string& v) {
             return ParseInRange(n, v, 1, MAX_THREADS, o.threads);
         }},
        {"--bankroll",
         [&](const std::string& n, const std::string& v) {
             double bankroll = 0.0;
             if (!ParseWhole(v, bankroll) || !std::isfinite(bankroll) || bankroll < 1.0 ||
                 bankroll > MAX_BANKROLL) {
                 return RangeError(n, "a number of units from 1 to 1000000", v);
             }
             o.bankroll = bankroll;
             return std::string();
         }},
        {"--ror-trips",
         [&](const std::string& n, const std::string& v) {
             return ParseInRange<uint64_t>(n, v, 0, MAX_ROR_TRIPS, o.rorTrips);
         }},
        {"--hands-per-hour",
         [&](const std::string& n, const std::string& v) {
             double hands = 0.0;
             if (!ParseWhole(v, hands) || !std::isfinite(hands) || hands <= 0.0 ||
                 hands > 10000.0) {
                 return RangeError(n, "a number of rounds above 0, up to 10000", v);
             }
             o.handsPerHour = hands;
             return std::string();
         }},
        {"--trace",
         [&](const std::string& n, const std::string& v) {
             if (v.empty()) return RangeError(n, "a file name", v);
             o.trace = v;
             return std::string();
         }},
    };
    const std::map<std::string, bool*> flags = {
        {"--no-soft-double", &o.softDouble},
        {"--no-split-aces-one-card", &o.splitAcesOneCard},
        {"--no-surrender", &o.surrender},
    };

    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (const size_t eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        if (name == "--help" || name == "-h") {
            o.help = true;
            continue;
        }
        if (name == "--json" || name == "--table-engine" || flags.count(name) > 0) {
            if (value) {
                parsed.error = "tavexo-sim: " + name + " takes no value (see --help)";
                return parsed;
            }
            if (name == "--json") {
                o.json = true;
            } else if (name == "--table-engine") {
                o.tableEngine = true;
            } else {
                *flags.at(name) = false;
            }
            continue;
        }
        const auto setter = valued.find(name);
        if (setter == valued.end()) {
            parsed.error = "tavexo-sim: unknown option " + Quoted(args[i]) + " (see --help)";
            return parsed;
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                parsed.error = "tavexo-sim: " + name + " needs a value (see --help)";
                return parsed;
            }
            value = args[++i];
        }
        parsed.error = setter->second(name, *value);
        if (!parsed.error.empty()) return parsed;
    }
    if (o.capital < static_cast<float>(o.unit)) {
        parsed.error = "tavexo-sim: --capital must be at least one unit (" +
                       std::to_string(o.unit) + ") (see --help)";
    }
    return parsed;
}

std::string UsageText() {
    return R"(Usage: tavexo-sim [options]
Plays robot boxes through the table engine at full speed and prints what the
bet ramp and the rules are worth.

  --rounds N                 rounds to play (100000)
  --boxes N                  robot boxes 1..N in play, 1..7 (7)
  --decks 1|4|6|8            decks in the shoe (8)
  --double 0..3              doubling: 0 any two cards, 1 on 9-11, 2 on 10-11,
                             3 on 11 only (1)
  --no-soft-double           no doubling of soft hands
  --no-split-aces-one-card   split aces are played on like other pairs
  --no-surrender             no surrender
  --ramp 0..4                bet ramp: 0 flat, 1 max 2x, 2 max 4x, 3 half the
                             count, 4 the count (4)
  --insurance 0..4           insure above a count of 3, 5, 7, 10, or 4 never (0)
  --unit V                   money per unit, 1..1000 (5)
  --capital C                starting capital per box, up to 4000000 (1000000)
  --seed S                   fixed seed (default: drawn from entropy, printed)
  --threads N                tables played in parallel (1)
  --trace FILE               write every shoe and settled box-round as JSON Lines
  --bankroll B               bankroll in units for the risk of ruin, per box and
                             for all boxes together (none)
  --ror-trips N              bankroll trips drawn from the results to simulate
                             the risk of ruin, 0 for none (1000)
  --hands-per-hour H         rounds played an hour, for the win and spread an
                             hour (100)
  --json                     print the summary as one JSON object
  --table-engine             play through the table engine of the table window
                             instead of the simulator's robot rounds (same
                             output to the byte, slower; for comparison)
  --help                     this text

Every 10000 rounds form one block, played by a table of its own with its own
seed (derived from --seed) and a fresh capital, so the output depends on the
seed and options only, never on --threads. Exit codes: 0 done, 1 a run error,
2 bad options.
)";
}

TProgramSettings SettingsOf(const SimOptions& o) {
    TProgramSettings s;
    const auto deck = std::find(DECK_COUNTS.begin(), DECK_COUNTS.end(), o.decks);
    s.rules.deckChoice = static_cast<int32_t>(deck - DECK_COUNTS.begin());
    s.rules.doubleChoice = o.doubleChoice;
    s.rules.softDouble = o.softDouble;
    s.rules.splitAcesOneCard = o.splitAcesOneCard;
    s.rules.noSurrender = !o.surrender;
    s.training.trainingMode = false;
    s.training.betRampFactor = o.ramp;
    s.training.insuranceChoice = o.insurance;
    s.soundCues.fill(false);
    s.noRobotSound = true;
    s.cardDelay = 0;
    s.roundDelay = 0;
    return s;
}

std::string RulesText(const SimOptions& o) {
    std::string text = std::to_string(o.decks) + (o.decks == 1 ? " deck, " : " decks, ");
    text += DoubleRuleText(o.doubleChoice);
    text += o.softDouble ? ", soft double" : ", no soft double";
    text += o.splitAcesOneCard ? ", split aces one card" : ", split aces played on";
    text += o.surrender ? ", surrender" : ", no surrender";
    text += ", ramp ";
    text += RampText(o.ramp);
    static const char* const insure[] = {"3", "5", "7", "10", "never"};
    text += ", insure ";
    text += o.insurance == 4 ? "never" : std::string("above ") + insure[o.insurance];
    return text;
}

}  // namespace tavexo::sim
