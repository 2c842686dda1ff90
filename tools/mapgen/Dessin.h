// Drawing a map picture (land, coasts, borders, the locator grid) and the
// window icon, with QPainter on a QImage.
#pragma once

#include "tools/mapgen/Images.h"
#include "tools/mapgen/Topologie.h"

#include <QImage>

namespace Mapgen {

// The picture of d, from the topology of its resolution: RGB32 for the world
// and colour maps, Grayscale8 at 72 dpi for the field maps.
QImage Dessiner(const Definition_Image& d, const Topologie& topo);

// Land alone, white on black, under the mapping of d.
QImage Masque_Terre(const Definition_Image& d, const Topologie& topo);

// The 32 × 32 window icon: a globe centred on Europe, at most 16 colours.
QImage Dessiner_Icone(const Topologie& topo);

} // namespace Mapgen
