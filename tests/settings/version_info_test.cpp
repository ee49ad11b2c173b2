// The update check's version file: the last complete record counts; a short
// or garbled file is a failed check.
#include "settings/version_info.h"

#include <gtest/gtest.h>

#include <string>

namespace tavexo {
namespace {

std::string Record(const std::string& version, char filler = 'x') {
    std::string record(VERSION_RECORD_SIZE, filler);
    record[8] = static_cast<char>(version.size());
    record.replace(9, version.size(), version);
    return record;
}

TEST(VersionFile, TheLastOfThreeRecordsCounts) {
    const std::string file = Record("1.0.0.0") + Record("1.1.0.0") + Record("1.2.0.5");
    EXPECT_EQ(LatestVersionOf(file), "1.2.0.5");
}

TEST(VersionFile, TheFirstEightBytesAndTheRestOfTheFieldAreIgnored) {
    EXPECT_EQ(LatestVersionOf(Record("1.1.1.0", '\xff')), "1.1.1.0");
    EXPECT_EQ(LatestVersionOf(Record("")), "");
    EXPECT_EQ(LatestVersionOf(Record("V\xe4"
                                     "2")),
              "V\xc3\xa4"
              "2");  // Windows-1252 ä
}

TEST(VersionFile, ShortIncompleteOrGarbledFilesGiveNoVersion) {
    std::string overlong = Record("1.2");
    overlong[8] = 16;
    for (const std::string& file :
         {std::string(), std::string(23, '\0'), Record("1.2") + "abc", overlong,
          Record("1.2") + std::string(VERSION_RECORD_SIZE - 1, '\x07')}) {
        EXPECT_EQ(LatestVersionOf(file), std::nullopt) << file.size() << " bytes";
    }
}

}  // namespace
}  // namespace tavexo
