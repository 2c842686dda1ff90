#include "tools/mapgen/Dessin.h"

#include "maps/common/Cartes.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace Mapgen {

namespace {

struct Style {
    QColor Mer, Terre, Cote, Frontiere, Ligne_Champ, Ligne_Carre, Nom;
};

const Style Style_Couleur{QColor(0xFF, 0xFF, 0xFF), QColor(0xC8, 0xC8, 0xC8), QColor(0, 0, 0),
                          QColor(0x80, 0x80, 0x80), QColor(0, 0, 0x80),       QColor(0xA0, 0xA0, 0xE0),
                          QColor(0x80, 0x80, 0x80)};
const Style Style_Gris{QColor(255, 255, 255), QColor(200, 200, 200), QColor(0, 0, 0), QColor(96, 96, 96),
                       QColor(0, 0, 0),       QColor(0, 0, 0),       QColor(0, 0, 0)};

class Peintre {
public:
    Peintre(const Definition_Image& d, const Topologie& topo, QImage& image)
        : d_(d), topo_(topo), p_(&image), vue_(-2, -2, d.Largeur + 4, d.Hauteur + 4) {
        // Aliased on the GIF, so that its palette stays small.
        p_.setRenderHint(QPainter::Antialiasing, d.G != Genre::Monde);
    }

    // A ring or arc in degrees, its longitudes made continuous: the data
    // crosses the ±180° meridian by a jump of nearly 360°, which becomes a
    // short step past ±180°.
    std::vector<QPointF> Degres_Continus(const std::vector<Point_Quantifie>& points) const {
        std::vector<QPointF> d;
        d.reserve(points.size());
        double decalage = 0;
        for (Point_Quantifie q : points) {
            QPointF g = topo_.Degres(q);
            if (!d.empty()) {
                const double saut = g.x() + decalage - d.back().x();
                if (saut > 180) decalage -= 360;
                if (saut < -180) decalage += 360;
            }
            g.rx() += decalage;
            d.push_back(g);
        }
        return d;
    }

    // The pixels of a line in degrees, shifted by a whole turn of longitude.
    QPolygonF Pixels(const std::vector<QPointF>& degres, double tour) const {
        QPolygonF p;
        p.reserve(static_cast<qsizetype>(degres.size()));
        for (const QPointF& g : degres) p << d_.P.Pixel(g.x() + tour, g.y());
        return p;
    }

    // Adds a polygon to a path, or draws a polyline, once for each copy of it
    // (one turn west, in place, one turn east) that meets the picture.
    template <class F> void Copies(const std::vector<QPointF>& degres, F&& faire) const {
        for (double tour : {-360.0, 0.0, 360.0}) {
            const QPolygonF p = Pixels(degres, tour);
            if (p.size() >= 2 && p.boundingRect().intersects(vue_)) faire(p);
        }
    }

    void Terre(const QColor& couleur) {
        QPainterPath chemin;
        chemin.setFillRule(Qt::OddEvenFill);
        for (const auto& polygone : topo_.Terre) {
            for (const auto& anneau : polygone) {
                std::vector<QPointF> degres = Degres_Continus(topo_.Points_Anneau(anneau));
                if (degres.empty()) continue;
                // A ring that goes once round the globe (Antarctica) encloses
                // its pole: close it along the pole, past the picture's edge.
                if (std::abs(degres.back().x() - degres.front().x()) > 180) {
                    const double pole = degres.front().y() < 0 ? -91 : 91;
                    degres.emplace_back(degres.back().x(), pole);
                    degres.emplace_back(degres.front().x(), pole);
                }
                Copies(degres, [&](const QPolygonF& p) {
                    chemin.addPolygon(p);
                    chemin.closeSubpath();
                });
            }
        }
        p_.fillPath(chemin, couleur);
    }

    // Strokes arcs, leaving out the segments that lie on the data's cuts.
    void Arcs(const std::vector<int>& arcs, const QColor& couleur) {
        p_.setPen(QPen(couleur, 1.0));
        p_.setBrush(Qt::NoBrush);
        for (int i : arcs) {
            const auto& arc = topo_.Arcs[static_cast<std::size_t>(i)];
            std::size_t debut = 0;
            auto tracer = [&](std::size_t fin) {
                if (fin > debut + 1) {
                    const std::vector<Point_Quantifie> morceau(
                        arc.begin() + static_cast<std::ptrdiff_t>(debut),
                        arc.begin() + static_cast<std::ptrdiff_t>(fin));
                    Copies(Degres_Continus(morceau), [&](const QPolygonF& p) { p_.drawPolyline(p); });
                }
                debut = fin;
            };
            for (std::size_t k = 1; k < arc.size(); ++k)
                if (topo_.Sur_Coupure(arc[k - 1], arc[k])) tracer(k);
            tracer(arc.size());
        }
    }

