// A picture held by several owners without copies: it is read only, and freed with its last
// holder.
#pragma once

#include <memory>
#include <utility>

#include "platform/raster/surface.h"

namespace raster {

class SharedSurface {
  public:
    SharedSurface() = default;
    SharedSurface(Surface picture)  // NOLINT: a picture is taken over as it stands
        : picture_(std::make_shared<const Surface>(std::move(picture))) {}
    SharedSurface(std::shared_ptr<const Surface> picture) : picture_(std::move(picture)) {}

    bool Empty() const { return picture_ == nullptr || picture_->Empty(); }
    // The picture; an empty one when none is held.
    const Surface& Get() const { return picture_ != nullptr ? *picture_ : EmptySurface(); }
    operator const Surface&() const { return Get(); }  // NOLINT: read where a surface is read
    const std::shared_ptr<const Surface>& Share() const { return picture_; }

  private:
    static const Surface& EmptySurface() {
        static const Surface empty;
        return empty;
    }
    std::shared_ptr<const Surface> picture_;
};

}  // namespace raster
