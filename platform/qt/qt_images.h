// Our raster surfaces (0x00BBGGRR) as Qt images and back: the one place the two pixel orders meet.
#pragma once

#include <QImage>
#include <QRect>

#include "platform/raster/surface.h"

namespace qtplatform {

// An opaque 32-bit image of the surface's size and colours.
QImage ToQImage(const raster::Surface& surface);

// The image's colours as a surface of its size; any alpha is dropped.
raster::Surface FromQImage(const QImage& image);

// The image a window paints from, kept between its paints: each paint converts only the part of
// the surface it shows into the same image, which is made again only when the surface changes
// size. The pixels outside the converted part are left as the last paint that showed them.
class SurfaceImage {
  public:
    // Converts `area` (clipped to the surface) and returns the image.
    const QImage& Update(const raster::Surface& surface, const QRect& area);
    const QImage& Image() const { return image_; }

  private:
    QImage image_;
};

}  // namespace qtplatform
