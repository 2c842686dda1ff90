// The Europe map window as data: its strip, band list, button, picture and
// the 632 `cel` labels laid out from the cell table.
#include "maps/common/Cartes.h"
#include "maps/squares/Cellules_Europe.h"

namespace Sous_Programmes {

namespace {

Description_Carte Construire_Europe() {
    const Police normale{"MS Sans Serif", 12, false};
    const Police grasse{"MS Sans Serif", 12, true};
    const Police chiffres{"MS Reference Sans Serif", 9, false};

    Description_Carte d;
    d.Nom = "Carte_Europe";
    d.Titre = "Carte_Europe";
    d.Largeur_Client = 14655;
    d.Hauteur_Client = 8730;

    d.Nom_Bandeau = "Frame2";
    d.Bandeau = {120, 120, 14415, 735};
    const Alignement droite = Alignement::Droite, gauche = Alignement::Gauche;
    const std::string label6 = "Moyen(s) carré(s) Europe contacté(s) bande : ";
    // clang-format off
    d.Libelles = {
        {"Label3", Role_Libelle::Fixe,   {1320, 240, 855, 255},   "Bande", normale, droite},
        {"NbGc",   Role_Libelle::Compte, {5400, 240, 495, 255},   "",      grasse,  droite},
        {"Label6", Role_Libelle::Fixe,   {6000, 240, 5535, 375},  label6,  grasse,  gauche},
        {"Bande",  Role_Libelle::Bande,  {11640, 240, 1215, 375}, "",      grasse,  gauche},
    };
    // clang-format on

    d.Avec_Afficher = true;
    d.Bande_T = {2400, 360, 1215, 315};
    d.Command1 = {3960, 360, 1095, 375};

    d.Picture1 = {120, 960, 14415, 7695};
    d.Image = ":/maps/europe.jpg";

    // Member 0 of the array belongs to no square and is never shown: it is left out.
    d.Sorte = Sorte_Cellule::Cel;
    d.Nom_Cellules = "cel";
    d.Premier = 1;
    d.Dernier = Nb_Cellules_Europe;
    d.Cellules.reserve(Cellules_Europe.size());
    for (const auto& e : Cellules_Europe)
        d.Cellules.push_back({e.Cellule, std::string(e.Carre), Rect_Cellule_Europe(e.Carre),
                              std::string(Libelle_Cellule_Europe(e.Carre)), chiffres});
    return d;
}

} // namespace

const Description_Carte& Description_Carte_Europe() {
    static const Description_Carte d = Construire_Europe();
    return d;
}

} // namespace Sous_Programmes