    // 1-px lines every pas_lon degrees of longitude and pas_lat of latitude,
    // across the whole picture, at the pixels the mapping gives.
    void Grille(int pas_lon, int pas_lat, const QColor& couleur) {
        for (int lon = -180; lon <= 180; lon += pas_lon)
            if (auto x = d_.P.Colonne(lon, d_.Largeur)) p_.fillRect(QRect(*x, 0, 1, d_.Hauteur), couleur);
        for (int lat = -90; lat <= 90; lat += pas_lat)
            if (auto y = d_.P.Rangee(lat, d_.Hauteur)) p_.fillRect(QRect(0, *y, d_.Largeur, 1), couleur);
    }

    // The field of a field map, outlined by the 3-px bands ⌊v⌋−1 … ⌊v⌋+1.
    void Contour_Champ(const QColor& couleur) {
        const int g = *d_.P.Colonne(d_.Champ_Ouest, d_.Largeur);
        const int dr = *d_.P.Colonne(d_.Champ_Ouest + 20, d_.Largeur);
        const int h = *d_.P.Rangee(d_.Champ_Sud + 10, d_.Hauteur);
        const int b = *d_.P.Rangee(d_.Champ_Sud, d_.Hauteur);
        p_.fillRect(QRect(g - 1, h - 1, 3, b - h + 3), couleur);
        p_.fillRect(QRect(dr - 1, h - 1, 3, b - h + 3), couleur);
        p_.fillRect(QRect(g - 1, h - 1, dr - g + 3, 3), couleur);
        p_.fillRect(QRect(g - 1, b - 1, dr - g + 3, 3), couleur);
    }

    // Each field's name, centred on its cell of the world map window.
    void Noms_Champs(const QColor& couleur) {
        QFont police(QStringLiteral("Liberation Sans"));
        police.setPixelSize(12); // 9 pt
        p_.setFont(police);
        p_.setPen(couleur);
        for (const auto& c : Sous_Programmes::Description_Carte_Monde().Cellules) {
            const double t = Sous_Programmes::Twips_Par_Pixel;
            const QPointF centre((c.Rect.Left + c.Rect.Width / 2.0) / t,
                                 (c.Rect.Top + c.Rect.Height / 2.0) / t);
            p_.drawText(QRectF(centre.x() - 20, centre.y() - 10, 40, 20), Qt::AlignCenter,
                        QString::fromStdString(c.Zone));
        }
    }

private:
    const Definition_Image& d_;
    const Topologie& topo_;
    QPainter p_;
    QRectF vue_;
};

} // namespace

QImage Dessiner(const Definition_Image& d, const Topologie& topo) {
    const Style& s = d.G == Genre::Champ ? Style_Gris : Style_Couleur;
    QImage image(d.Largeur, d.Hauteur, QImage::Format_RGB32);
    image.fill(s.Mer);
    {
        Peintre p(d, topo, image);
        p.Terre(s.Terre);
        p.Arcs(topo.Arcs_Frontiere, s.Frontiere);
        p.Arcs(topo.Arcs_Cote, s.Cote);
        switch (d.G) {
        case Genre::Monde:
            p.Grille(20, 10, s.Ligne_Champ);
            p.Noms_Champs(s.Nom);
            break;
        case Genre::Quart:
            p.Grille(20, 10, s.Ligne_Champ);
            break;
        case Genre::Europe:
            p.Grille(2, 1, s.Ligne_Carre);
            p.Grille(20, 10, s.Ligne_Champ);
            break;
        case Genre::Champ:
            p.Grille(2, 1, s.Ligne_Carre);
            p.Contour_Champ(s.Ligne_Champ);
            break;
        }
    }
    if (d.G != Genre::Champ) return image;
    QImage gris = image.convertToFormat(QImage::Format_Grayscale8);
    gris.setDotsPerMeterX(2835); // 72 dpi in the JFIF header
    gris.setDotsPerMeterY(2835);
    return gris;
}

QImage Masque_Terre(const Definition_Image& d, const Topologie& topo) {
    QImage image(d.Largeur, d.Hauteur, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        Peintre p(d, topo, image);
        p.Terre(Qt::white);
    }
    return image.convertToFormat(QImage::Format_Grayscale8);
}

} // namespace Mapgen
