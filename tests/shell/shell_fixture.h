// A temporary home folder with a headless platform and helpers for the settings file's bytes.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/child_view.h"
#include "platform/headless/test_platform.h"
#include "shell/settings.h"
#include "tests/support/view_fixture.h"

namespace shell_test {

using Bytes = std::vector<std::uint8_t>;

inline std::string MakeTemporaryFolder() {
    return test_support::MakeTemporaryFolder("shell");
}

inline Bytes ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

using test_support::WriteBytes;

inline std::uint32_t U32At(const Bytes& bytes, std::size_t offset) {
    return static_cast<std::uint32_t>(bytes.at(offset) | bytes.at(offset + 1) << 8 |
                                      bytes.at(offset + 2) << 16 | bytes.at(offset + 3) << 24);
}

inline void PutU32At(Bytes& bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        bytes.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

inline std::string SlotAt(const Bytes& bytes, std::size_t offset, std::size_t width) {
    return std::string(bytes.begin() + static_cast<long>(offset),
                       bytes.begin() + static_cast<long>(offset + width));
}

// A home folder without user-dirs or Documents: documents = home, application data =
// home/.local/share.
class ShellFixture : public ::testing::Test {
  protected:
    void SetUp() override { home_ = MakeTemporaryFolder(); }
    void TearDown() override {
        view_.reset();
        platform_.reset();
        std::filesystem::remove_all(home_);
    }

    headless::TestPlatform& Platform(platform::ScreenMetrics screen = {}) {
        if (!platform_) {
            platform_ = std::make_unique<headless::TestPlatform>(
                std::map<std::string, std::string>{{"HOME", home_}}, home_, screen);
            platform_->files.computerName = computerName_;
        }
        return *platform_;
    }
    // Runs the view's start-up on a screen of the given size.
    CChildView& StartView(int width = 1024, int height = 768) {
        platform::ScreenMetrics screen;
        screen.width = width;
        screen.height = height;
        view_ = std::make_unique<CChildView>(Platform(screen).platform);
        return *view_;
    }

    std::string DocumentsFolder() const { return home_ + "/Marovek"; }
    std::string AppDataFolder() const { return home_ + "/.local/share/Marovek"; }
    std::string SettingsPath() const { return AppDataFolder() + "/Mrvek55Settings.dat"; }
    Bytes SettingsBytes() const { return ReadBytes(SettingsPath()); }
    const std::vector<headless::MessageBoxCall>& MessageBoxes() {
        return platform_->window.messageBoxes;
    }

    std::string home_;
    // The computer's name the settings see on the next platform made.
    std::optional<std::string> computerName_ = "gamebox";
    std::unique_ptr<headless::TestPlatform> platform_;
    std::unique_ptr<CChildView> view_;
};

}  // namespace shell_test
