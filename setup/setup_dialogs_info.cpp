// The information dialogs: their lines, the painted icons, the mission window and the high-score
// rules.
#include "setup/setup_dialogs_info.h"

#include <initializer_list>

#include "core/commands/web_pages.h"
#include "core/model/options.h"
#include "core/turn/turn_state.h"
#include "platform/files.h"
#include "platform/raster/blit.h"
#include "platform/raster/bmp.h"
#include "platform/resources.h"
#include "platform/shell.h"
#include "setup/setup_dialogs_layout.h"
#include "shell/settings.h"

namespace {

using setup_layout::TemplateBuilder;

// A plain information dialog: its lines one under the other right of the icon, OK below.
DialogTemplate Lines(int id, const char* caption, int width,
                     std::initializer_list<const char*> lines, int left = 40) {
    const int height = 30 + static_cast<int>(lines.size()) * 10 + 24;
    TemplateBuilder b(id, caption, width, height, false);
    int y = 12;
    for (const char* line : lines) {
        b.Text(kIdStatic, line, {left, y, width - left - 8, 9});
        y += 10;
    }
    return b.OkOnly(height - 22).Build();
}

const DialogTemplate& StrongholdsTemplate() {
    static const DialogTemplate t =
        Lines(CStronginfoDlg::kIdd, "Strongholds", 320,
              {"Choose a territory as your stronghold and defend it at all cost.",
               "Without it you lose, and your territories convert to neutral.",
               "The first territory you pick during initial placement will be your stronghold and "
               "will get 15 bonus armies.",
               "The number of players is limited to the number of continents on the map."});
    return t;
}

const DialogTemplate& TroopExperienceTemplate() {
    static const DialogTemplate t =
        Lines(CTEInfoDlg::kIdd, "Troop Experience", 290,
              {"During battles your troops will gain experience, whereas",
               "avoiding battles will have the opposite effect.",
               "Troop Experience (TE) is shown as a percentage next to the player's name.",
               "A higher TE will give your troops defensive and offensive advantages.",
               "Troop Experience begins with round 10."});
    return t;
}

const DialogTemplate& MissionsTemplate() {
    static const DialogTemplate t = Lines(
        CMissioninfoDlg::kIdd, "Missions", 290,
        {"Conquer All", "Default mission, you must conquer everything on the map.",
         "Continents *               (single player)", "Conquer continents in a prescribed order. ",
         "There is no need to hold a conquered continent.",
         "Hold Continents         (single player)",
         "Here losing a continent means losing the game.",
         "* The main window caption shows the current continent when playing.",
         "The continents window shows your progress."});
    return t;
}

// Each name beside its description, the descriptions in the order the names are listed.
const DialogTemplate& PersonalitiesInfoTemplate() {
    static const DialogTemplate t = [] {
        struct Row {
            const char* name;
            std::initializer_list<const char*> lines;
        };
        const Row rows[] = {
            {"Normal", {"- the default computer player."}},
            {"Conqueror",
             {"- a more attacking play style,", "weakening the strongest, mopping up remnants."}},
            {"Defensive", {"- defensive play style (stockpiling armies) ."}},
            {"Avenger", {"- don't attack his continent !"}},
            {"Hunter", {"- is less interested in continents.."}},
            {"Unstable",
             {"- changes his personality (to those listed above) several ",
              "times during the game."}},
        };
        TemplateBuilder b(CPersinfoDlg::kIdd, "Personalities", 320, 214, false);
        int y = 12;
        for (const Row& row : rows) {
            b.Text(kIdStatic, row.name, {40, y, 50, 9});
            for (const char* line : row.lines) {
                b.Text(kIdStatic, line, {92, y, 220, 9});
                y += 10;
            }
            y += 2;
        }
        for (const char* line :
             {"Determined - is busy conquering continents, disregarding everything else.",
              "Random Mix - the program generates a random combination of ",
              "personalities - to be revealed at the end of the game ",
              "(Scores window - List All ).", "Level Easy", "- no personalities."}) {
            b.Text(kIdStatic, line, {40, y, 272, 9});
            y += 10;
        }
        return b.OkOnly(192).Build();
    }();
    return t;
}

const DialogTemplate& QuickTemplate() {
    static const DialogTemplate t = Lines(
        CQuickDlg::kIdd, "Quick Launch - Single player Game", 220,
        {"Quick Launch bypasses several input dialogs", "and uses settings of the last saved game.",
         "Single player games only.", "", "You haven't saved a game yet."});
    return t;
}

const DialogTemplate& CreatingMapsTemplate() {
    static const DialogTemplate t =
        TemplateBuilder(CCreamapDlg::kIdd, "Creating Maps", 250, 84, false)
            .Text(kIdStatic, "For a guide on how to create your own maps or campaigns,",
                  {50, 14, 192, 9})
            .Text(kIdStatic, "see Help - Contents - Creating Maps", {50, 26, 192, 9})
            .Check(CCreamapDlg::kIdDontShow, "Don't show this again", {50, 44, 120, 10})
            .OkOnly(62)
            .Build();
    return t;
}

const DialogTemplate& MissionTemplate() {
    static const DialogTemplate t = TemplateBuilder(CMissionDlg::kIdd, "Mission", 240, 80)
                                        .Text(CMissionDlg::kIdText, "", {44, 12, 188, 40})
                                        .OkOnly(58)
                                        .Build();
    return t;
}

const DialogTemplate& World100Template() {
    static const DialogTemplate t = [] {
        TemplateBuilder b(CWorld100Dlg::kIdd, "Submit High Scores", 300, 170, false);
        int y = 12;
        for (const char* line :
             {"Play a single player game with:", "1-for-1 system,", "a map of your choice ,",
              "9 computer players (2 conquerors, 2 defensive, 2 hunters,",
              "2 determined, 1 normal)", "and get your name listed on the top 5 players list.",
              "Note: you can't save during game play.",
              "On completion, the program produces a Code that can be used ",
              "to enter your score into the Marovek high scores (if it is good enough).",
              "Some maps are played with Troop Experience enabled (and 9 conquerors)."}) {
            b.Text(kIdStatic, line, {40, y, 252, 9});
            y += 11;
        }
        return b.Button(CWorld100Dlg::kIdWebsite, "High Scores (website)", {40, 148, 90, 14})
            .Button(kIdOk, "OK", {200, 148, 50, 14}, ctl::kDefault)
            .Build();
    }();
    return t;
}

}  // namespace

