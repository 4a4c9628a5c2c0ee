// The shell's process-wide blocks, folder and path texts, status text and fonts.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/raster/text.h"

// Fixed-size records of the files the game keeps, read and written field by field.
extern std::array<std::uint8_t, 752> g_settings;     // the settings file's record
extern std::array<std::uint8_t, 5584> g_savedGame;   // one saved game
extern std::array<std::uint8_t, 140> g_scoreRecord;  // one record of the scores file

// Folders and paths ("/"-separated, never relative to the process's working folder).
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

// The text last given to the status line; the idle pass copies it into the status bar.
extern std::string g_statusText;

// The view's six fonts.
extern raster::FontSpec g_fontSansSerif8;
extern raster::FontSpec g_fontSansSerif6;
extern raster::FontSpec g_fontSerif6;
extern raster::FontSpec g_fontTerminal10;
extern raster::FontSpec g_fontTerminal8;
extern raster::FontSpec g_fontSansSerif6Underlined;

// Puts every record, text and font above back to its value at program start.
void ResetStorageState();
