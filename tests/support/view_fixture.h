// What the game view's tests share: a view on the headless platform in a temporary home, small
// boards built in code, files written whole, and joined machines on the in-memory network.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/child_view.h"
#include "core/model/game_state.h"
#include "platform/headless/test_platform.h"

namespace test_support {

// A new empty folder "marovek-<prefix>-XXXXXX" in the system's temporary folder.
inline std::string MakeTemporaryFolder(const std::string& prefix) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / ("marovek-" + prefix + "-XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    return pattern;
}

// Writes `bytes` as the whole file at `path`, making its folders first.
inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

struct BoardContinent {
    std::vector<int> members;
    int bonus = 0;
    std::vector<int> border;
};

// A board of `territories` territories with the given two-way links and continents; every
// territory is left without owner and armies.
inline void BuildBoard(int territories, const std::vector<std::pair<int, int>>& links,
                       const std::vector<BoardContinent>& continents) {
    g_territoryCount = territories;
    g_continentCount = static_cast<int>(continents.size());
    for (auto& list : g_neighbours) list.fill(0);
    auto link = [](int a, int b) {
        int k = 1;
        while (g_neighbours[a][k] != 0) ++k;
        g_neighbours[a][k] = b;
    };
    for (auto [a, b] : links) {
        link(a, b);
        link(b, a);
    }
    g_maxContinentBorder = 0;
    for (std::size_t i = 0; i < continents.size(); ++i) {
        const int c = static_cast<int>(i) + 1;
        g_continents[c].fill(0);
        g_continentBorders[c].fill(0);
        const BoardContinent& continent = continents[i];
        for (std::size_t k = 0; k < continent.members.size(); ++k)
            g_continents[c][k + 1] = continent.members[k];
        g_continents[c][kContinentMemberCount] = static_cast<int>(continent.members.size());
        g_continents[c][kContinentBonus] = continent.bonus;
        for (std::size_t k = 0; k < continent.border.size(); ++k)
            g_continentBorders[c][k + 1] = continent.border[k];
        g_maxContinentBorder =
            std::max(g_maxContinentBorder, static_cast<int>(continent.border.size()));
    }
    for (int t = 1; t <= kMaxTerritories; ++t) g_territories[t] = TerritoryState{};
}

// One message a socket of the view sent: which of its sockets, and the text.
struct Sent {
    int socket;
    std::string text;
    bool operator==(const Sent&) const = default;
};

// Machines joined to the view: the view's sockets 1..n lead to them over the in-memory network.
class JoinedMachines {
  public:
    // `count` joined machines on the view's sockets 1..count.
    void Connect(headless::LoopbackSocketFactory& net, CChildView& view, int count) {
        listener_ = net.CreateSocket(log_);
        ASSERT_TRUE(listener_->Listen(0));
        for (int k = 1; k <= count; ++k) {
            remotes_.push_back(net.CreateSocket(log_));
            ASSERT_TRUE(remotes_.back()->Connect(net.LocalHostName(), listener_->LocalPort()));
            net.Pump();
            std::unique_ptr<platform::Socket> hostSide = net.CreateSocket(log_);
            ASSERT_TRUE(listener_->Accept(*hostSide));
            socketIds_[static_cast<headless::LoopbackSocket*>(hostSide.get())->Id()] = k;
            view.AttachSocket(k, std::move(hostSide));
        }
        net.Pump();
    }
    // Everything the view's sockets sent without error, in order.
    std::vector<Sent> SentMessages(const headless::LoopbackSocketFactory& net) const {
        std::vector<Sent> sent;
        for (const headless::SentMessage& message : net.Sent()) {
            const auto found = socketIds_.find(message.from);
            if (found != socketIds_.end() && message.error == platform::SocketError::None)
                sent.push_back({found->second, message.data});
        }
        return sent;
    }
    // The codes sent, as "code@socket".
    std::vector<std::string> SentCodes(const headless::LoopbackSocketFactory& net) const {
        std::vector<std::string> codes;
        for (const Sent& sent : SentMessages(net))
            codes.push_back(sent.text.substr(0, 4) + "@" + std::to_string(sent.socket));
        return codes;
    }
    // The loopback id of the view's socket `viewSocket`; -1 when it leads to none of them.
    int LoopbackId(int viewSocket) const {
        for (const auto& [id, socket] : socketIds_)
            if (socket == viewSocket) return id;
        return -1;
    }
    // Closes the joined machines' ends; the view must be gone first.
    void Close() {
        remotes_.clear();
        listener_.reset();
    }

  private:
    headless::SocketEventLog log_;
    std::unique_ptr<platform::Socket> listener_;
    std::vector<std::unique_ptr<platform::Socket>> remotes_;
    std::map<int, int> socketIds_;  // loopback id -> the view's socket number
};

// A game view on a fresh headless platform whose home and program folder is a new temporary
// folder named after `prefix`. The view starts as the program does: the test's main has reset
// the process state before the fixture was made.
class ViewFixture : public ::testing::Test {
  protected:
    explicit ViewFixture(std::string prefix) : prefix_(std::move(prefix)) {}
    void SetUp() override {
        home_ = MakeTemporaryFolder(prefix_);
        MakeView();
    }
    void TearDown() override {
        view_.reset();
        platform_.reset();
        std::filesystem::remove_all(home_);
    }
    // A fresh view on a fresh platform with a screen of the given size.
    void MakeView(platform::ScreenMetrics screen = {}) {
        view_.reset();
        platform_ = std::make_unique<headless::TestPlatform>(
            std::map<std::string, std::string>{{"HOME", home_}}, home_, screen);
        view_ = std::make_unique<CChildView>(platform_->platform);
    }

    CChildView& View() { return *view_; }

    std::string home_;
    std::unique_ptr<headless::TestPlatform> platform_;
    std::unique_ptr<CChildView> view_;

  private:
    std::string prefix_;
};

}  // namespace test_support
