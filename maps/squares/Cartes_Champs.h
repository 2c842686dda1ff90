// The nine field maps Carte_IM .. Carte_KO (100 squares each) as data, and the
// marking of a field's squares worked on a band. Pure code: the marking works
// on a cell grid model, the window layer finds or creates the window.
#pragma once

#include "maps/common/Grille_Cellules.h"

#include <string_view>

namespace Sous_Programmes {

// Index 0..8 in Champs_Europe of the field whose window a text names
// ("JN" names Carte_JN); -1 for any other text, lower case included.
int Index_Champ(std::string_view Carre_Sel);

// The square number of characters 3-4 of a record line: 10 x first digit +
// second digit for two decimal digits; -1 for anything else (two blanks, a
// letter, a sign, a single digit, a line too short).
int Numero_Moyen_Carre(std::string_view ligne);

// Flags the squares of field Carre_Sel worked on band Bande_Sel ("Toutes": any
// band) in the records 1..Nb_Qso-1, then, when grille is the field's window
// model: resets its 100 cells, marks the flagged ones, counts the marked
// cells and writes the band then the count into its labels. Nb_Carres_Trouves
// receives the number of flagged squares, with or without a grid.
void Remplir_Moyens_Carres(std::string_view Bande_Sel, std::string_view Carre_Sel, int& Nb_Carres_Trouves,
                           Grille_Cellules* grille);

} // namespace Sous_Programmes
