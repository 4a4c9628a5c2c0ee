// The state a menu item or toolbar button is given by its update handler.
#pragma once

struct CmdUI {
    bool enabled = false;
    bool checked = false;
};
