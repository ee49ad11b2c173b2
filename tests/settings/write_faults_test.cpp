// Every writer of the user's files against the faults a disk can throw at
// it: a read-only folder, a disk that fills up in the middle of the file, a
// sync, close or rename that fails, a missing folder and a folder where the
// file should be. Whatever the fault, the old file stays byte for byte, no
// temporary file stays behind, and the message names the file and the
// reason. The superuser writes into read-only folders, so those faults are
// injected through the writers' FileCalls; the others are real.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "drill/drill_history.h"
#include "drill/exercise_history.h"
#include "drill/index_card_file.h"
#include "settings/count_drill_settings.h"
#include "settings/file_io.h"
#include "settings/profiles.h"
#include "settings/scratch_folder.h"
#include "settings/settings_store.h"
#include "settings/window_positions.h"
#include "stats/grid_file.h"
#include "support/named_case.h"

namespace tavexo {
namespace {

using ::tavexo::testing::PrintTo;

// The call that fails.
enum class Step { CreateNew, OpenOld, Write, Sync, Close, Rename };

// The system's calls, except that `step` fails with `error`. A failing
// write first lets `room` bytes through, as a disk that fills up does.
class FailingCalls : public FileCalls {
  public:
    FailingCalls(Step step, int error, size_t room = 0) : step_(step), error_(error), room_(room) {}

    int Open(const char* path, int flags, mode_t mode) const override {
        const bool creates = (flags & O_CREAT) != 0;
        const bool folder = (flags & O_DIRECTORY) != 0;
        if ((step_ == Step::CreateNew && creates) ||
            (step_ == Step::OpenOld && !creates && !folder)) {
            return Fail();
        }
        return FileCalls::Open(path, flags, mode);
    }
    ssize_t Write(int fd, const void* data, size_t size) const override {
        if (step_ != Step::Write) return FileCalls::Write(fd, data, size);
        if (written_ == room_) return Fail();
        const ssize_t done = FileCalls::Write(fd, data, std::min(size, room_ - written_));
        if (done > 0) written_ += static_cast<size_t>(done);
        return done;
    }
    int Fsync(int fd) const override { return step_ == Step::Sync ? Fail() : FileCalls::Fsync(fd); }
    int Close(int fd) const override {
        const int closed = FileCalls::Close(fd);  // the descriptor goes either way
        return step_ == Step::Close ? Fail() : closed;
    }
    int Rename(const char* from, const char* to) const override {
        return step_ == Step::Rename ? Fail() : FileCalls::Rename(from, to);
    }

    size_t Written() const { return written_; }

  private:
    int Fail() const {
        errno = error_;
        return -1;
    }

