#include "settings/data_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "settings/scratch_folder.h"

namespace tavexo {
namespace {

TEST(DataFolders, AreFormedBelowTheBaseFolder) {
    for (const char* base : {"/home/anna/.local/share", "/home/anna/.local/share/"}) {
        SCOPED_TRACE(base);
        const DataFolders f = FormDataFolders(base, "/tmp", "/opt/tavexo/bin");
        EXPECT_EQ(f.dataFolder, "/home/anna/.local/share/Tavexo/");
        EXPECT_EQ(f.statisticsFolder, "/home/anna/.local/share/Tavexo/Statistik/");
        EXPECT_EQ(f.settingsFolder, "/home/anna/.local/share/Tavexo/Einstellungen/");
        EXPECT_EQ(f.trainingFolder, "/home/anna/.local/share/Tavexo/Training/");
        EXPECT_EQ(f.historyFolder, "/home/anna/.local/share/Tavexo/Verlauf/");
        EXPECT_EQ(f.tempDownloadFile, "/tmp/tmp.tmp");
        EXPECT_EQ(f.programFolder, "/opt/tavexo/bin/");
    }
}

TEST(DataFolders, WithoutABaseFolderTheXdgDefaultIsUsed) {
    EXPECT_EQ(FallbackBaseFolder("/home/anna"), "/home/anna/.local/share");
    EXPECT_EQ(FallbackBaseFolder("/home/anna/"), "/home/anna/.local/share");
    EXPECT_EQ(FallbackBaseFolder(""), "");
    EXPECT_EQ(FallbackBaseFolder(nullptr), "");

    const DataFolders f = FormDataFolders("", "/tmp", "/opt");
    EXPECT_EQ(f.dataFolder, FallbackBaseFolder(std::getenv("HOME")) + "/Tavexo/");
}

TEST(DataFolders, AreCreatedOneLevelEach) {
    ScratchFolder scratch;
    const DataFolders f = FormDataFolders(scratch.Path(), "/tmp", "/opt");
    CreateDataFolders(f);
    for (const std::string& folder :
         {f.dataFolder, f.statisticsFolder, f.settingsFolder, f.trainingFolder, f.historyFolder}) {
        EXPECT_TRUE(std::filesystem::is_directory(folder)) << folder;
    }
    CreateDataFolders(f);  // again: nothing to do, nothing fails

    // A missing parent is not created, and the failure is not an error.
    const DataFolders deep = FormDataFolders(scratch.File("fehlt/tiefer"), "/tmp", "/opt");
    CreateDataFolders(deep);
    EXPECT_FALSE(scratch.Exists("fehlt"));
}

}  // namespace
}  // namespace tavexo
