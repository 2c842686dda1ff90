// The world map and the four world-quarter maps as window rows. Every figure
// is in twips, as laid out at design; cells are placed from Picture1's corner.
#include "maps/common/Cartes.h"
#include "maps/fields/Champs_Monde.h"

#include <array>

namespace Sous_Programmes {

namespace {

constexpr const char* Texte_Label2 = "grand(s) carré(s) contacté(s) bande "; // ends with a blank
constexpr auto D = Alignement::Droite;
constexpr auto G = Alignement::Gauche;
const Police Police_Bandeau{"MS Sans Serif", 12, true};
const Police Police_Label1{"MS Sans Serif", 12, false};

// Cells of a zone of fields: cell k at column and row positions by the index
// rule, labelled with its field.
template <std::size_t NX, std::size_t NY>
std::vector<Definition_Cellule> Cellules_Champs(const Zone_Champs& zone, const std::array<int, NX>& x,
                                                const std::array<int, NY>& y, int largeur, int hauteur,
                                                const Police& police) {
    std::vector<Definition_Cellule> cellules;
    for (int k = 1; k <= zone.Nombre(); ++k) {
        const std::string champ = Champ_Cellule(zone, k);
        const auto c = std::size_t((k - 1) % zone.Colonnes);
        const auto r = std::size_t((k - 1) / zone.Colonnes);
        cellules.push_back({k, champ, {x.at(c), y.at(r), largeur, hauteur}, champ, police});
    }
    return cellules;
}

Description_Carte Construire_Carte_Monde() {
    // Column positions for the longitude letters A..R, row positions for the
    // latitude letters R down to A.
    constexpr std::array<int, 18> X = {240,  960,  1800, 2640, 3480,  4200,  5040,  5760,  6600,
                                       7440, 8160, 9000, 9840, 10560, 11400, 12240, 13080, 13800};
    constexpr std::array<int, 18> Y = {120,  720,  1200, 1680, 2280, 2760, 3240, 3840, 4320,
                                       4800, 5400, 5880, 6480, 6960, 7560, 8040, 8520, 9120};

    Description_Carte d;
    d.Nom = "Carte_Monde";
    d.Titre = "Carte Monde";
    d.Largeur_Client = 14520;
    d.Hauteur_Client = 10380;
    d.Bandeau = {120, 0, 14295, 735};
    // clang-format off
    d.Libelles = {
        {"Label1", Role_Libelle::Fixe,   {1080, 240, 855, 255},   "Bande",      Police_Label1,  D},
        {"NbGc",   Role_Libelle::Compte, {5880, 240, 615, 375},   "",           Police_Bandeau, D},
        {"Label2", Role_Libelle::Fixe,   {6600, 240, 4335, 375},  Texte_Label2, Police_Bandeau, G},
        {"Bande",  Role_Libelle::Bande,  {11040, 240, 1215, 375}, "toutes",     Police_Bandeau, G},
    };
    // clang-format on
    d.Avec_Afficher = true;
    d.Bande_T = {2160, 240, 1215, 315};
    d.Command1 = {3600, 240, 1095, 375};
    d.Picture1 = {0, 840, 14535, 9495};
    d.Image = ":/maps/monde.gif";
    d.Sorte = Sorte_Cellule::Text1;
    d.Premier = 1;
    d.Dernier = Zone_Monde.Nombre();
    d.Cellules = Cellules_Champs(Zone_Monde, X, Y, 375, 255, {"Lucida Sans", 9, false});
    d.Cellules.at(289 - 1).Rect.Height = 225; // "AB" is drawn shorter
    return d;
}

// One row of the quarter table.
struct Libelle_Quart {
    int Gauche, Largeur;
    Alignement Align;
};
struct Ligne_Quart {
    const char* Nom;
    const char* Titre;
    int Largeur_Client, Hauteur_Client;
    int Largeur_Bandeau;
    Rect_Twips Picture1;
    const char* Image;
    Libelle_Quart NbGc, Label2, Bande; // in Frame1, top 240, height 375
    double Points_Cellule_2;           // Text1(2) is smaller on the east maps
};

// clang-format off
const std::array<Ligne_Quart, 4> Table_Quarts = {{
    // window     caption                   client area  Frame1 Picture1                  picture
    //            NbGc               Label2             Bande              Text1(2)
    {"Carte_NE", "Carte Nord-Est Monde",   13455, 6945, 13215, {120, 840, 13335, 6015}, ":/maps/ne.jpg",
                 {3720, 615, D},    {4440, 4335, G},   {8880, 1215, G},   9.75},
    {"Carte_NO", "Carte Nord-Ouest Monde", 10815, 6960, 10575, {120, 840, 10695, 6135}, ":/maps/no.jpg",
                 {2040, 975, D},    {3120, 4335, D},   {7560, 1095, G},   12},
    {"Carte_SE", "Carte Sud-Est Monde",    13455, 6930, 13215, {120, 840, 13335, 6015}, ":/maps/se.jpg",
                 {3240, 1095, D},   {4440, 4335, D},   {8880, 1095, G},   9.75},
    {"Carte_SO", "Carte Sud-Ouest Monde",  10860, 6930, 10575, {120, 840, 10695, 6135}, ":/maps/so.jpg",
                 {2040, 975, D},    {3120, 4335, D},   {7560, 1095, D},   12},
}};
// clang-format on

Libelle_Bandeau Libelle_Bandeau_Quart(const char* nom, Role_Libelle role, const Libelle_Quart& l,
                                      const char* texte) {
    return {nom, role, {l.Gauche, 240, l.Largeur, 375}, texte, Police_Bandeau, l.Align};
}

Description_Carte Construire_Quart(int quart) {
    // The west maps use the first 8 columns.
    constexpr std::array<int, 10> X = {480, 1800, 3000, 4320, 5640, 6960, 8280, 9600, 10920, 12240};
    constexpr std::array<int, 9> Y = {240, 840, 1440, 2160, 2760, 3480, 4080, 4800, 5400};

    const Ligne_Quart& l = Table_Quarts.at(std::size_t(quart));
    const Zone_Champs& zone = Zones_Quarts[quart];
    Description_Carte d;
    d.Nom = l.Nom;
    d.Titre = l.Titre;
    d.Largeur_Client = l.Largeur_Client;
    d.Hauteur_Client = l.Hauteur_Client;
    d.Bandeau = {120, 0, l.Largeur_Bandeau, 735};
    d.Libelles = {
        Libelle_Bandeau_Quart("NbGc", Role_Libelle::Compte, l.NbGc, ""),
        Libelle_Bandeau_Quart("Label2", Role_Libelle::Fixe, l.Label2, Texte_Label2),
        Libelle_Bandeau_Quart("Bande", Role_Libelle::Bande, l.Bande, ""),
    };
    d.Picture1 = l.Picture1;
    d.Image = l.Image;
    d.Sorte = Sorte_Cellule::Text1;
    d.Premier = 1;
    d.Dernier = zone.Nombre();
    d.Cellules = Cellules_Champs(zone, X, Y, 495, 375, {"MS Sans Serif", 12, false});
    d.Cellules.at(2 - 1).Pol.Points = l.Points_Cellule_2;
    return d;
}

} // namespace

const Description_Carte& Description_Carte_Monde() {
    static const Description_Carte d = Construire_Carte_Monde();
    return d;
}

const Description_Carte& Description_Quart(int quart) {
    static const std::array<Description_Carte, 4> d = {Construire_Quart(0), Construire_Quart(1),
                                                       Construire_Quart(2), Construire_Quart(3)};
    return d.at(std::size_t(quart));
}

} // namespace Sous_Programmes
