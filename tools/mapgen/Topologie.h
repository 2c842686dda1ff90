// A TopoJSON topology of countries, decoded: its quantized arcs, the land's
// polygons as rings of arc references, and which arcs are coastline (the
// land's boundary) and which are national borders (shared by two countries).
#pragma once

#include <QPointF>
#include <QString>

#include <cstdint>
#include <vector>

namespace Mapgen {

struct Point_Quantifie {
    std::int32_t X = 0;
    std::int32_t Y = 0;
};

// A ring as TopoJSON writes it: arc indices, ~i (that is -i-1) for arc i reversed.
using Anneau_Arcs = std::vector<int>;
// A polygon: its outer ring, then its holes.
using Polygone_Arcs = std::vector<Anneau_Arcs>;

struct Topologie {
    double Echelle_X = 1, Echelle_Y = 1;
    double Translation_X = 0, Translation_Y = 0;
    std::vector<std::vector<Point_Quantifie>> Arcs; // absolute quantized positions
    std::vector<Polygone_Arcs> Terre;               // object "land"
    std::vector<int> Arcs_Cote;                     // arcs of the land's boundary
    std::vector<int> Arcs_Frontiere;                // arcs shared by two different countries

    // Degrees (lon, lat) of a quantized position.
    QPointF Degres(Point_Quantifie p) const {
        return {p.X * Echelle_X + Translation_X, p.Y * Echelle_Y + Translation_Y};
    }
    // Whether the segment a-b lies on a cut of the data rather than on a real
    // coast: along the ±180° meridian (where some rings crossing it were
    // split) or across it (a chord closing a ring that goes round the globe),
    // or along the southern limit, where Antarctica may be closed.
    bool Sur_Coupure(Point_Quantifie a, Point_Quantifie b) const;
    // The points of a ring, arcs joined end to end (each shared joint once).
    std::vector<Point_Quantifie> Points_Anneau(const Anneau_Arcs& anneau) const;
};

// Reads a countries-*.json file (objects "countries" and "land"). On failure,
// returns false and says why in erreur.
bool Lire_Topologie(const QString& fichier, Topologie& topo, QString& erreur);

} // namespace Mapgen
