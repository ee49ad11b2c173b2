// "Spieler.tvxo": any 1864 bytes or more decode to profiles whose money lies
// within the profiles dialog's ranges, decode -> encode -> decode is stable,
// and the profiles, played by robots for a few rounds, never put a box below
// zero and keep every box's money balanced.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/table.h"
#include "fuzz/fuzz_check.h"
#include "settings/profiles.h"
#include "sim/headless_host.h"
#include "strategy/table_strategy.h"

namespace {

using namespace tavexo;

constexpr int ROUNDS = 12;

// Adds up each box's results and stops the run after a few rounds.
struct MoneyBook : TableObserver {
    Table* table = nullptr;
    std::array<double, BOX_COUNT> results{};
    void BoxSettled(int box, float result, float) override {
        results[box - 1] += result;
        FUZZ_CHECK(std::isfinite(result));
        if (table->State().roundNumber >= ROUNDS) table->StopRun();
    }
};

void PlayRobotRounds(const TProfileFile& profiles, uint8_t rules) {
    TProgramSettings settings;
    settings.cardDelay = 0;
    settings.roundDelay = 0;
    settings.rules.deckChoice = rules & 3;
    settings.rules.doubleChoice = (rules >> 2) & 3;
    settings.rules.splitAcesOneCard = (rules & 16) != 0;
    settings.rules.noSurrender = (rules & 32) != 0;
    settings.training.insuranceChoice = (rules >> 6) & 3;
    sim::HeadlessHost host;
    Table table(settings, host, ShoeShuffler(rules));
    TableStrategy strategy(table);
    std::array<float, BOX_COUNT> start{};
    for (int box = 1; box <= BOX_COUNT; ++box) {
        BoxProfile profile = BoxProfileOf(profiles, box);
        profile.robot = true;  // a human box would wait for clicks
        table.ApplyProfile(box, profile);
        start[box - 1] = table.Box(box).capital;
    }
    MoneyBook book;
    book.table = &table;
    table.SetObserver(&book);
    table.StartRun();
    for (int box = 1; box <= BOX_COUNT; ++box) {
        const TPlayerBox& b = table.Box(box);
        FUZZ_CHECK(b.capital >= 0.0f);
        FUZZ_CHECK(std::fabs(b.capital - (start[box - 1] + book.results[box - 1])) < 0.01);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TProfileFile profiles;
    if (!DecodeProfiles(bytes, profiles)) {
        FUZZ_CHECK(size < PROFILE_FILE_SIZE);
        FUZZ_CHECK(profiles == TProfileFile{});
        return 0;
    }
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        FUZZ_CHECK(profiles.unitValue[i] >= MIN_UNIT_VALUE &&
                   profiles.unitValue[i] <= MAX_UNIT_VALUE);
        FUZZ_CHECK(profiles.capital[i] >= MIN_PROFILE_CAPITAL &&
                   profiles.capital[i] <= MAX_PROFILE_CAPITAL);
        FUZZ_CHECK(profiles.playerKind[i] == PLAYER_HUMAN ||
                   profiles.playerKind[i] == PLAYER_ROBOT);
    }
    const std::string encoded = EncodeProfiles(profiles);
    FUZZ_CHECK(encoded.size() == PROFILE_FILE_SIZE);
    TProfileFile again;
    FUZZ_CHECK(DecodeProfiles(encoded, again));
    FUZZ_CHECK(again == profiles);
    FUZZ_CHECK(EncodeProfiles(again) == encoded);

    PlayRobotRounds(profiles, size > PROFILE_FILE_SIZE ? data[PROFILE_FILE_SIZE] : 0);
    return 0;
}
