// The marking run of the Europe map, on its cell grid model: marks the cell of
// every square worked on the band, counts them, and collects a report line for
// every accepted contact whose square lies in the nine fields but has no cell.
#pragma once

#include "maps/common/Grille_Cellules.h"

#include <string>
#include <string_view>
#include <vector>

namespace Sous_Programmes {

// "QSO du " + date + " station " + call + " carré locator " + square, in
// Windows-1252 bytes (the "é" is the single byte 0xE9); the date, call and
// square keep the log's own bytes.
std::string Ligne_Rapport_Europe(std::string_view date, std::string_view indicatif, std::string_view carre);

// Resets cells 1..632, then walks Tab_Qso twice: the first pass marks the
// squares of the eight fields IO IN IM JO JN JM KO KN and reports theirs
// without a cell, the second does the same for field KM. Liste_Err is emptied
// first and receives the lines in that order. Writes the count and Bande_Sel
// into the grid's labels.
void Marque_Carte_Europe(Grille_Cellules& cel, std::string_view Bande_Sel,
                         std::vector<std::string>& Liste_Err);

} // namespace Sous_Programmes
