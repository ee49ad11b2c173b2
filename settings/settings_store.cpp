#include "settings/settings_store.h"

#include <string>

#include "settings/ini_file.h"

namespace tavexo {

namespace {

// Item counts of the choices; a stored index outside them would pick a table
// entry that does not exist.
constexpr int32_t DECK_CHOICES = 4;
constexpr int32_t DOUBLE_CHOICES = 4;
constexpr int32_t REACTION_CHOICES = 4;
constexpr int32_t FACTOR_CHOICES = 5;
constexpr int32_t INSURANCE_CHOICES = 5;
constexpr int32_t PAUSE_CHOICES = 3;

const char* const SOUND_KEYS[SOUND_CUE_COUNT] = {"0", "1", "2", "3", "4", "5"};

int32_t ReadChoice(const IniFile& ini, const char* section, const char* key, int32_t fallback,
                   int32_t count) {
    const int32_t value = ini.ReadInt(section, key, fallback);
    return value >= 0 && value < count ? value : fallback;
}

// A delay outside what the options dialog offers reads as the default, so
// that the waits the table derives from it (the round delay plus five
// seconds after a failed stake check) stay small numbers of milliseconds.
int32_t ReadDelay(const IniFile& ini, const char* key, int32_t fallback, DelayRange range) {
    const int32_t value = ini.ReadInt("Verzögerung", key, fallback);
    return value >= range.min && value <= range.max ? value : fallback;
}

std::string Flag(bool on) {
    return on ? "1" : "0";
}

}  // namespace

TProgramOptions ProgramOptionsOf(const TProgramSettings& settings) {
    TProgramOptions options;
    options.soundCues = settings.soundCues;
    options.noRobotSound = settings.noRobotSound;
    options.splitAcesOneCard = settings.rules.splitAcesOneCard;
    options.noSurrender = settings.rules.noSurrender;
    options.softDouble = settings.rules.softDouble;
    options.cardDelay = settings.cardDelay;
    options.actionTime = settings.actionTime;
    options.roundDelay = settings.roundDelay;
    options.deckChoice = settings.rules.deckChoice;
    options.doubleChoice = settings.rules.doubleChoice;
    return options;
}

SettingsStore::SettingsStore(const std::string& settingsFolder, const FileCalls& calls)
    : path_(settingsFolder + SETTINGS_FILE_NAME), calls_(&calls) {}

TProgramSettings SettingsStore::LoadSettings() const {
    // The defaults of the record are those of a first start without a file.
    TProgramSettings s;
    const IniFile ini(path_);
    if (!ini.Exists()) return s;

    for (int i = 0; i < SOUND_CUE_COUNT; ++i) {
        s.soundCues[i] = ini.ReadBool("Ablauftöne", SOUND_KEYS[i], true);
    }
    // Unlike every other key, this one defaults differently when the file
    // exists: true here, false on a first start.
    s.noRobotSound = ini.ReadBool("Ablauftöne", "RobotTon", true);
    s.training.trainingMode = ini.ReadBool("Training", "go", false);
    s.training.showCounts = ini.ReadBool("Strategie", "CountAnzeige", true);
    s.training.showStrategicBet = ini.ReadBool("Strategie", "EinsatzAnzeige", true);
    s.training.deviationSound = ini.ReadBool("Training", "sound", true);
    s.training.insuranceChoice = ReadChoice(ini, "Strategie", "Versichern", 0, INSURANCE_CHOICES);
    s.training.betPause = ReadChoice(ini, "Strategie", "Setzpause", 0, PAUSE_CHOICES);
    s.hidePassive = ini.ReadBool("Ansicht", "HidePassive", false);
    s.cardDelay = ReadDelay(ini, "1", s.cardDelay, CARD_DELAY_RANGE);
    s.actionTime = ReadDelay(ini, "2", s.actionTime, ACTION_TIME_RANGE);
    s.roundDelay = ReadDelay(ini, "3", s.roundDelay, ROUND_DELAY_RANGE);
    s.rules.deckChoice = ReadChoice(ini, "Regeln", "Decks", 3, DECK_CHOICES);
    s.rules.splitAcesOneCard = ini.ReadBool("Regeln", "AsseTeilen", true);
    s.rules.softDouble = ini.ReadBool("Regeln", "AsVerdoppeln", true);
    s.rules.noSurrender = ini.ReadBool("Regeln", "Aufgeben", false);
    s.rules.doubleChoice = ReadChoice(ini, "Regeln", "Verdoppeln", 1, DOUBLE_CHOICES);
    s.training.deviationReaction = ReadChoice(ini, "Strategie", "Modus", 0, REACTION_CHOICES);
    s.training.betRampFactor = ReadChoice(ini, "Strategie", "Faktor", 4, FACTOR_CHOICES);
    return s;
}

FileResult SettingsStore::SaveProgramOptions(TProgramSettings& settings,
                                             const TProgramOptions& o) const {
    std::vector<IniEntry> entries;
    for (int i = 0; i < SOUND_CUE_COUNT; ++i) {
        entries.push_back({"Ablauftöne", SOUND_KEYS[i], Flag(o.soundCues[i])});
    }
    entries.push_back({"Ablauftöne", "RobotTon", Flag(o.noRobotSound)});
    entries.push_back({"Regeln", "AsseTeilen", Flag(o.splitAcesOneCard)});
    entries.push_back({"Regeln", "Aufgeben", Flag(o.noSurrender)});
    entries.push_back({"Regeln", "AsVerdoppeln", Flag(o.softDouble)});
    entries.push_back({"Verzögerung", "1", std::to_string(o.cardDelay)});
    entries.push_back({"Verzögerung", "2", std::to_string(o.actionTime)});
    entries.push_back({"Verzögerung", "3", std::to_string(o.roundDelay)});
    entries.push_back({"Regeln", "Decks", std::to_string(o.deckChoice)});
    entries.push_back({"Regeln", "Verdoppeln", std::to_string(o.doubleChoice)});

    // All keys go to the file in one replacement: either every key is
    // stored or none is.
    IniFile ini(path_);
    if (const int error = ini.Write(entries, *calls_); error != 0)
        return WriteFailure(path_, error);

    settings.soundCues = o.soundCues;
    settings.noRobotSound = o.noRobotSound;
    settings.rules.splitAcesOneCard = o.splitAcesOneCard;
    settings.rules.softDouble = o.softDouble;
    settings.rules.noSurrender = o.noSurrender;
    settings.cardDelay = o.cardDelay;
    settings.actionTime = o.actionTime;
    settings.roundDelay = o.roundDelay;
    settings.rules.deckChoice = o.deckChoice;
    settings.rules.doubleChoice = o.doubleChoice;
    return {};
}

FileResult SettingsStore::WriteKey(const char* section, const char* key, int32_t value) const {
    IniFile ini(path_);
    if (const int error = ini.Write(section, key, std::to_string(value), *calls_); error != 0) {
        return WriteFailure(path_, error);
    }
    return {};
}

FileResult SettingsStore::SaveTrainingMode(TProgramSettings& settings, bool on) const {
    return SaveOne("Training", "go", on, settings.training.trainingMode);
}

FileResult SettingsStore::SaveDeviationSound(TProgramSettings& settings, bool on) const {
    return SaveOne("Training", "sound", on, settings.training.deviationSound);
}

FileResult SettingsStore::SaveShowCounts(TProgramSettings& settings, bool on) const {
    return SaveOne("Strategie", "CountAnzeige", on, settings.training.showCounts);
}

FileResult SettingsStore::SaveShowStrategicBet(TProgramSettings& settings, bool on) const {
    return SaveOne("Strategie", "EinsatzAnzeige", on, settings.training.showStrategicBet);
}

FileResult SettingsStore::SaveDeviationReaction(TProgramSettings& settings, int32_t choice) const {
    return SaveOne("Strategie", "Modus", choice, settings.training.deviationReaction);
}

FileResult SettingsStore::SaveBetRampFactor(TProgramSettings& settings, int32_t choice) const {
    return SaveOne("Strategie", "Faktor", choice, settings.training.betRampFactor);
}

FileResult SettingsStore::SaveBetPause(TProgramSettings& settings, int32_t choice) const {
    return SaveOne("Strategie", "Setzpause", choice, settings.training.betPause);
}

FileResult SettingsStore::SaveInsuranceChoice(TProgramSettings& settings, int32_t choice) const {
    return SaveOne("Strategie", "Versichern", choice, settings.training.insuranceChoice);
}

FileResult SettingsStore::SaveHidePassive(TProgramSettings& settings, bool on) const {
    return SaveOne("Ansicht", "HidePassive", on, settings.hidePassive);
}

}  // namespace tavexo
