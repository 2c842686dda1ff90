#include "core/Tab_Qso.h"
#include "maps/common/Cartes.h"
#include "maps/fields/Champs_Monde.h"

namespace Sous_Programmes {

int Cellule_Champ(const Zone_Champs& zone, std::string_view champ) {
    if (champ.size() != 2) return 0;
    const int longitude = champ[0];
    const int latitude = champ[1];
    if (longitude < 'A' || longitude > 'R' || latitude < 'A' || latitude > 'R') return 0;
    const int colonne = longitude - zone.Ouest;
    const int rangee = zone.Nord - latitude;
    if (colonne < 0 || colonne >= zone.Colonnes || rangee < 0 || rangee >= zone.Rangees) return 0;
    return zone.Colonnes * rangee + colonne + 1;
}

std::string Champ_Cellule(const Zone_Champs& zone, int k) {
    if (k < 1 || k > zone.Nombre()) return {};
    const int colonne = (k - 1) % zone.Colonnes;
    const int rangee = (k - 1) / zone.Colonnes;
    return {char(zone.Ouest + colonne), char(zone.Nord - rangee)};
}

int Numero_Quart(std::string_view Quart_Sel) {
    for (std::size_t q = 0; q < Quarts_Monde.size(); ++q)
        if (Quart_Sel == Quarts_Monde[q]) return int(q);
    return -1;
}

void Marquer_Champs(Grille_Cellules& grille, const Zone_Champs& zone, std::string_view Bande_Sel) {
    const int n = zone.Nombre();
    grille.Reinitialiser(1, n);
    const bool toutes = Bande_Sel == Toutes;
    for (const std::string& ligne : Qso_Valides()) {
        const std::string_view champ = Champ(ligne, Grand_Carre);
        if (!toutes && (Champ(ligne, Qso_Bande_7) != Bande_Sel || champ == Deux_Blancs)) continue;
        if (const int k = Cellule_Champ(zone, champ)) grille.Marquer(k);
    }
    grille.Ecrire_Resultats(grille.Compter(1, n), Bande_Sel);
}

void Marque_Carte_Monde(Grille_Cellules& grille, std::string_view Bande_Sel) {
    Marquer_Champs(grille, Zone_Monde, Bande_Sel);
}

void Marque_Quart_Monde(Grille_Cellules& grille, int quart, std::string_view Bande_Sel) {
    if (quart < 0 || quart >= int(Quarts_Monde.size())) return;
    Marquer_Champs(grille, Zones_Quarts[quart], Bande_Sel);
}

} // namespace Sous_Programmes
