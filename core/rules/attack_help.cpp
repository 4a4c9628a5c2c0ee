// The "Attacking" help window: its template with the texts of the two attack rules.
#include "core/rules/attack_help.h"

namespace {

DialogTemplate MakeAttackHelpTemplate() {
    using K = ControlKind;
    DialogTemplate t;
    t.id = CAttackhelpDlg::kIdd;
    t.caption = "Attacking";
    t.width = 230;
    t.height = 130;
    t.controls = {
        {kIdStatic, K::Static, "Dice-like", {10, 10, 210, 10}},
        {kIdStatic, K::Static, "The outcome of the attack is unpredictable", {20, 22, 200, 10}},
        {kIdStatic,
         K::Static,
         "(a bigger army gives a better chance of winning).",
         {20, 32, 200, 10}},
        {kIdStatic, K::Static, "1-for-1", {10, 50, 210, 10}},
        {kIdStatic,
         K::Static,
         "Largest force loses as many as the smaller force",
         {20, 62, 200, 10}},
        {kIdStatic, K::Static, "(the biggest army always wins the battle).", {20, 72, 200, 10}},
        {kIdStatic, K::Static, "This option makes the game more challenging.", {20, 84, 200, 10}},
        {kIdOk, K::Button, "OK", {90, 108, 50, 14}, ctl::kDefault | ctl::kTabStop},
    };
    return t;
}

}  // namespace

const DialogTemplate& AttackHelpTemplate() {
    static const DialogTemplate t = MakeAttackHelpTemplate();
    return t;
}

CAttackhelpDlg::CAttackhelpDlg() : CDialog(AttackHelpTemplate()) {}
