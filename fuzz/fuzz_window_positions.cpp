// "Hauptfenster.tvxo": any 84 bytes or more decode, and encode back to
// exactly their first 84 bytes; fewer are refused and change nothing.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "settings/window_positions.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tavexo;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TWindowPositions positions;
    positions.sliderPosition = 3;
    const TWindowPositions before = positions;
    const bool read = DecodeWindowPositions(bytes, positions);
    FUZZ_CHECK(read == (size >= WINDOW_POSITIONS_FILE_SIZE));
    if (!read) {
        FUZZ_CHECK(positions == before);
        return 0;
    }
    FUZZ_CHECK(EncodeWindowPositions(positions) == bytes.substr(0, WINDOW_POSITIONS_FILE_SIZE));
    return 0;
}
