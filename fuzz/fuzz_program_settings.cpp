// "Allgemein.ini" as the program reads it: whatever the file holds, every
// value lands within what the program can use, and saving the options and
// reading them back gives them unchanged.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "fuzz/fuzz_check.h"
#include "settings/settings_store.h"

namespace {

bool InRange(int32_t value, tavexo::DelayRange range) {
    return value >= range.min && value <= range.max;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tavexo;
    const std::string& folder = fuzz::ScratchFolder();
    const std::string path = folder + SETTINGS_FILE_NAME;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    const SettingsStore store(folder);
    TProgramSettings s = store.LoadSettings();
    FUZZ_CHECK(InRange(s.cardDelay, CARD_DELAY_RANGE));
    FUZZ_CHECK(InRange(s.roundDelay, ROUND_DELAY_RANGE));
    FUZZ_CHECK(InRange(s.actionTime, ACTION_TIME_RANGE));
    FUZZ_CHECK(s.rules.deckChoice >= 0 && s.rules.deckChoice <= 3);
    FUZZ_CHECK(s.rules.doubleChoice >= 0 && s.rules.doubleChoice <= 3);
    FUZZ_CHECK(s.training.deviationReaction >= 0 && s.training.deviationReaction <= 3);
    FUZZ_CHECK(s.training.betRampFactor >= 0 && s.training.betRampFactor <= 4);
    FUZZ_CHECK(s.training.insuranceChoice >= 0 && s.training.insuranceChoice <= 4);
    FUZZ_CHECK(s.training.betPause >= 0 && s.training.betPause <= 2);

    // The dialog's save over whatever the file held, then the next start.
    const TProgramOptions options = ProgramOptionsOf(s);
    if (store.SaveProgramOptions(s, options).ok) {
        const TProgramSettings again = store.LoadSettings();
        FUZZ_CHECK(again == s);
    }
    return 0;
}
