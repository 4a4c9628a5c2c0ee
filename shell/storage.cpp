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

raster::FontSpec g_fontSansSerif8;
raster::FontSpec g_fontSansSerif6;
raster::FontSpec g_fontSerif6;
raster::FontSpec g_fontTerminal10;
raster::FontSpec g_fontTerminal8;
raster::FontSpec g_fontSansSerif6Underlined;

void ResetStorageState() {
    g_settings.fill(0);
    g_savedGame.fill(0);
    g_scoreRecord.fill(0);
    for (std::string* text :
         {&g_savedGamePath, &g_settingsFilePath, &g_scoresFilePath, &g_appDataFolder,
          &g_documentsFolder, &g_userFilesFolder, &g_mapFilePath, &g_mapBitmapPath,
          &g_currentDirectory, &g_programFolder, &g_campaignFilePath, &g_mapCachePath,
          &g_statusText})
        text->clear();
    for (raster::FontSpec* font :
         {&g_fontSansSerif8, &g_fontSansSerif6, &g_fontSerif6, &g_fontTerminal10, &g_fontTerminal8,
          &g_fontSansSerif6Underlined})
        *font = raster::FontSpec{};
}
