#include "tools/mapgen/Dessin.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Mapgen {

namespace {

constexpr int Cote_Icone = 32;
constexpr double Rayon = 15.0;
constexpr double Lon_Centre = 10.0; // the globe faces Europe
constexpr double Lat_Centre = 40.0;

const QRgb Transparent = qRgba(0, 0, 0, 0);
const QRgb Bord = qRgb(0x00, 0x00, 0x80);
const QRgb Mer = qRgb(0x40, 0x80, 0xE0);
const QRgb Terre = qRgb(0x30, 0xA0, 0x30);
// Lit from the upper left: the far side of the globe in darker tones.
const QRgb Mer_Ombre = qRgb(0x20, 0x50, 0xB0);
const QRgb Terre_Ombre = qRgb(0x20, 0x70, 0x20);
const QRgb Contacte = qRgb(0x80, 0xFF, 0x80); // one worked field, JN, as the maps mark it

} // namespace

QImage Dessiner_Icone(const Topologie& topo) {
    // Land as an equirectangular mask, 4 px per degree, looked up pixel by pixel.
    const QImage masque =
        Masque_Terre({"", 1440, 720, {{4, 1}, {720, 1}, {4, 1}, {360, 1}}, "110m", Genre::Monde}, topo);
    const double rad = std::numbers::pi / 180;
    const double phi0 = Lat_Centre * rad;
    QImage icone(Cote_Icone, Cote_Icone, QImage::Format_ARGB32);
    for (int j = 0; j < Cote_Icone; ++j) {
        for (int i = 0; i < Cote_Icone; ++i) {
            // Inverse orthographic projection of the pixel's centre.
            const double dx = (i + 0.5 - Cote_Icone / 2.0) / Rayon;
            const double dy = (Cote_Icone / 2.0 - j - 0.5) / Rayon;
            const double rho = std::hypot(dx, dy);
            QRgb c = Transparent;
            if (rho <= 1.0 + 0.5 / Rayon) c = Bord;
            if (rho <= 1.0 - 0.5 / Rayon) {
                const double ang = std::asin(rho);
                const double lat = rho == 0 ? phi0
                                            : std::asin(std::cos(ang) * std::sin(phi0) +
                                                        dy * std::sin(ang) * std::cos(phi0) / rho);
                const double lon = Lon_Centre * rad +
                                   std::atan2(dx * std::sin(ang), rho * std::cos(ang) * std::cos(phi0) -
                                                                      dy * std::sin(ang) * std::sin(phi0));
                const double lon_deg = std::remainder(lon / rad, 360.0);
                const double lat_deg = lat / rad;
                const int mx = std::clamp(static_cast<int>((lon_deg + 180) * 4), 0, masque.width() - 1);
                const int my = std::clamp(static_cast<int>((90 - lat_deg) * 4), 0, masque.height() - 1);
                const bool terre = qGray(masque.pixel(mx, my)) > 127;
                const bool ombre = dx - dy > 0.9;
                c = terre ? (ombre ? Terre_Ombre : Terre) : (ombre ? Mer_Ombre : Mer);
                if (lon_deg >= 0 && lon_deg < 20 && lat_deg >= 40 && lat_deg < 50) c = Contacte;
            }
            icone.setPixel(i, j, c);
        }
    }
    const QList<QRgb> palette = {Transparent, Bord, Mer, Terre, Mer_Ombre, Terre_Ombre, Contacte};
    return icone.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither | Qt::AvoidDither);
}

} // namespace Mapgen
