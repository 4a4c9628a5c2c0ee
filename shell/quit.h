// The quit confirmation of the main frame.
#pragma once

#include "platform/window_services.h"

// Asks whether to quit; on Yes sets g_exitReason (what the view's destructor tells the other
// machines) and answers true. On No nothing changes.
bool ConfirmQuit(platform::WindowServices& window);
