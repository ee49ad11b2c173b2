#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/program_settings.h"

namespace tavexo::sim {

// What a simulation is asked to do: the table rules, the robots' money and
// the run's size, as the command line gives them.
struct SimOptions {
    int64_t rounds = 100000;
    int boxes = 7;  // boxes 1..boxes are robots in play
    int decks = 8;
    int doubleChoice = 1;
    bool softDouble = true;
    bool splitAcesOneCard = true;
    bool surrender = true;
    int ramp = 4;       // betRampFactor
    int insurance = 0;  // insuranceChoice
    int32_t unit = 5;   // money per unit
    float capital = 1000000.0f;
    std::optional<uint64_t> seed;  // none: drawn from entropy and printed
    int threads = 1;
    std::string trace;  // empty: no trace
    bool json = false;
    // The analysis: a bankroll in units for the risk of ruin, the bankroll
    // trips drawn for its simulation, and the rounds played an hour.
    std::optional<double> bankroll;
    uint64_t rorTrips = 1000;
    double handsPerHour = 100.0;
    // Play through the table engine, as the table window does, rather than
    // through the robot rounds (same output, slower; for comparison).
    bool tableEngine = false;
    bool help = false;
};

// The largest capital and unit whose sums a 32-bit float (the engine's
// money) still holds to the half unit over a block of rounds.
inline constexpr double MAX_CAPITAL = 4000000.0;
inline constexpr int32_t MAX_UNIT = 1000;
inline constexpr int MAX_THREADS = 256;
inline constexpr int64_t MAX_ROUNDS = 1000000000000LL;
inline constexpr double MAX_BANKROLL = 1000000.0;
inline constexpr uint64_t MAX_ROR_TRIPS = 10000000;

struct ParsedOptions {
    SimOptions options;
    std::string error;  // one line; empty when the options are good
};

// Parses the arguments after the program name. Both "--rounds 5" and
// "--rounds=5" are understood.
ParsedOptions ParseOptions(const std::vector<std::string>& args);

std::string UsageText();

// The table settings of a simulation: robots only, no delays, no sounds.
TProgramSettings SettingsOf(const SimOptions& options);

// "8 decks, double 9-11, soft double, ..." for the summary's head line.
std::string RulesText(const SimOptions& options);

}  // namespace tavexo::sim