    Step step_;
    int error_;
    size_t room_;
    mutable size_t written_ = 0;
};

// Files may grow to `bytes` only, for the superuser too: the next write
// fails with EFBIG, as on a full disk. Undone when the test ends.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        // Without this the process would be killed at the limit.
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit tight{bytes, old_.rlim_max};
        EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit old_{};
    void (*oldHandler_)(int) = SIG_DFL;
};

struct Writer {
    const char* name;
    const char* fileName;  // in the folder it is handed
    // Saves something other than the old file's bytes into `folder`.
    std::function<FileResult(const std::string& folder, const FileCalls& calls)> save;
    // The writer reads the old file first (to keep what it does not set).
    bool readsOldFile = false;
};

TextGrid SomeHistory() {
    TextGrid grid(3, 3);
    grid.SetCell(0, 1, "1");
    grid.SetCell(1, 1, "10, 7");
    grid.SetCell(2, 1, "+5,00");
    return grid;
}

const Writer WRITERS[] = {
    {"Optionen", "Allgemein.ini",
     [](const std::string& folder, const FileCalls& calls) {
         TProgramSettings settings;
         TProgramOptions options = ProgramOptionsOf(settings);
         options.roundDelay = 0;
         return SettingsStore(folder, calls).SaveProgramOptions(settings, options);
     },
     true},
    {"Trainingsschalter", "Allgemein.ini",
     [](const std::string& folder, const FileCalls& calls) {
         TProgramSettings settings;
         return SettingsStore(folder, calls).SaveTrainingMode(settings, true);
     },
     true},
    {"Zaehltraining", "Counttrai.ini",
     [](const std::string& folder, const FileCalls& calls) {
         return SaveCountDrillSettings(folder, TCountDrillSettings{}, calls);
     },
     true},
    {"Spieler", "Spieler.tvxo",
     [](const std::string& folder, const FileCalls& calls) {
         return SaveProfileFile(TProfileFile{}, folder, calls);
     }},
    {"Positionen", "Hauptfenster.tvxo",
     [](const std::string& folder, const FileCalls& calls) {
         TWindowPositions positions;
         positions.sliderPosition = 3;
         return SaveWindowPositions(positions, folder, calls);
     }},
    {"Verlauf", "Box 1.lauf",
     [](const std::string& folder, const FileCalls& calls) {
         return SaveGridToFile(SomeHistory(), folder + "Box 1.lauf", calls);
     }},
    {"Zaehlverlauf", "Zählverlauf.csv",
     [](const std::string& folder, const FileCalls& calls) {
         return AppendDrillSession(folder, {"2026-12-10 17:00", 8, 3, 12, 10, 0.25, 1.4, {}},
                                   calls);
     },
     true},
    {"Uebungsverlauf", "Übungsverlauf.csv",
     [](const std::string& folder, const FileCalls& calls) {
         return AppendExercise(
             folder, {"2026-12-10 17:00", "Decks schätzen", "6 Decks", 10, 7, 0.3, 2.5}, calls);
     },
     true},
    {"Indexspiele", "Indexspiele.csv",
     [](const std::string& folder, const FileCalls& calls) {
         IndexCardStore store = IndexCardStore::Load(folder, calls);
         store.Deck("Fritzi").Record("G1:16:10", true, 20000);
         return store.Save(folder, calls);
     },
     true},
};

// Bytes no writer would produce, a line without its line break at the end.
const std::string OLD_BYTES = "[Alt]\r\nSchl\xFCssel=Wert\r\n\x01\x02\x03 alt";

// Where the fault comes from: injected at one call, or made real on disk.
enum class Cause { Injected, FileSizeLimit, MissingFolder, FolderInItsPlace };

struct Fault {
    const char* name;
    Cause cause;
    int error;  // what the writer must report
    Step step = Step::CreateNew;
};

const Fault FAULTS[] = {
    {"ReadOnlyFolder", Cause::Injected, EACCES, Step::CreateNew},
    {"ReadOnlyFileSystem", Cause::Injected, EROFS, Step::CreateNew},
    {"DiskFullMidWrite", Cause::Injected, ENOSPC, Step::Write},
    {"QuotaAtClose", Cause::Injected, EDQUOT, Step::Close},
    {"SyncFails", Cause::Injected, EIO, Step::Sync},
    {"RenameFails", Cause::Injected, EXDEV, Step::Rename},
    {"FileSizeLimitMidWrite", Cause::FileSizeLimit, EFBIG},
    {"MissingFolder", Cause::MissingFolder, ENOENT},
    {"FolderInItsPlace", Cause::FolderInItsPlace, EISDIR},
};

struct WriteFaultCase {
    Writer writer;
    Fault fault;
    std::string name;
};

std::vector<WriteFaultCase> AllCases() {
    std::vector<WriteFaultCase> cases;
    for (const Writer& writer : WRITERS) {
        for (const Fault& fault : FAULTS) {
            cases.push_back({writer, fault, std::string(writer.name) + "_" + fault.name});
        }
    }
    return cases;
}

class WriteFault : public ::testing::TestWithParam<WriteFaultCase> {};

TEST_P(WriteFault, LeavesTheOldFileAndNothingElseAndSaysWhereAndWhy) {
    const Writer& writer = GetParam().writer;
    const Fault& fault = GetParam().fault;
    ScratchFolder scratch;
    std::string folder = scratch.Path();
    switch (fault.cause) {
        case Cause::MissingFolder:
            folder += "fehlt/";
            break;
        case Cause::FolderInItsPlace:
            std::filesystem::create_directory(scratch.File(writer.fileName));
            scratch.Write(std::string(writer.fileName) + "/alt", OLD_BYTES);
            break;
        default:
            scratch.Write(writer.fileName, OLD_BYTES);
            break;
    }
    const std::vector<std::string> before = scratch.Entries();

    FileResult result;
    const FailingCalls calls(fault.step, fault.error, /*room=*/10);
    if (fault.cause == Cause::Injected) {
        result = writer.save(folder, calls);
        if (fault.step == Step::Write) {
            EXPECT_EQ(calls.Written(), 10u) << "the fault must strike in the middle of the file";
        }
    } else if (fault.cause == Cause::FileSizeLimit) {
        const FileSizeLimit limit(10);
        result = writer.save(folder, SystemFileCalls());
    } else {
        result = writer.save(folder, SystemFileCalls());
    }

    const std::string path = folder + writer.fileName;
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.errorNumber, fault.error) << result.message;
    EXPECT_NE(result.message.find(path), std::string::npos) << result.message;
    EXPECT_NE(result.message.find(ErrorText(fault.error)), std::string::npos) << result.message;
    EXPECT_EQ(scratch.Entries(), before);
    if (fault.cause == Cause::FolderInItsPlace) {
        EXPECT_EQ(scratch.Read(std::string(writer.fileName) + "/alt"), OLD_BYTES);
    } else if (fault.cause != Cause::MissingFolder) {
        EXPECT_EQ(scratch.Read(writer.fileName), OLD_BYTES);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, WriteFault, ::testing::ValuesIn(AllCases()),
                         [](const auto& info) { return info.param.name; });

// A writer that keeps the lines it does not set must not replace a file it
// cannot read with one that holds only its own (a file the user may read
// only as another user, a disk error).
class UnreadableOldFile : public ::testing::TestWithParam<Writer> {};

TEST_P(UnreadableOldFile, IsLeftAsItWas) {
    const Writer& writer = GetParam();
    ScratchFolder scratch;
    scratch.Write(writer.fileName, OLD_BYTES);
    const FileResult result = writer.save(scratch.Path(), FailingCalls(Step::OpenOld, EACCES));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, WriteFailure(scratch.File(writer.fileName), EACCES).message);
    EXPECT_EQ(scratch.Read(writer.fileName), OLD_BYTES);
    EXPECT_EQ(scratch.Entries(), std::vector<std::string>{writer.fileName});
}

