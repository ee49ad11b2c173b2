#include "settings/window_positions.h"

#include <vector>

namespace tavexo {

namespace {

// The record is a row of 21 little-endian 32-bit integers; these are the
// fields in file order.
std::vector<int32_t*> FieldsInFileOrder(TWindowPositions& p) {
    std::vector<int32_t*> fields;
    for (TFramePlace& box : p.boxes) {
        fields.push_back(&box.left);
        fields.push_back(&box.top);
    }
    for (int32_t* field : {&p.dealer.left, &p.dealer.top, &p.windowWidth, &p.windowHeight,
                           &p.windowLeft, &p.windowTop, &p.sliderPosition}) {
        fields.push_back(field);
    }
    return fields;
}

}  // namespace

std::string EncodeWindowPositions(const TWindowPositions& positions) {
    TWindowPositions copy = positions;
    const std::vector<int32_t*> fields = FieldsInFileOrder(copy);
    std::string bytes(WINDOW_POSITIONS_FILE_SIZE, '\0');
    for (size_t f = 0; f < fields.size(); ++f) {
        const auto value = static_cast<uint32_t>(*fields[f]);
        for (int i = 0; i < 4; ++i) bytes[4 * f + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return bytes;
}

bool DecodeWindowPositions(std::string_view bytes, TWindowPositions& positions) {
    if (bytes.size() < WINDOW_POSITIONS_FILE_SIZE) return false;
    TWindowPositions decoded;
    const std::vector<int32_t*> fields = FieldsInFileOrder(decoded);
    for (size_t f = 0; f < fields.size(); ++f) {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            value |= uint32_t{static_cast<unsigned char>(bytes[4 * f + i])} << (8 * i);
        }
        *fields[f] = static_cast<int32_t>(value);
    }
    positions = decoded;
    return true;
}

LoadedWindowPositions LoadWindowPositions(const std::string& settingsFolder) {
    LoadedWindowPositions loaded;
    if (const auto bytes = ReadFileBytes(settingsFolder + WINDOW_POSITIONS_FILE_NAME)) {
        loaded.positionsLoaded = DecodeWindowPositions(*bytes, loaded.positions);
    }
    return loaded;
}

FileResult SaveWindowPositions(const TWindowPositions& positions, const std::string& settingsFolder,
                               const FileCalls& calls) {
    const std::string path = settingsFolder + WINDOW_POSITIONS_FILE_NAME;
    const int error = ReplaceFileContents(path, EncodeWindowPositions(positions), calls);
    return error == 0 ? FileResult{} : WriteFailure(path, error);
}

}  // namespace tavexo
