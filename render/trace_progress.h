// The progress bar shown in the status bar while territory outlines are traced.
#pragma once

#include "platform/raster/surface.h"

namespace render {

class TraceProgress {
  public:
    virtual ~TraceProgress() = default;
    // Shows the bar at `rect` (status-bar pixels) for steps first..last, at position first.
    virtual void Begin(const raster::Rect& rect, int first, int last) = 0;
    virtual void Step() = 0;
    virtual void End() = 0;
};

}  // namespace render