void CInfoDlg::OnPaint(raster::Surface& surface) {
    setup_layout::PaintInformationIcon(surface, iconAt_.x, iconAt_.y);
}

CStronginfoDlg::CStronginfoDlg() : CInfoDlg(StrongholdsTemplate(), {15, 15}) {}
CTEInfoDlg::CTEInfoDlg() : CInfoDlg(TroopExperienceTemplate(), {15, 15}) {}
CMissioninfoDlg::CMissioninfoDlg() : CInfoDlg(MissionsTemplate(), {15, 15}) {}
CPersinfoDlg::CPersinfoDlg() : CInfoDlg(PersonalitiesInfoTemplate(), {15, 15}) {}
CQuickDlg::CQuickDlg() : CInfoDlg(QuickTemplate(), {15, 12}) {}

CCreamapDlg::CCreamapDlg() : CInfoDlg(CreatingMapsTemplate(), {20, 30}) {}

bool CCreamapDlg::DoDataExchange(bool save) {
    if (save) {
        dontShowAgain = GetCheck(kIdDontShow) != 0 ? 1 : 0;
    } else {
        SetCheck(kIdDontShow, dontShowAgain != 0 ? 1 : 0);
    }
    return true;
}

CMissionDlg::CMissionDlg(const platform::Files& files)
    : CDialog(MissionTemplate()), files_(files) {}

bool CMissionDlg::DoDataExchange(bool save) {
    if (save) {
        text = GetText(kIdText);
    } else {
        SetText(kIdText, text);
    }
    return true;
}

bool CMissionDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetOpacity(g_transparencyPercent);
    // The order's icon, or the one of a completed mission.
    const int iconId = g_missionTextKind == 0 ? 370 : 371;
    icon_.reset();
    if (const auto folder = files_.ProgramFolder()) {
        constexpr std::size_t kMaxIconBytes = 64u << 10;
        if (const auto bytes = files_.Read(platform::IconPath(*folder, iconId), kMaxIconBytes))
            icon_ = raster::ReadBmp(*bytes, nullptr);
    }
    return true;
}

void CMissionDlg::OnPaint(raster::Surface& surface) {
    if (!icon_) return;  // a missing picture is not drawn
    raster::StretchBlit(surface, {15, 15, 47, 47}, *icon_, {0, 0, icon_->Width(), icon_->Height()});
}

CWorld100Dlg::CWorld100Dlg(platform::Shell& shell)
    : CInfoDlg(World100Template(), {15, 12}), shell_(shell) {}

void CWorld100Dlg::OnCommand(int controlId, Notification code) {
    if (controlId == kIdWebsite && code == Notification::Clicked)
        shell_.OpenUrl(std::string(kWebsiteHost) + kHighScoresPagePath);
}
