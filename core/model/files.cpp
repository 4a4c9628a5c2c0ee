// Folders and paths of the game's files.
#include "core/model/files.h"

std::string g_savedGamePath;
std::string g_settingsFilePath;
std::string g_scoresFilePath;
std::string g_appDataFolder;
std::string g_documentsFolder;
std::string g_userFilesFolder;
std::string g_mapFilePath;
std::string g_mapBitmapPath;
std::string g_currentDirectory;
std::string g_programFolder;
std::string g_campaignFilePath;
std::string g_mapCachePath;

void ResetFilesState() {
    for (std::string* text :
         {&g_savedGamePath, &g_settingsFilePath, &g_scoresFilePath, &g_appDataFolder,
          &g_documentsFolder, &g_userFilesFolder, &g_mapFilePath, &g_mapBitmapPath,
          &g_currentDirectory, &g_programFolder, &g_campaignFilePath, &g_mapCachePath})
        text->clear();
}
