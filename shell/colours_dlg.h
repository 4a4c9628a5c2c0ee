// The "Change Colors" dialog: each player's colour and attack colour, the oceans colour and the
// territories' fill; Cancel puts every colour back as it was.
#pragma once

#include <string>

#include "platform/dialog.h"
#include "platform/raster/surface.h"
#include "render/player_colour_rules.h"

namespace platform {
class DialogHost;
class WindowServices;
}  // namespace platform

const DialogTemplate& ColoursTemplate();

class CSpkleurenDlg : public CDialog {
  public:
    static constexpr int kIdd = 171;
    static constexpr int kIdGradedFill = 1000;  // radio group: 0 Graded Fill, 1 Solid Fill
    static constexpr int kIdSolidFill = 1001;
    static constexpr int kIdPlayer = 1010;
    static constexpr int kIdChangePlayerColour = 1013;
    static constexpr int kIdChangeAttackColour = 1014;
    static constexpr int kIdRestoreDefaults = 1023;
    static constexpr int kIdChangeOceansColour = 1034;
    static constexpr int kGradedFill = 0;
    static constexpr int kSolidFill = 1;

    // The colour picker comes from `host`; the word about a refused or nudged colour is said
    // through `window`.
    CSpkleurenDlg(platform::DialogHost& host, platform::WindowServices& window);

    // Exchanged with the radio group and the player list.
    int fillChoice = kGradedFill;
    std::string selectedPlayer;

    // The player chosen in the list, 1..10.
    int ChosenPlayer() const { return player_; }
    const render::PlayerColourTable& WorkingColours() const { return working_; }
    raster::Colour WorkingOceansColour() const { return oceansWorking_; }

    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;
    void OnCommand(int controlId, Notification code) override;
    void OnPaint(raster::Surface& surface) override;
    void OnOK() override;
    void OnCancel() override;

    void OnSelchangePlayer();
    void OnChangePlayerColor();
    void OnChangeAttackColor();
    void OnChangeBackgroundColor();
    void OnRestoreDefaults();

  private:
    void ChangeSlot(std::size_t slot);

    platform::DialogHost& host_;
    platform::WindowServices& window_;
    render::PlayerColourTable backup_{};
    render::PlayerColourTable working_{};
    raster::Colour oceansBackup_ = 0;
    raster::Colour oceansWorking_ = 0;
    int player_ = 1;
};
