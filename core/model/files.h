// Folders and paths of the game's files ("/"-separated, never relative to the process's working
// folder).
#pragma once

#include <string>

extern std::string g_savedGamePath;
extern std::string g_settingsFilePath;
extern std::string g_scoresFilePath;
extern std::string g_appDataFolder;    // application data + "/Marovek": settings and scores
extern std::string g_documentsFolder;  // documents + "/Marovek", later its "*.Mrvek" pattern
extern std::string g_userFilesFolder;  // saved games, campaign map files, the ocean picture
extern std::string g_mapFilePath;      // the first pattern of Load a Map
extern std::string g_mapBitmapPath;
extern std::string g_currentDirectory;  // the working folder at start, for reference only
extern std::string g_programFolder;     // where the program's own data lies
extern std::string g_campaignFilePath;
extern std::string g_mapCachePath;

// Empties every folder and path above, as at program start.
void ResetFilesState();
