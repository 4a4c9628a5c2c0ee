// Our raster surfaces (0x00BBGGRR) as Qt images and back: the one place the two pixel orders meet.
#pragma once

#include <QImage>

#include "platform/raster/surface.h"

namespace qtplatform {

// An opaque 32-bit image of the surface's size and colours.
QImage ToQImage(const raster::Surface& surface);

// The image's colours as a surface of its size; any alpha is dropped.
raster::Surface FromQImage(const QImage& image);

// The surface's own pixels seen as a Qt image, without a copy or a conversion: 0x00BBGGRR in
// memory is red, green, blue and an unused byte, which Qt reads as RGBX8888. A window paints
// from it directly; the view is valid while the surface lives and keeps its size.
QImage SurfaceView(const raster::Surface& surface);

}  // namespace qtplatform
