// Our raster surfaces (0x00BBGGRR) as Qt images and back: the one place the two pixel orders meet.
#pragma once

#include <QImage>

#include "platform/raster/surface.h"

namespace qtplatform {

// An opaque 32-bit image of the surface's size and colours.
QImage ToQImage(const raster::Surface& surface);

// The image's colours as a surface of its size; any alpha is dropped.
raster::Surface FromQImage(const QImage& image);

}  // namespace qtplatform
