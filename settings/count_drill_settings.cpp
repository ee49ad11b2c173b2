#include "settings/count_drill_settings.h"

#include <vector>

#include "settings/ini_file.h"
#include "settings/settings_store.h"

namespace tavexo {

namespace {

int32_t ReadInRange(const IniFile& ini, const std::string& key, int32_t fallback, int32_t low,
                    int32_t high) {
    const int32_t value = ini.ReadInt("Intens", key, fallback);
    return value >= low && value <= high ? value : fallback;
}

}  // namespace

TCountDrillSettings LoadCountDrillSettings(const std::string& trainingFolder) {
    TCountDrillSettings s;
    const IniFile ini(trainingFolder + COUNT_DRILL_FILE_NAME);
    for (int i = 0; i < DRILL_PLACE_COUNT; ++i) {
        s.placeActive[i] = ini.ReadBool("Intens", "Boxaktiv" + std::to_string(i + 1), true);
    }
    s.cardDelay = ReadInRange(ini, "Zeit1", s.cardDelay, 0, 20);
    s.playerDelay = ReadInRange(ini, "Zeit2", s.playerDelay, 0, 100);
    s.clearPause = ReadInRange(ini, "Zeit3", s.clearPause, 0, 200);
    s.decks = ReadInRange(ini, "Zeit4", s.decks, 1, 8);
    for (int i = 0; i < DRILL_DISPLAY_GROUP_COUNT; ++i) {
        s.displayGroups[i] = ini.ReadBool("Hilfe", "Kontrolle" + std::to_string(i + 1), false);
    }
    const int32_t announcement = ini.ReadInt("Hilfe", "Ansage", 0);
    s.announcement = announcement >= 0 && announcement <= 2 ? announcement : 0;
    const int32_t checkMode = ini.ReadInt("Abfrage", "Modus", 0);
    s.checkMode = checkMode >= 0 && checkMode <= 2 ? checkMode : 0;
    s.checkRelative = ini.ReadBool("Abfrage", "WahrerCount", false);
    return s;
}

FileResult SaveCountDrillSettings(const std::string& trainingFolder, const TCountDrillSettings& s,
                                  const FileCalls& calls) {
    std::vector<IniEntry> entries;
    for (int i = 0; i < DRILL_PLACE_COUNT; ++i) {
        entries.push_back(
            {"Intens", "Boxaktiv" + std::to_string(i + 1), s.placeActive[i] ? "1" : "0"});
    }
    const int32_t times[] = {s.cardDelay, s.playerDelay, s.clearPause, s.decks};
    for (int i = 0; i < 4; ++i) {
        entries.push_back({"Intens", "Zeit" + std::to_string(i + 1), std::to_string(times[i])});
    }
    for (int i = 0; i < DRILL_DISPLAY_GROUP_COUNT; ++i) {
        entries.push_back(
            {"Hilfe", "Kontrolle" + std::to_string(i + 1), s.displayGroups[i] ? "1" : "0"});
    }
    entries.push_back({"Hilfe", "Ansage", std::to_string(s.announcement)});
    entries.push_back({"Abfrage", "Modus", std::to_string(s.checkMode)});
    entries.push_back({"Abfrage", "WahrerCount", s.checkRelative ? "1" : "0"});

    const std::string path = trainingFolder + COUNT_DRILL_FILE_NAME;
    IniFile ini(path);
    if (const int error = ini.Write(entries, calls); error != 0) return WriteFailure(path, error);
    return {};
}

}  // namespace tavexo
