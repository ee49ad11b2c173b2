#include "settings/data_folders.h"

#include <cstdlib>
#include <filesystem>

namespace tavexo {

namespace {

std::string WithSeparator(std::string_view folder) {
    std::string path(folder);
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

}  // namespace

std::string FallbackBaseFolder(const char* home) {
    if (home == nullptr || *home == '\0') return {};
    return WithSeparator(home) + ".local/share";
}

DataFolders FormDataFolders(std::string_view baseFolder, std::string_view tempFolder,
                            std::string_view programFolder) {
    std::string base(baseFolder);
    if (base.empty()) base = FallbackBaseFolder(std::getenv("HOME"));
    while (!base.empty() && base.back() == '/') base.pop_back();

    DataFolders folders;
    folders.dataFolder = base + "/Tavexo/";
    folders.statisticsFolder = folders.dataFolder + "Statistik/";
    folders.settingsFolder = folders.dataFolder + "Einstellungen/";
    folders.trainingFolder = folders.dataFolder + "Training/";
    folders.historyFolder = folders.dataFolder + "Verlauf/";
    std::string temp(tempFolder);
    if (temp.empty()) {
        std::error_code ec;
        temp = std::filesystem::temp_directory_path(ec).string();
    }
    folders.tempDownloadFile = WithSeparator(temp) + "tmp.tmp";
    folders.programFolder = WithSeparator(programFolder);
    return folders;
}

void CreateDataFolders(const DataFolders& folders) {
    // On a fresh account even the base (~/.local/share) may be missing.
    std::error_code ignoredBase;
    std::filesystem::create_directories(folders.dataFolder, ignoredBase);
    for (const std::string* folder :
         {&folders.dataFolder, &folders.statisticsFolder, &folders.settingsFolder,
          &folders.trainingFolder, &folders.historyFolder}) {
        std::error_code ignored;
        std::filesystem::create_directory(*folder, ignored);
    }
}

}  // namespace tavexo
