#include "maps/common/Description_Carte.h"

namespace Sous_Programmes {

Grille_Cellules Grille_Design(const Description_Carte& d) {
    std::string bande_design;
    for (const auto& l : d.Libelles)
        if (l.Role == Role_Libelle::Bande) bande_design = l.Texte;
    return Grille_Cellules(d.Sorte, d.Premier, d.Dernier, bande_design);
}

} // namespace Sous_Programmes
