#include "settings/data_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

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

TEST(DataFolders, AreCreatedWithTheirWholePath) {
    ScratchFolder scratch;
    const DataFolders f = FormDataFolders(scratch.Path(), "/tmp", "/opt");
    CreateDataFolders(f);
    for (const std::string& folder :
         {f.dataFolder, f.statisticsFolder, f.settingsFolder, f.trainingFolder, f.historyFolder}) {
        EXPECT_TRUE(std::filesystem::is_directory(folder)) << folder;
    }
    CreateDataFolders(f);  // again: nothing to do, nothing fails

    // A fresh account has no ~/.local/share yet: the missing parents are
    // made too.
    const DataFolders deep = FormDataFolders(scratch.File("fehlt/tiefer"), "/tmp", "/opt");
    CreateDataFolders(deep);
    EXPECT_TRUE(std::filesystem::is_directory(deep.settingsFolder));

    // A base that cannot be made (a file stands in its way) is no error:
    // the folders are simply missing.
    std::ofstream(scratch.File("datei")) << "x";
    const DataFolders blocked = FormDataFolders(scratch.File("datei/unter"), "/tmp", "/opt");
    CreateDataFolders(blocked);
    EXPECT_FALSE(std::filesystem::exists(blocked.dataFolder));
}

}  // namespace
}  // namespace tavexo
