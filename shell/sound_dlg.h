// The "Sound Settings" dialog: no sound at all, or each game event's sound on or off, and each
// sound played once to hear what it is.
#pragma once

#include <array>
#include <string>

#include "platform/dialog.h"

namespace platform {
class SoundPlayer;
}

const DialogTemplate& SoundTemplate();

class CSoundDlg : public CDialog {
  public:
    static constexpr int kIdd = 239;
    static constexpr int kIdNone = 1004;
    // The event boxes in the order of the checks below (after None).
    static constexpr std::array<int, 8> kEventIds{1005, 1042, 1043, 1044, 1045, 1046, 1047, 1048};
    // The "Play" button beside each event box, in the same order.
    static constexpr std::array<int, 8> kPlayIds{1110, 1111, 1112, 1113, 1114, 1115, 1116, 1117};

    // The sounds are played from the program folder's sounds through `sound`.
    CSoundDlg(platform::SoundPlayer& sound, std::string programFolder);

    // Exchanged with the boxes: [0] None, then the events in the order of kEventIds.
    std::array<int, 9> checks{};

    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;
    void OnCommand(int controlId, Notification code) override;
    void OnNone();
    void OnPlay(std::size_t event);

  private:
    void EnableEvents();

    platform::SoundPlayer& sound_;
    std::string programFolder_;
};
