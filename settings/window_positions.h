#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/file_io.h"

namespace tavexo {

inline constexpr size_t WINDOW_POSITIONS_FILE_SIZE = 84;
inline constexpr const char* WINDOW_POSITIONS_FILE_NAME = "Hauptfenster.tvxo";

// Where a frame sits inside the table area, in pixels.
struct TFramePlace {
    int32_t left = 0;
    int32_t top = 0;

    bool operator==(const TFramePlace&) const = default;
};

// The arrangement "Positionen speichern" stores: the seven box frames
// (index 0 for box 1) and the dealer frame relative to the table area, the
// window's outer bounds on the screen and the window-size slider (1 to 7).
struct TWindowPositions {
    std::array<TFramePlace, 7> boxes{};
    TFramePlace dealer;
    int32_t windowWidth = 0;
    int32_t windowHeight = 0;
    int32_t windowLeft = 0;
    int32_t windowTop = 0;
    int32_t sliderPosition = 0;

    bool operator==(const TWindowPositions&) const = default;
};

// The 84 bytes of "Hauptfenster.tvxo"; see docs/file-formats.md.
std::string EncodeWindowPositions(const TWindowPositions& positions);
// Reads the first 84 bytes; false (and `positions` untouched) when there are fewer.
bool DecodeWindowPositions(std::string_view bytes, TWindowPositions& positions);

struct LoadedWindowPositions {
    TWindowPositions positions;
    // Filled from the file; otherwise the table window uses its default layout.
    bool positionsLoaded = false;
};

// A missing, short or unreadable file is not loaded.
LoadedWindowPositions LoadWindowPositions(const std::string& settingsFolder);

// Replaces the file safely; a failure leaves the old file as it was and gives
// the message of WriteFailure().
FileResult SaveWindowPositions(const TWindowPositions& positions, const std::string& settingsFolder,
                               const FileCalls& calls = SystemFileCalls());

}  // namespace tavexo
