// The army count a human player chooses: the list of counts offered, the texts of the question
// and the "Armies" window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialog.h"

namespace army_count {

// The initial placement offers 3, 2 and 1 as far as armies are left, then 0.
std::vector<std::int32_t> PlacementChoices(std::int32_t armiesLeft);
// n - 1, 0, then downwards by a step that grows with n while the count stays at least 1.
std::vector<std::int32_t> CountChoices(std::int32_t n);
// The n of the phase in force (the armies of the source, the moves left plus one, ...).
std::int32_t PhaseBase();
// What the window offers now; a limit of 0 or less offers 0 only.
std::vector<std::int32_t> ChoicesNow(std::int32_t limit);

struct Question {
    std::string limitPrefix;  // the start of the text that refuses a count above the limit
    std::string text;         // shown in the status line
};
Question QuestionNow(bool afterConquest);
std::string OverLimitText(const std::string& prefix, std::int32_t limit);

}  // namespace army_count

class ClegersDlg : public CDialog {
  public:
    static constexpr int kIdd = 168;
    static constexpr int kIdList = 1010;

    ClegersDlg();

    std::vector<std::int32_t> choices;  // listed on opening, the first one selected
    std::string text;                   // the selected entry's text, read back on OK

    bool OnInitDialog() override;
    bool DoDataExchange(bool save) override;
};

const DialogTemplate& ArmiesTemplate();
