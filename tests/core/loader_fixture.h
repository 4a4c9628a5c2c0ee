// The loaders' bench: real files in temporary folders, scripted file dialogs, a recording
// window, and the steps of other parts counted instead of carried out.
#pragma once

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "core/model/campaign_loader.h"
#include "core/model/files.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/map_loader.h"
#include "core/model/options.h"
#include "core/model/screen.h"
#include "core/model/session_state.h"
#include "maps/map_texts.h"
#include "platform/headless/scripted_file_dialogs.h"
#include "platform/headless/test_platform.h"
#include "platform/raster/bmp.h"

// Two continents on three territories.
inline constexpr char kIslesText[] =
    "[map]\nIsles\n[player names]\n400 12\n[smilies and codes]\nY\n[continents]\n2 North 1 2\n"
    "1 South 3\n[territories]\n1 NOR 100 50 2 3\n2 NEA 150 60 1\n3 SOU 120 200 1\n";
// Two continents on four territories.
inline constexpr char kDunesText[] =
    "[map]\r\nDunes\r\n[continents]\r\n1 East 1 2\r\n1 West 3 4\r\n[territories]\r\n"
    "1 a 10 10 2 3\r\n2 b 20 20 1\r\n3 c 30 30 1 4\r\n4 d 40 40 3\r\n";

class RecordingSteps : public MapLoadSteps {
  public:
    bool ShowCreatingMapsNotice(bool hidden) override {
        ++notices;
        return noticeAnswer.value_or(hidden);
    }
    void SaveSettings() override { ++saves; }
    bool AppendServedMapText(std::string_view fileName) override {
        served.emplace_back(fileName);
        return maps::AppendServedMapText(fileName);
    }
    void SetupSelectedMap() override { ++setups; }
    void RedrawBoard() override { ++redraws; }

    std::optional<bool> noticeAnswer;  // the user's tick; none: left as it was
    int notices = 0;
    int saves = 0;
    int setups = 0;
    int redraws = 0;
    std::vector<std::string> served;
};

class LoaderTest : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "marovek-loader-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        user_ = root_ / "user files";
        elsewhere_ = root_ / "elsewhere.d";
        std::filesystem::create_directories(user_);
        std::filesystem::create_directories(elsewhere_);
        g_userFilesFolder = user_.string();
        g_screenWidth = 1024;
        g_screenSize = 2;
        g_isJustOpened = 'n';
        g_gameKind = 1;
        g_hideCreatingMapsNotice = true;
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    static std::string Write(const std::filesystem::path& folder, const std::string& name,
                             const std::string& content) {
        std::ofstream(folder / name, std::ios::binary) << content;
        return (folder / name).string();
    }
    // A map text `name`.txt and, unless told otherwise, its picture beside it.
    static std::string WriteMap(const std::filesystem::path& folder, const std::string& name,
                                const std::string& text, bool withPicture = true) {
        if (withPicture) {
            const std::vector<std::uint8_t> bmp = raster::WriteBmp(raster::Surface(4, 3));
            Write(folder, name + ".bmp", std::string(bmp.begin(), bmp.end()));
        }
        return Write(folder, name + ".txt", text);
    }

    LoaderContext Context() { return {platform_.window, platform_.files, &dialogs_, steps_}; }
    // Load a Map with the user choosing `path`.
    bool LoadChosen(const std::string& path) {
        dialogs_.ScriptOpen(path);
        return LoadMapFile(Context());
    }
    const std::vector<headless::MessageBoxCall>& Messages() const {
        return platform_.window.messageBoxes;
    }
    static headless::MessageBoxCall MapFileError(const std::string& text) {
        return {text, "Map File Error", platform::MessageButtons::Ok, platform::MessageIcon::Error};
    }

    std::filesystem::path root_, user_, elsewhere_;
    headless::TestPlatform platform_;
    headless::ScriptedFileDialogs& dialogs_ = platform_.fileDialogs;
    RecordingSteps steps_;
};
