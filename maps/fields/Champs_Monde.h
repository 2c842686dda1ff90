// Fields on the world map and the four world-quarter maps: which cell stands
// for which field, and the marking runs of those maps on their cell grids.
// Pure code: the windows call the same procedures on their own grids.
#pragma once

#include "maps/common/Grille_Cellules.h"

#include <string>
#include <string_view>

namespace Sous_Programmes {

// A rectangle of fields, numbered 1..Colonnes*Rangees row by row from its
// north-west corner. Ouest is the westmost longitude letter, Nord the
// northmost latitude letter.
struct Zone_Champs {
    char Ouest;
    char Nord;
    int Colonnes;
    int Rangees;
    int Nombre() const { return Colonnes * Rangees; }
};

inline constexpr Zone_Champs Zone_Monde{'A', 'R', 18, 18};
// In the order of Quarts_Monde: NE, NO, SE, SO.
inline constexpr Zone_Champs Zones_Quarts[4] = {
    {'I', 'R', 10, 9}, {'A', 'R', 8, 9}, {'I', 'I', 10, 9}, {'A', 'I', 8, 9}};

// The cell of a field (two letters, longitude first), or 0 when the field
// lies outside the zone or is not two letters A..R.
int Cellule_Champ(const Zone_Champs& zone, std::string_view champ);
// The field that cell k stands for; empty outside 1..Nombre().
std::string Champ_Cellule(const Zone_Champs& zone, int k);

// The quarter (0..3, order of Quarts_Monde) that a chooser text names, by
// exact comparison; -1 for any other text.
int Numero_Quart(std::string_view Quart_Sel);

// The marking run of a map of fields: reset every cell of the zone, mark the
// field of every record 1..Nb_Qso-1 accepted for Bande_Sel ("Toutes": every
// record; otherwise the 7-character band equal to it and a field that is not
// two blanks), then write the count and Bande_Sel into the grid's captions.
void Marquer_Champs(Grille_Cellules& grille, const Zone_Champs& zone, std::string_view Bande_Sel);

// "Afficher" of Carte_Monde, on the world map's grid.
void Marque_Carte_Monde(Grille_Cellules& grille, std::string_view Bande_Sel);
// A quarter's drawing on that quarter's grid (quart 0..3).
void Marque_Quart_Monde(Grille_Cellules& grille, int quart, std::string_view Bande_Sel);

} // namespace Sous_Programmes
