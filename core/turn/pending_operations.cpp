// Operations of windows still to come (the internet game list, the internet windows): until
// those windows exist there is nothing to show.
#include <string>

#include "core/child_view.h"

// Internet game list.
void CChildView::PublishGameListEntry(std::int32_t, std::string, std::int32_t) {}
// Internet windows: direct-IP information.
void CChildView::DestroyDirectIpWindow() {}
