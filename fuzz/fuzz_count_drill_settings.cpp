// "Counttrai.ini": whatever the file holds, every value lands within its
// control's range, and saving and reading back gives the same settings.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "fuzz/fuzz_check.h"
#include "settings/count_drill_settings.h"

namespace {

bool Same(const tavexo::TCountDrillSettings& a, const tavexo::TCountDrillSettings& b) {
    return a.placeActive == b.placeActive && a.cardDelay == b.cardDelay &&
           a.playerDelay == b.playerDelay && a.clearPause == b.clearPause && a.decks == b.decks &&
           a.displayGroups == b.displayGroups && a.announcement == b.announcement;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tavexo;
    const std::string& folder = fuzz::ScratchFolder();
    std::ofstream(folder + COUNT_DRILL_FILE_NAME, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    const TCountDrillSettings s = LoadCountDrillSettings(folder);
    FUZZ_CHECK(s.cardDelay >= 0 && s.cardDelay <= 20);
    FUZZ_CHECK(s.playerDelay >= 0 && s.playerDelay <= 100);
    FUZZ_CHECK(s.clearPause >= 0 && s.clearPause <= 200);
    FUZZ_CHECK(s.decks >= 1 && s.decks <= 8);
    FUZZ_CHECK(s.announcement >= 0 && s.announcement <= 2);
    if (SaveCountDrillSettings(folder, s).ok) FUZZ_CHECK(Same(LoadCountDrillSettings(folder), s));
    return 0;
}
