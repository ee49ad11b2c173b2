#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/file_io.h"

namespace tavexo {

// A player profile as the boxes take it over.
struct BoxProfile {
    std::string name;
    bool active = true;
    bool robot = false;
    float capital = 1000.0f;
    int32_t unitValue = 5;
};

inline constexpr int PROFILE_COUNT = 7;
inline constexpr size_t PROFILE_FILE_SIZE = 1864;
inline constexpr const char* PROFILE_FILE_NAME = "Spieler.tvxo";
inline constexpr int MAX_PROFILE_NAME_BYTES = 255;

// What the profiles dialog lets the user enter: the money per unit
// ("Stückgröße") and the starting capital ("Spielkapital"). A stored value
// outside these ranges (a hand-edited file) reads as the default, so that no
// stake can overflow or go negative.
inline constexpr int32_t MIN_UNIT_VALUE = 1;
inline constexpr int32_t MAX_UNIT_VALUE = 50;
inline constexpr int32_t DEFAULT_UNIT_VALUE = 5;
inline constexpr float MIN_PROFILE_CAPITAL = 100.0f;
inline constexpr float MAX_PROFILE_CAPITAL = 10000.0f;
inline constexpr float DEFAULT_PROFILE_CAPITAL = 1000.0f;

inline constexpr std::array<const char*, PROFILE_COUNT> DEFAULT_PLAYER_NAMES = {
    "Fritzi", "Uwe", "Carmen", "Thomas", "Peter", "Andrea", "Mattes"};

enum PlayerKind : uint8_t { PLAYER_HUMAN = 0, PLAYER_ROBOT = 1 };

// The seven player profiles, index 0 for box 1. Names are UTF-8 here and
// Windows-1252 in the file.
struct TProfileFile {
    std::array<bool, PROFILE_COUNT> active;
    std::array<std::string, PROFILE_COUNT> names;
    std::array<uint8_t, PROFILE_COUNT> playerKind;
    std::array<float, PROFILE_COUNT> capital;
    std::array<int32_t, PROFILE_COUNT> unitValue;

    // Every box active and human, 1000.0 capital, 5 per unit, the default names.
    TProfileFile();

    bool operator==(const TProfileFile&) const = default;
};

// The 1864 bytes of "Spieler.tvxo"; see docs/file-formats.md. A name that
// Windows-1252 cannot hold in 255 bytes is cut there.
std::string EncodeProfiles(const TProfileFile& profiles);

// Reads the first 1864 bytes; false (and `profiles` untouched) when there are
// fewer. A player kind other than robot reads as human; a capital outside
// 100..10000 (or not a number) reads as 1000.0 and a unit value outside 1..50
// as 5, each field on its own, so that a damaged file cannot put nonsense on
// the table.
bool DecodeProfiles(std::string_view bytes, TProfileFile& profiles);

// The profiles from settingsFolder + "Spieler.tvxo"; the defaults when the
// file is missing, shorter than a record or cannot be read. Nothing is
// written.
TProfileFile LoadProfiles(const std::string& settingsFolder);

// Replaces "Spieler.tvxo" safely; a failure leaves the old file as it was and
// gives the message of WriteFailure().
FileResult SaveProfileFile(const TProfileFile& profiles, const std::string& settingsFolder,
                           const FileCalls& calls = SystemFileCalls());

// What box `box` (1..7) takes over from its profile.
BoxProfile BoxProfileOf(const TProfileFile& profiles, int box);

}  // namespace tavexo
