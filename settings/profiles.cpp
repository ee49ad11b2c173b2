#include "settings/profiles.h"

#include <bit>

#include "settings/cp1252.h"

namespace tavexo {

namespace {

constexpr size_t ACTIVE_OFFSET = 0;
constexpr size_t NAMES_OFFSET = 7;
constexpr size_t NAME_SLOT_SIZE = 256;
constexpr size_t KIND_OFFSET = 1799;
// 1806 and 1807: alignment gap of the original record, written as zeros.
constexpr size_t CAPITAL_OFFSET = 1808;
constexpr size_t UNIT_VALUE_OFFSET = 1836;
static_assert(UNIT_VALUE_OFFSET + 4 * PROFILE_COUNT == PROFILE_FILE_SIZE);
static_assert(NAMES_OFFSET + NAME_SLOT_SIZE * PROFILE_COUNT == KIND_OFFSET);

void PutUint32(std::string& bytes, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

uint32_t GetUint32(std::string_view bytes, size_t offset) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        value |= uint32_t{static_cast<unsigned char>(bytes[offset + i])} << (8 * i);
    }
    return value;
}

}  // namespace

TProfileFile::TProfileFile() {
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        active[i] = true;
        names[i] = DEFAULT_PLAYER_NAMES[i];
        playerKind[i] = PLAYER_HUMAN;
        capital[i] = DEFAULT_PROFILE_CAPITAL;
        unitValue[i] = DEFAULT_UNIT_VALUE;
    }
}

std::string EncodeProfiles(const TProfileFile& p) {
    std::string bytes(PROFILE_FILE_SIZE, '\0');
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        bytes[ACTIVE_OFFSET + i] = p.active[i] ? 1 : 0;

        std::string name = Utf8ToCp1252(p.names[i]);
        if (name.size() > MAX_PROFILE_NAME_BYTES) name.resize(MAX_PROFILE_NAME_BYTES);
        const size_t slot = NAMES_OFFSET + NAME_SLOT_SIZE * i;
        bytes[slot] = static_cast<char>(name.size());
        name.copy(&bytes[slot + 1], name.size());

        bytes[KIND_OFFSET + i] = static_cast<char>(p.playerKind[i]);
        PutUint32(bytes, CAPITAL_OFFSET + 4 * i, std::bit_cast<uint32_t>(p.capital[i]));
        PutUint32(bytes, UNIT_VALUE_OFFSET + 4 * i, static_cast<uint32_t>(p.unitValue[i]));
    }
    return bytes;
}

bool DecodeProfiles(std::string_view bytes, TProfileFile& profiles) {
    if (bytes.size() < PROFILE_FILE_SIZE) return false;
    TProfileFile p;
    for (int i = 0; i < PROFILE_COUNT; ++i) {
        p.active[i] = bytes[ACTIVE_OFFSET + i] != 0;

        const size_t slot = NAMES_OFFSET + NAME_SLOT_SIZE * i;
        const size_t length = static_cast<unsigned char>(bytes[slot]);
        p.names[i] = Cp1252ToUtf8(bytes.substr(slot + 1, length));

        p.playerKind[i] = bytes[KIND_OFFSET + i] == PLAYER_ROBOT ? PLAYER_ROBOT : PLAYER_HUMAN;
        const float capital = std::bit_cast<float>(GetUint32(bytes, CAPITAL_OFFSET + 4 * i));
        // Written so that a NaN fails the test as well.
        const bool capitalUsable = capital >= MIN_PROFILE_CAPITAL && capital <= MAX_PROFILE_CAPITAL;
        p.capital[i] = capitalUsable ? capital : DEFAULT_PROFILE_CAPITAL;
        const auto unitValue = static_cast<int32_t>(GetUint32(bytes, UNIT_VALUE_OFFSET + 4 * i));
        const bool unitUsable = unitValue >= MIN_UNIT_VALUE && unitValue <= MAX_UNIT_VALUE;
        p.unitValue[i] = unitUsable ? unitValue : DEFAULT_UNIT_VALUE;
    }
    profiles = std::move(p);
    return true;
}

TProfileFile LoadProfiles(const std::string& settingsFolder) {
    TProfileFile profiles;
    if (const auto bytes = ReadFileBytes(settingsFolder + PROFILE_FILE_NAME)) {
        DecodeProfiles(*bytes, profiles);
    }
    return profiles;
}

FileResult SaveProfileFile(const TProfileFile& profiles, const std::string& settingsFolder,
                           const FileCalls& calls) {
    const std::string path = settingsFolder + PROFILE_FILE_NAME;
    const int error = ReplaceFileContents(path, EncodeProfiles(profiles), calls);
    return error == 0 ? FileResult{} : WriteFailure(path, error);
}

BoxProfile BoxProfileOf(const TProfileFile& profiles, int box) {
    const int i = box - 1;
    BoxProfile profile;
    profile.name = profiles.names[i];
    profile.active = profiles.active[i];
    profile.robot = profiles.playerKind[i] == PLAYER_ROBOT;
    profile.capital = profiles.capital[i];
    profile.unitValue = profiles.unitValue[i];
    return profile;
}

}  // namespace tavexo
