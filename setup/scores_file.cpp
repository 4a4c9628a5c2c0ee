// The scores file: its path, its creation when missing, and the record of a won game built field
// by field and appended.
#include "setup/scores_file.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <optional>

#include "core/child_view.h"
#include "core/model/campaign_state.h"
#include "core/model/files.h"
#include "core/model/game_state.h"
#include "core/model/map_catalogue.h"
#include "core/model/options.h"
#include "core/model/session_state.h"
#include "core/turn/turn_state.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/window_services.h"
#include "shell/settings.h"
#include "shell/storage.h"

std::int32_t g_joinedSeatCount = 0;
// A score that could not be written has been reported; once is enough for a session.
bool g_scoreWriteFailureReported = false;

void ResetScoresState() {
    g_joinedSeatCount = 0;
    g_scoreWriteFailureReported = false;
}

namespace {

constexpr std::array<const char*, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::int32_t kUnstable = 6;
constexpr std::size_t kNamePart = 7;

void PutI32(scores::Record& record, std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i)
        record[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

// Copies at most width - 1 characters (or `width` for the title), the rest stays 0.
void PutText(scores::Record& record, std::size_t offset, std::size_t width,
             const std::string& text) {
    const std::size_t n = std::min(text.size(), width);
    std::memcpy(record.data() + offset, text.data(), n);
}

void PutPersonalities(scores::Record& record) {
    const bool apply = g_isNormalLevel && !IsNetworkGame() && !g_hasNeutralArmy;
    if (!apply) return;
    for (int p = 1; p <= kMaxPlayers; ++p) {
        const std::int32_t personality =
            g_unstableMarks[p] == kUnstable ? kUnstable : g_personalities[p];
        PutI32(record, scores::kPersonalitiesOffset + 4 * static_cast<std::size_t>(p - 1),
               personality);
    }
    record[scores::kRandomMixOffset] = g_isRandomMix ? 1 : 0;
}

std::int32_t HumansRecorded() {
    if (g_hasNeutralArmy) return 2;
    if (IsNetworkGame()) return g_joinedSeatCount;
    return g_humanPlayerCount;
}

}  // namespace

namespace scores {

std::string Title() {
    if (IsBuiltinCampaign(g_campaignNumber)) return CampaignScoreTitle(g_campaignNumber);
    if (g_campaignNumber == kOwnCampaign) return g_campaignName.substr(0, kTitleWidth);
    if (g_campaignNumber > kOwnCampaign) return {};
    if (g_isMapCustom) return g_mapName.substr(0, kTitleWidth);
    // A map without a title of its own goes by the title of the campaign that plays it.
    if (const BuiltinMap* map = SelectedBuiltinMap())
        return map->scoreTitle.empty() ? CampaignScoreTitle(map->campaign)
                                       : std::string(map->scoreTitle);
    return {};
}

std::string FormatDate(const std::tm& time) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%02d%04d%02d%02d",
                  kMonths[static_cast<std::size_t>(std::clamp(time.tm_mon, 0, 11))], time.tm_mday,
                  time.tm_year + 1900, time.tm_hour, time.tm_min);
    return text;
}

std::string NameText(std::int32_t winner, const std::string& name) {
    if (g_humanPlayerCount < 2) return name;
    const std::int32_t other = winner == 1 ? 2 : 1;
    return "1." + name.substr(0, kNamePart) + " 2." + g_playerNames[other].substr(0, kNamePart);
}

Record BuildRecord(const Result& result) {
    Record record{};
    PutText(record, kTitleOffset, kTitleWidth, Title());
    PutI32(record, kPlayersOffset, g_hasNeutralArmy ? 2 : result.players);
    PutI32(record, kOneForOneOffset, IsYes(result.ruleByte) ? 1 : 0);
    PutI32(record, kHiddenOffset, g_areTerritoriesHidden ? 1 : 0);
    PutI32(record, kNormalLevelOffset, g_isNormalLevel ? 1 : 0);
    PutI32(record, kNoStrongholdsOffset, g_areStrongholdsOn ? 0 : 1);
    PutI32(record, kNoExperienceOffset, g_isTroopExperienceOn ? 0 : 1);
    PutI32(record, kMissionOffset, g_missionKind);
    PutPersonalities(record);
    PutI32(record, kLossesOffset, result.losses);
    PutI32(record, kHumansOffset, HumansRecorded());
    PutText(record, kDateOffset, kTextWidth - 1, result.date);
    PutText(record, kNameOffset, kTextWidth - 1, NameText(result.winner, result.name));
    return record;
}

void EnsureFile(platform::Files& files, const std::string& path) {
    if (path.empty() || files.Exists(path)) return;
    files.CreateNew(path, {});
}

bool AppendRecord(platform::Files& files, const std::string& path, const Record& record) {
    if (path.empty()) return false;
    std::optional<platform::Bytes> content = files.Read(path, kMaxFileBytes);
    if (!content) {
        if (files.Exists(path)) return false;  // there but unreadable: never replaced
        content.emplace();
    }
    if (content->size() >= kMaxFileBytes) return false;
    content->insert(content->end(), record.begin(), record.end());
    return files.WriteAtomic(path, *content);
}

}  // namespace scores

void CChildView::LoadScoresRecord() {
    g_scoresFilePath = g_appDataFolder.empty()
                           ? std::string()
                           : platform::JoinPath(g_appDataFolder, kScoresFileName);
    if (g_scoresFilePath.empty()) return;
    const std::optional<platform::Bytes> first =
        platform_.files.Read(g_scoresFilePath, kScoreRecordSize);
    if (first) {
        g_scoreRecord.fill(0);
        std::copy(first->begin(), first->end(), g_scoreRecord.begin());
        return;
    }
    scores::EnsureFile(platform_.files, g_scoresFilePath);
}

void CChildView::RecordScore(std::int32_t winner, std::int32_t players, char ruleByte,
                             std::int32_t losses, std::string name) {
    const std::time_t now = static_cast<std::time_t>(platform_.clock.Now());
    std::tm local{};
    localtime_r(&now, &local);
    LoadScoresRecord();
    const scores::Result result{winner, players,         ruleByte,
                                losses, std::move(name), scores::FormatDate(local)};
    g_scoreRecord = scores::BuildRecord(result);
    // A record that cannot be written is lost; the player hears of it once, and the game's end
    // is reported all the same.
    if (scores::AppendRecord(platform_.files, g_scoresFilePath, g_scoreRecord) ||
        g_scoreWriteFailureReported)
        return;
    g_scoreWriteFailureReported = true;
    const std::string where =
        g_scoresFilePath.empty() ? "no folder for the scores was found" : g_scoresFilePath;
    platform_.window.MessageBox("The score of this game cannot be saved (" + where +
                                    "). The scores file keeps the scores it had.",
                                "Marovek", platform::MessageButtons::Ok,
                                platform::MessageIcon::Exclamation);
}
