// The fixed table of the Europe map: for each of its 632 squares, the index of
// the square's cell in the label array `cel`, and where that cell stands over
// the map picture.
#pragma once

#include "core/Twips.h"

#include <array>
#include <string_view>

namespace Sous_Programmes {

struct Entree_Europe {
    std::string_view Carre; // field letters then the two digits, as in columns 1-4 of the locator
    int Cellule;            // 1..632
};

inline constexpr int Nb_Cellules_Europe = 632;
// The run counts the marked cells in these two ranges and adds the two parts.
inline constexpr int Fin_Compte_Premier_Groupe = 547;
inline constexpr int Debut_Compte_Second_Groupe = 548;

// Listed in cell order.
extern const std::array<Entree_Europe, Nb_Cellules_Europe> Cellules_Europe;

// The first group holds the eight fields IO IN IM JO JN JM KO KN (cells 1..547
// and 624..631); the second holds field KM (cells 548..623 and 632).
enum class Groupe_Europe { Tous, Premier, Second };

// The cell of a square, compared exactly over its four characters (no
// trimming, no case folding), or 0 when the square has no cell in the group.
int Cellule_Europe(std::string_view carre, Groupe_Europe groupe = Groupe_Europe::Tous);

// The square of cell k (1..632), or an empty text for any other k.
std::string_view Carre_Europe(int k);

// Where the cell of a square stands, from the corner of Picture1: Left from
// the column of its field letter and first digit, Top from its row, 375 x 255.
// A square without a cell gives an empty rectangle.
Rect_Twips Rect_Cellule_Europe(std::string_view carre);

// The two digits a cell shows.
inline std::string_view Libelle_Cellule_Europe(std::string_view carre) {
    return carre.size() == 4 ? carre.substr(2, 2) : std::string_view{};
}

} // namespace Sous_Programmes
