#pragma once

#include <string>
#include <string_view>

namespace tavexo {

// The program's folders. Every folder path ends with "/".
struct DataFolders {
    std::string dataFolder;        // <base>/Tavexo/
    std::string statisticsFolder;  // dataFolder + "Statistik/"
    std::string settingsFolder;    // dataFolder + "Einstellungen/"
    std::string trainingFolder;    // dataFolder + "Training/"
    std::string historyFolder;     // dataFolder + "Verlauf/"
    std::string tempDownloadFile;  // <temporary folder>/tmp.tmp, the probe file of downloads
    std::string programFolder;     // the folder of the running program; never written to
};

// Forms the paths. `baseFolder` is the per-user data location the user
// interface found (the XDG data folder); `tempFolder` the system's temporary
// folder (empty: the standard library's guess); `programFolder` the folder
// of the program file. When `baseFolder`
// is empty the folders go to $HOME/.local/share, the XDG default, rather than
// to "/Tavexo/" at the root of the file system.
DataFolders FormDataFolders(std::string_view baseFolder, std::string_view tempFolder,
                            std::string_view programFolder);

// The base folder to use when the platform names none: `home` +
// "/.local/share"; empty when `home` is null or empty too, which puts the
// data folder at "/Tavexo/".
std::string FallbackBaseFolder(const char* home);

// Creates dataFolder with every missing parent, then statisticsFolder,
// settingsFolder, trainingFolder and historyFolder. Failures are ignored:
// the file operations on a missing folder report their own errors later.
void CreateDataFolders(const DataFolders& folders);

}  // namespace tavexo