std::vector<Writer> WritersThatReadFirst() {
    std::vector<Writer> writers;
    for (const Writer& writer : WRITERS)
        if (writer.readsOldFile) writers.push_back(writer);
    return writers;
}

INSTANTIATE_TEST_SUITE_P(KeepingWriters, UnreadableOldFile,
                         ::testing::ValuesIn(WritersThatReadFirst()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WriteFailure, NamesThePathTheErrorNumberAndTheReason) {
    EXPECT_EQ(WriteFailure("/daten/Spieler.tvxo", ENOSPC).message,
              "In /daten/Spieler.tvxo kann nicht geschrieben werden (E/A-Fehler " +
                  std::to_string(ENOSPC) + ": " + std::strerror(ENOSPC) + ")");
    EXPECT_EQ(WriteFailure("/daten/Spieler.tvxo", ENOSPC).errorNumber, ENOSPC);
}

// After any of the faults the same writer saves normally again: nothing is
// left half-done that would get in the way.
TEST(WriteFault, TheNextSaveWorks) {
    for (const Writer& writer : WRITERS) {
        ScratchFolder scratch;
        scratch.Write(writer.fileName, OLD_BYTES);
        for (const Fault& fault : FAULTS) {
            if (fault.cause != Cause::Injected) continue;
            EXPECT_FALSE(writer.save(scratch.Path(), FailingCalls(fault.step, fault.error, 10)).ok);
        }
        EXPECT_TRUE(writer.save(scratch.Path(), SystemFileCalls()).ok) << writer.name;
        EXPECT_NE(scratch.Read(writer.fileName), OLD_BYTES) << writer.name;
        EXPECT_EQ(scratch.Entries(), std::vector<std::string>{writer.fileName}) << writer.name;
    }
}

}  // namespace
}  // namespace tavexo
