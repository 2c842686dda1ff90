#include "tools/mapgen/Images.h"

namespace Mapgen {

namespace {

long long Division_Plancher(long long n, long long d) {
    if (d < 0) n = -n, d = -d;
    long long q = n / d;
    if (n % d != 0 && n < 0) --q;
    return q;
}

// ⌊s·a·v + b⌋ exactly, then placed in 0..taille-1 (a line at taille itself
// goes in the last pixel).
std::optional<int> Position(const Fraction& a, const Fraction& b, long long v, int signe, int taille) {
    const long long num = signe * a.Num * v * b.Den + b.Num * a.Den;
    const long long den = a.Den * b.Den;
    const long long p = Division_Plancher(num, den);
    if (p == taille && num == p * den) return taille - 1;
    if (p < 0 || p >= taille) return std::nullopt;
    return static_cast<int>(p);
}

Definition_Image Champ(const char* fichier, int largeur, int hauteur, int bx, int by, int ouest, int sud) {
    Definition_Image d{fichier, largeur, hauteur, {{32, 1}, {bx, 1}, {32, 1}, {by, 1}}, "10m", Genre::Champ};
    d.Champ_Ouest = ouest;
    d.Champ_Sud = sud;
    return d;
}

} // namespace

std::optional<int> Projection::Colonne(long long lon, int largeur) const {
    return Position(Ax, Bx, lon, 1, largeur);
}

std::optional<int> Projection::Rangee(long long lat, int hauteur) const {
    return Position(Ay, By, lat, -1, hauteur);
}

const std::vector<Definition_Image>& Images() {
    static const std::vector<Definition_Image> images = [] {
        const Fraction quart{22, 5}; // 4.4 px per degree: 88 × 44 px per field
        std::vector<Definition_Image> v;
        // The whole world edge to edge: 8/3 px per degree across, 633/180 down.
        v.push_back({"monde.png", 960, 633, {{8, 3}, {480, 1}, {633, 180}, {633, 2}}, "110m", Genre::Monde});
        v.push_back({"ne.jpg", 880, 396, {quart, {88, 1}, quart, {396, 1}}, "50m", Genre::Quart});
        v.push_back({"no.jpg", 704, 397, {quart, {792, 1}, quart, {396, 1}}, "50m", Genre::Quart});
        v.push_back({"se.jpg", 880, 396, {quart, {88, 1}, quart, {0, 1}}, "50m", Genre::Quart});
        v.push_back({"so.jpg", 704, 396, {quart, {792, 1}, quart, {0, 1}}, "50m", Genre::Quart});
        // 20°W at x = 20, 61°N at y = 0, whole degrees of latitude on whole pixels.
        v.push_back(
            {"europe.jpg", 955, 508, {{1538, 100}, {3276, 10}, {16, 1}, {976, 1}}, "10m", Genre::Europe});
        // 32 px per degree; the field outline's top-left at (x0, 26).
        v.push_back(Champ("champ_im.jpg", 692, 377, 668, 1306, -20, 30));
        v.push_back(Champ("champ_in.jpg", 688, 372, 668, 1626, -20, 40));
        v.push_back(Champ("champ_io.jpg", 692, 377, 668, 1946, -20, 50));
        v.push_back(Champ("champ_jm.jpg", 691, 375, 24, 1306, 0, 30));
        v.push_back(Champ("champ_jn.jpg", 692, 372, 28, 1626, 0, 40));
        v.push_back(Champ("champ_jo.jpg", 693, 371, 28, 1946, 0, 50));
        v.push_back(Champ("champ_km.jpg", 702, 374, -612, 1306, 20, 30));
        v.push_back(Champ("champ_kn.jpg", 707, 380, -611, 1626, 20, 40));
        v.push_back(Champ("champ_ko.jpg", 701, 372, -612, 1946, 20, 50));
        return v;
    }();
    return images;
}

} // namespace Mapgen
