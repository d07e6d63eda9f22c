#pragma once
// The part of a filled disc that is certainly painted by it: a stack of
// rectangles inside the disc, kept clear of its outline. Painting that a later
// opaque disc covers can leave this area alone and give the same pixels.
#include <QPoint>
#include <QRegion>

namespace rimora {

// The disc is the one Canvas::Ellipse paints for the box centre ± radius.
// Empty for discs too small to hold a band.
QRegion DiscInterior(QPoint centre, int radius);

}  // namespace rimora
