#pragma once

#include "settings/program_settings.h"

namespace tavexo {

// The nine sounds of the table and the counting drill.
enum class Sound { Bj, Card, Coin1, Coin2, Minus, Mischen, Null, Piep, Plus };

// The resource name of a sound, lower case: "bj", "card", ..., "mischen".
const char* SoundName(Sound sound);

// The six switchable cues of the options dialog, in their item order.
enum class Cue { Einsatz = 0, Mischen, KarteGeben, BlackJack, Auszahlung, Zeitablauf };

enum class CueSource { Table, Box, RobotBox };

// Whether a cue sounds: its switch must be on, and a box cue of a robot box
// stays silent while "Kein Sound für Robot" is on.
inline bool CueAllowed(const TProgramSettings& settings, Cue cue, CueSource source) {
    if (!settings.soundCues[static_cast<int>(cue)]) return false;
    return !(source == CueSource::RobotBox && settings.noRobotSound);
}

}  // namespace tavexo
