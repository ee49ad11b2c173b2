#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "settings/file_io.h"
#include "settings/program_settings.h"

namespace tavexo {

inline constexpr const char* SETTINGS_FILE_NAME = "Allgemein.ini";

// The values the options dialog saves in one go.
struct TProgramOptions {
    std::array<bool, SOUND_CUE_COUNT> soundCues = {true, true, true, true, true, true};
    bool noRobotSound = false;
    bool splitAcesOneCard = true;
    bool noSurrender = false;
    bool softDouble = true;
    int32_t cardDelay = 10;
    int32_t actionTime = 150;
    int32_t roundDelay = 50;
    int32_t deckChoice = 3;
    int32_t doubleChoice = 1;
};

// The options as they stand, to fill the dialog with.
TProgramOptions ProgramOptionsOf(const TProgramSettings& settings);

// "Allgemein.ini" in the settings folder. Every writer stores its keys first
// and changes the settings in memory only when the file has taken them, so a
// failed write leaves `settings` as it was; the result then carries the
// message of WriteFailure().
class SettingsStore {
  public:
    explicit SettingsStore(const std::string& settingsFolder,
                           const FileCalls& calls = SystemFileCalls());

    const std::string& Path() const { return path_; }

    // The settings from the file, or the first-start defaults when there is
    // none. A choice or delay that the program cannot use (a hand-edited
    // "Decks" of 7, a negative delay) reads as the key's default.
    TProgramSettings LoadSettings() const;

    // The options dialog's "Speichern".
    FileResult SaveProgramOptions(TProgramSettings& settings, const TProgramOptions& options) const;

    // The training centre's controls, one key each.
    FileResult SaveTrainingMode(TProgramSettings& settings, bool on) const;
    FileResult SaveDeviationSound(TProgramSettings& settings, bool on) const;
    FileResult SaveShowCounts(TProgramSettings& settings, bool on) const;
    FileResult SaveShowStrategicBet(TProgramSettings& settings, bool on) const;
    FileResult SaveDeviationReaction(TProgramSettings& settings, int32_t choice) const;
    FileResult SaveBetRampFactor(TProgramSettings& settings, int32_t choice) const;
    FileResult SaveBetPause(TProgramSettings& settings, int32_t choice) const;
    FileResult SaveInsuranceChoice(TProgramSettings& settings, int32_t choice) const;

    // The profiles dialog's "Nicht aktive Spieler ausblenden".
    FileResult SaveHidePassive(TProgramSettings& settings, bool on) const;

  private:
    FileResult WriteKey(const char* section, const char* key, int32_t value) const;
    // Writes one key and sets the field it fills only once the key is stored.
    template <class T>
    FileResult SaveOne(const char* section, const char* key, T value, T& field) const {
        FileResult result = WriteKey(section, key, static_cast<int32_t>(value));
        if (result.ok) field = value;
        return result;
    }

    std::string path_;
    const FileCalls* calls_;
};

}  // namespace tavexo
