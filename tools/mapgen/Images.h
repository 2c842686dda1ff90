// The pictures the map windows show: file, pixel size, data resolution and
// the exact linear mapping from degrees to pixels that puts every cell of a
// window over the area it names.
#pragma once

#include <QPointF>

#include <optional>
#include <string>
#include <vector>

namespace Mapgen {

// An exact fraction, so that grid positions such as 160·k/3 are computed
// without rounding (44 must never become 43.999… and land one pixel off).
struct Fraction {
    long long Num = 0;
    long long Den = 1;
    double Valeur() const { return static_cast<double>(Num) / static_cast<double>(Den); }
};

// x = Ax·lon + Bx and y = By − Ay·lat, in pixels from the top-left corner,
// degrees positive to the east and north.
struct Projection {
    Fraction Ax, Bx, Ay, By;

    QPointF Pixel(double lon, double lat) const {
        return {Ax.Valeur() * lon + Bx.Valeur(), By.Valeur() - Ay.Valeur() * lat};
    }
    // The pixel column (row) of the line at a whole longitude (latitude): the
    // column holding x, or the last column when x falls on the right edge;
    // nothing when the line is off the picture.
    std::optional<int> Colonne(long long lon, int largeur) const;
    std::optional<int> Rangee(long long lat, int hauteur) const;
};

enum class Genre {
    Monde,  // GIF: field grid and field names
    Quart,  // colour JPEG: field grid
    Europe, // colour JPEG: light square grid under the field grid
    Champ,  // greyscale JPEG: square grid, the field outlined 3 px thick
};

struct Definition_Image {
    std::string Fichier; // name in resources/maps/ (the world map is written as PNG, then made GIF)
    int Largeur = 0;
    int Hauteur = 0;
    Projection P;
    std::string Resolution; // "110m", "50m" or "10m" of countries-*.json
    Genre G = Genre::Quart;
    int Champ_Ouest = 0; // field maps: the field's south-west corner, degrees
    int Champ_Sud = 0;
};

// The 15 pictures: world, the quarters NE, NO, SE, SO, Europe, the fields IM..KO.
const std::vector<Definition_Image>& Images();

} // namespace Mapgen
