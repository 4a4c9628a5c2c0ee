// Storage of the shell's process-wide blocks, texts and fonts.
#include "shell/storage.h"

std::array<std::uint8_t, 752> g_settings{};
std::array<std::uint8_t, 5584> g_savedGame{};
std::array<std::uint8_t, 140> g_scoreRecord{};

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

std::string g_statusText;

raster::FontDescription g_fontSansSerif8;
raster::FontDescription g_fontSansSerif6;
raster::FontDescription g_fontSerif6;
raster::FontDescription g_fontTerminal10;
raster::FontDescription g_fontTerminal8;
raster::FontDescription g_fontSansSerif6Underlined;
